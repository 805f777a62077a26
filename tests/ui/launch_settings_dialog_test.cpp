// The launch settings dialog: the record made from the design values, the
// exchange on showing and hiding (Cancel keeps edits), the file name rules,
// the enabling of the file name row and the browse button.
#include "ui/launch_settings_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "controls/NValEdit.h"
#include "ui/file_dialog_service.h"
#include "ui/modal_runner.h"

namespace kirabel {
namespace {

class LaunchSettingsDialogTest : public ::testing::Test {
 protected:
  LaunchSettingsDialogTest()
      : open_(TFileDialog::Kind::Open, QStringLiteral("a|*.*")),
        save_(TFileDialog::Kind::Save, QStringLiteral("a|*.*")) {
    ModalRunner::clearHandlers();
    FileDialogService::clearAnswers();
    FileDialogService::clearRequests();
    dialog_.MainOpenDialog = &open_;
    dialog_.MainSaveDialog = &save_;
  }
  ~LaunchSettingsDialogTest() override {
    ModalRunner::clearHandlers();
    FileDialogService::clearAnswers();
  }
  // Shows the dialog, lets `play` act on it and closes it with OK or Cancel.
  int Run(const std::function<void(TForm5&)>& play, bool ok) {
    ModalRunner::setNextHandler([&, ok](QDialog&) {
      play(dialog_);
      (ok ? dialog_.BitBtn1 : dialog_.BitBtn2)->click();
    });
    return ModalRunner::exec(dialog_);
  }

  TFileDialog open_, save_;
  TForm5 dialog_;
};

TEST_F(LaunchSettingsDialogTest, RecordStartsWithTheDesignValues) {
  const TEnvironment& env = dialog_.Environment();
  EXPECT_EQ(env.G, 0.5L);
  EXPECT_EQ(env.ST, 10.0L);
  EXPECT_EQ(env.IT, 1.0L);
  EXPECT_EQ(env.NF, 1.0L);
  EXPECT_TRUE(env.NAME.empty());
  EXPECT_FALSE(env.AUTOSAVE);
  EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("打ち上げ設定"));
  EXPECT_EQ(dialog_.size(), QSize(370, 265));
  EXPECT_TRUE(dialog_.NEditG->PrmtNegative());
  EXPECT_TRUE(dialog_.NEditST->PrmtNegative());
  EXPECT_FALSE(dialog_.NeditIT->PrmtNegative());
  EXPECT_FALSE(dialog_.NEditNF->PrmtNegative());
  EXPECT_EQ(dialog_.NEditNF->FixDecimal(), 0);
  EXPECT_TRUE(dialog_.NEditG->ZeroDisplay());
}

TEST_F(LaunchSettingsDialogTest, ShowingFillsTheFieldsAndEveryCloseStoresThem) {
  TEnvironment& env = dialog_.Environment();
  env.G = 2.25L;
  env.NF = 7;
  env.NAME = "/tmp/fire.bmp";
  env.AUTOSAVE = true;
  EXPECT_EQ(Run(
                [](TForm5& d) {
                  EXPECT_EQ(d.NEditG->Value(), 2.25L);
                  EXPECT_EQ(d.NEditNF->Value(), 7.0L);
                  EXPECT_EQ(d.Edit1->text(), QStringLiteral("/tmp/fire.bmp"));
                  EXPECT_TRUE(d.CheckBox1->isChecked());
                  d.NEditG->setValue(-1.5L);
                  d.Edit1->setText(QStringLiteral("  \t/tmp/other.bmp  "));
                },
                false),
            QDialog::Rejected);
  // Cancel keeps the edits: it only stops the launch.
  EXPECT_EQ(env.G, -1.5L);
  EXPECT_EQ(env.NAME, "/tmp/other.bmp");
  EXPECT_EQ(Run([](TForm5& d) { EXPECT_EQ(d.NEditG->Value(), -1.5L); }, true), QDialog::Accepted);
}

TEST_F(LaunchSettingsDialogTest, NegativeIntervalBecomesItsMagnitude) {
  dialog_.Environment().IT = -2;
  Run([](TForm5&) {}, true);
  EXPECT_EQ(dialog_.Environment().IT, 2.0L);
}

TEST_F(LaunchSettingsDialogTest, FileNameRowFollowsTheCheckBox) {
  dialog_.Environment().AUTOSAVE = false;
  dialog_.Environment().NAME = "kept.bmp";
  Run(
      [](TForm5& d) {
        EXPECT_FALSE(d.Edit1->isEnabled());
        EXPECT_FALSE(d.Button1->isEnabled());
        EXPECT_TRUE(d.Label1->isEnabled());
        QTest::mouseClick(d.CheckBox1, Qt::LeftButton);
        EXPECT_TRUE(d.Edit1->isEnabled());
        EXPECT_TRUE(d.Button1->isEnabled());
        QTest::mouseClick(d.CheckBox1, Qt::LeftButton);
        EXPECT_FALSE(d.Edit1->isEnabled());
      },
      true);
  EXPECT_EQ(dialog_.Environment().NAME, "kept.bmp");
  EXPECT_FALSE(dialog_.Environment().AUTOSAVE);
}

TEST_F(LaunchSettingsDialogTest, NameIsTrimmedAndCutWithoutSplittingACharacter) {
  EXPECT_EQ(CleanAutosaveName(QStringLiteral(" \x01 a b \x7f ")), "a b");
  EXPECT_EQ(CleanAutosaveName(QString(300, QLatin1Char('x'))), std::string(255, 'x'));
  // Two Shift-JIS bytes per 花: 127 fit into 255 bytes, the 128th does not.
  const std::string cut = CleanAutosaveName(QString(200, QChar(0x82B1)));
  EXPECT_EQ(QString::fromStdString(cut).size(), 127);
}

TEST_F(LaunchSettingsDialogTest, BrowseFillsTheNameAndMovesBothStartingFolders) {
  save_.InitialDir = QStringLiteral("/start");
  FileDialogService::setNextFileName(std::nullopt);
  FileDialogService::setNextFileName(QStringLiteral("/work/out/fire.bmp"));
  dialog_.Environment().AUTOSAVE = true;
  Run(
      [](TForm5& d) {
        d.Edit1->setText(QStringLiteral("before"));
        d.Button1->click();  // cancelled: nothing changes
        EXPECT_EQ(d.Edit1->text(), QStringLiteral("before"));
        d.Button1->click();
        EXPECT_EQ(d.Edit1->text(), QStringLiteral("/work/out/fire.bmp"));
      },
      true);
  ASSERT_EQ(FileDialogService::requests().size(), 2u);
  const FileDialogRequest& request = FileDialogService::requests().front();
  EXPECT_TRUE(request.save);
  // Only a name prefix is picked: no question about replacing that file.
  EXPECT_FALSE(request.confirmOverwrite);
  EXPECT_EQ(request.initialDir, QStringLiteral("/start"));
  EXPECT_EQ(request.defaultExt, QStringLiteral("bmp"));
  EXPECT_EQ(open_.InitialDir, QStringLiteral("/work/out"));
  EXPECT_EQ(save_.InitialDir, QStringLiteral("/work/out"));
  EXPECT_EQ(dialog_.Environment().NAME, "/work/out/fire.bmp");
}

}  // namespace
}  // namespace kirabel

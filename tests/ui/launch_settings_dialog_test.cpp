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
      : open_(FileChooser::Kind::Open, QStringLiteral("a|*.*")),
        save_(FileChooser::Kind::Save, QStringLiteral("a|*.*")) {
    ModalRunner::clearHandlers();
    FileDialogService::clearAnswers();
    FileDialogService::clearRequests();
    dialog_.mainOpenDialog = &open_;
    dialog_.mainSaveDialog = &save_;
  }
  ~LaunchSettingsDialogTest() override {
    ModalRunner::clearHandlers();
    FileDialogService::clearAnswers();
  }
  // Shows the dialog, lets `play` act on it and closes it with OK or Cancel.
  int Run(const std::function<void(LaunchSettingsDialog&)>& play, bool ok) {
    ModalRunner::setNextHandler([&, ok](QDialog&) {
      play(dialog_);
      (ok ? dialog_.okButton : dialog_.cancelButton)->click();
    });
    return ModalRunner::exec(dialog_);
  }

  FileChooser open_, save_;
  LaunchSettingsDialog dialog_;
};

TEST_F(LaunchSettingsDialogTest, RecordStartsWithTheDesignValues) {
  const LaunchSettings& env = dialog_.Environment();
  EXPECT_EQ(env.gravity, 0.5L);
  EXPECT_EQ(env.startTime, 10.0L);
  EXPECT_EQ(env.frameInterval, 1.0L);
  EXPECT_EQ(env.frameCount, 1.0L);
  EXPECT_TRUE(env.autosaveName.empty());
  EXPECT_FALSE(env.autosave);
  EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("打ち上げ設定"));
  EXPECT_EQ(dialog_.size(), QSize(370, 265));
  EXPECT_TRUE(dialog_.gravityEdit->PrmtNegative());
  EXPECT_TRUE(dialog_.startTimeEdit->PrmtNegative());
  EXPECT_FALSE(dialog_.frameIntervalEdit->PrmtNegative());
  EXPECT_FALSE(dialog_.frameCountEdit->PrmtNegative());
  EXPECT_EQ(dialog_.frameCountEdit->FixDecimal(), 0);
  EXPECT_TRUE(dialog_.gravityEdit->ZeroDisplay());
}

TEST_F(LaunchSettingsDialogTest, ShowingFillsTheFieldsAndEveryCloseStoresThem) {
  LaunchSettings& env = dialog_.Environment();
  env.gravity = 2.25L;
  env.frameCount = 7;
  env.autosaveName = "/tmp/fire.bmp";
  env.autosave = true;
  EXPECT_EQ(Run(
                [](LaunchSettingsDialog& d) {
                  EXPECT_EQ(d.gravityEdit->Value(), 2.25L);
                  EXPECT_EQ(d.frameCountEdit->Value(), 7.0L);
                  EXPECT_EQ(d.autosaveNameEdit->text(), QStringLiteral("/tmp/fire.bmp"));
                  EXPECT_TRUE(d.autosaveCheck->isChecked());
                  d.gravityEdit->setValue(-1.5L);
                  d.autosaveNameEdit->setText(QStringLiteral("  \t/tmp/other.bmp  "));
                },
                false),
            QDialog::Rejected);
  // Cancel keeps the edits: it only stops the launch.
  EXPECT_EQ(env.gravity, -1.5L);
  EXPECT_EQ(env.autosaveName, "/tmp/other.bmp");
  EXPECT_EQ(Run([](LaunchSettingsDialog& d) { EXPECT_EQ(d.gravityEdit->Value(), -1.5L); }, true),
            QDialog::Accepted);
}

TEST_F(LaunchSettingsDialogTest, NegativeIntervalBecomesItsMagnitude) {
  dialog_.Environment().frameInterval = -2;
  Run([](LaunchSettingsDialog&) {}, true);
  EXPECT_EQ(dialog_.Environment().frameInterval, 2.0L);
}

TEST_F(LaunchSettingsDialogTest, FileNameRowFollowsTheCheckBox) {
  dialog_.Environment().autosave = false;
  dialog_.Environment().autosaveName = "kept.bmp";
  Run(
      [](LaunchSettingsDialog& d) {
        EXPECT_FALSE(d.autosaveNameEdit->isEnabled());
        EXPECT_FALSE(d.browseButton->isEnabled());
        EXPECT_TRUE(d.autosaveNameLabel->isEnabled());
        QTest::mouseClick(d.autosaveCheck, Qt::LeftButton);
        EXPECT_TRUE(d.autosaveNameEdit->isEnabled());
        EXPECT_TRUE(d.browseButton->isEnabled());
        QTest::mouseClick(d.autosaveCheck, Qt::LeftButton);
        EXPECT_FALSE(d.autosaveNameEdit->isEnabled());
      },
      true);
  EXPECT_EQ(dialog_.Environment().autosaveName, "kept.bmp");
  EXPECT_FALSE(dialog_.Environment().autosave);
}

TEST_F(LaunchSettingsDialogTest, NameIsTrimmedAndCutWithoutSplittingACharacter) {
  EXPECT_EQ(CleanAutosaveName(QStringLiteral(" \x01 a b \x7f ")), "a b");
  EXPECT_EQ(CleanAutosaveName(QString(300, QLatin1Char('x'))), std::string(255, 'x'));
  // Two Shift-JIS bytes per 花: 127 fit into 255 bytes, the 128th does not.
  const std::string cut = CleanAutosaveName(QString(200, QChar(0x82B1)));
  EXPECT_EQ(QString::fromStdString(cut).size(), 127);
}

TEST_F(LaunchSettingsDialogTest, BrowseFillsTheNameAndMovesBothStartingFolders) {
  save_.initialDir = QStringLiteral("/start");
  FileDialogService::setNextFileName(std::nullopt);
  FileDialogService::setNextFileName(QStringLiteral("/work/out/fire.bmp"));
  dialog_.Environment().autosave = true;
  Run(
      [](LaunchSettingsDialog& d) {
        d.autosaveNameEdit->setText(QStringLiteral("before"));
        d.browseButton->click();  // cancelled: nothing changes
        EXPECT_EQ(d.autosaveNameEdit->text(), QStringLiteral("before"));
        d.browseButton->click();
        EXPECT_EQ(d.autosaveNameEdit->text(), QStringLiteral("/work/out/fire.bmp"));
      },
      true);
  ASSERT_EQ(FileDialogService::requests().size(), 2u);
  const FileDialogRequest& request = FileDialogService::requests().front();
  EXPECT_TRUE(request.save);
  // Only a name prefix is picked: no question about replacing that file.
  EXPECT_FALSE(request.confirmOverwrite);
  EXPECT_EQ(request.initialDir, QStringLiteral("/start"));
  EXPECT_EQ(request.defaultExt, QStringLiteral("bmp"));
  EXPECT_EQ(open_.initialDir, QStringLiteral("/work/out"));
  EXPECT_EQ(save_.initialDir, QStringLiteral("/work/out"));
  EXPECT_EQ(dialog_.Environment().autosaveName, "/work/out/fire.bmp");
}

}  // namespace
}  // namespace kirabel

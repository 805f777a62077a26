// The launch settings dialog: the starting values, the exchange with the
// settings it is given and read back (whichever button closes it), the file
// name rules, the enabling of the file name row and the browse button.
#include "ui/dialogs/launch_settings_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/services/file_dialog_service.h"
#include "ui/services/modal_runner.h"
#include "ui/widgets/numeric_field.h"
#include "ui_support/child_widget.h"
#include "ui_support/tab_order.h"

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
  // Shows the dialog with env_, lets `play` act on it, closes it with OK or
  // Cancel and reads env_ back, as the main window does.
  int Run(const std::function<void(LaunchSettingsDialog&)>& play, bool ok) {
    ModalRunner::setNextHandler([&, ok](QDialog&) {
      play(dialog_);
      testing::Child<QPushButton>(dialog_, ok ? "okButton" : "cancelButton")->click();
    });
    dialog_.setLaunchSettings(env_);
    const int result = ModalRunner::exec(dialog_);
    env_ = dialog_.launchSettings();
    return result;
  }

  LaunchSettings env_;
  FileChooser open_, save_;
  LaunchSettingsDialog dialog_;
};

TEST_F(LaunchSettingsDialogTest, FieldsStartWithTheirStartingValues) {
  const LaunchSettings settings = dialog_.launchSettings();
  EXPECT_EQ(settings.gravity, 0.5L);
  EXPECT_EQ(settings.startTime, 10.0L);
  EXPECT_EQ(settings.frameInterval, 1.0L);
  EXPECT_EQ(settings.frameCount, 1.0L);
  EXPECT_TRUE(settings.autosaveName.empty());
  EXPECT_FALSE(settings.autosave);
  EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("打ち上げ設定"));
  EXPECT_EQ(dialog_.size(), QSize(370, 290));
  EXPECT_TRUE(testing::Child<NumericField>(dialog_, "gravityEdit")->allowNegative());
  EXPECT_TRUE(testing::Child<NumericField>(dialog_, "startTimeEdit")->allowNegative());
  EXPECT_FALSE(testing::Child<NumericField>(dialog_, "frameIntervalEdit")->allowNegative());
  EXPECT_FALSE(testing::Child<NumericField>(dialog_, "frameCountEdit")->allowNegative());
  EXPECT_EQ(testing::Child<NumericField>(dialog_, "frameCountEdit")->fixedDecimals(), 0);
  EXPECT_TRUE(testing::Child<NumericField>(dialog_, "gravityEdit")->showZero());
}

TEST_F(LaunchSettingsDialogTest, TabOrderFollowsTheRows) {
  testing::ExpectTabOrder(
      dialog_, {"gravityEdit", "windEdit", "startTimeEdit", "frameIntervalEdit", "frameCountEdit",
                "ownRandomCheck", "autosaveCheck", "autosaveNameEdit", "browseButton", "okButton",
                "cancelButton"});
}

TEST_F(LaunchSettingsDialogTest, ShowingFillsTheFieldsAndEveryCloseStoresThem) {
  LaunchSettings& settings = env_;
  settings.gravity = 2.25L;
  settings.frameCount = 7;
  settings.autosaveName = "/tmp/fire.bmp";
  settings.autosave = true;
  EXPECT_EQ(Run(
                [](LaunchSettingsDialog& d) {
                  EXPECT_EQ(testing::Child<NumericField>(d, "gravityEdit")->value(), 2.25L);
                  EXPECT_EQ(testing::Child<NumericField>(d, "frameCountEdit")->value(), 7.0L);
                  EXPECT_EQ(testing::Child<QLineEdit>(d, "autosaveNameEdit")->text(),
                            QStringLiteral("/tmp/fire.bmp"));
                  EXPECT_TRUE(testing::Child<QCheckBox>(d, "autosaveCheck")->isChecked());
                  testing::Child<NumericField>(d, "gravityEdit")->setValue(-1.5L);
                  testing::Child<QLineEdit>(d, "autosaveNameEdit")
                      ->setText(QStringLiteral("  \t/tmp/other.bmp  "));
                },
                false),
            QDialog::Rejected);
  // Cancel keeps the edits: it only stops the launch.
  EXPECT_EQ(settings.gravity, -1.5L);
  EXPECT_EQ(settings.autosaveName, "/tmp/other.bmp");
  EXPECT_EQ(Run(
                [](LaunchSettingsDialog& d) {
                  EXPECT_EQ(testing::Child<NumericField>(d, "gravityEdit")->value(), -1.5L);
                },
                true),
            QDialog::Accepted);
}

// The wind (either way) and own random streams travel through the dialog; a
// wind beyond nine digits is held as its field holds it.
TEST_F(LaunchSettingsDialogTest, WindAndOwnRandomTravelThroughTheDialog) {
  const struct {
    long double wind;
    bool ownRandom;
    long double stored;
  } cases[] = {{-2.5L, true, -2.5L}, {3, false, 3}, {0, true, 0}, {1e12L, false, 999999999}};
  for (const auto& c : cases) {
    env_.wind = c.wind;
    env_.ownRandom = c.ownRandom;
    Run(
        [&](LaunchSettingsDialog& d) {
          EXPECT_EQ(testing::Child<QCheckBox>(d, "ownRandomCheck")->isChecked(), c.ownRandom);
        },
        true);
    EXPECT_EQ(env_.wind, c.stored) << double(c.wind);
    EXPECT_EQ(env_.ownRandom, c.ownRandom) << double(c.wind);
  }
  Run(
      [](LaunchSettingsDialog& d) {
        testing::Child<NumericField>(d, "windEdit")->setValue(-4);
        testing::Child<QCheckBox>(d, "ownRandomCheck")->click();
      },
      false);
  EXPECT_EQ(env_.wind, -4);
  EXPECT_TRUE(env_.ownRandom);
}

TEST_F(LaunchSettingsDialogTest, NegativeIntervalBecomesItsMagnitude) {
  env_.frameInterval = -2;
  Run([](LaunchSettingsDialog&) {}, true);
  EXPECT_EQ(env_.frameInterval, 2.0L);
}

TEST_F(LaunchSettingsDialogTest, FileNameRowFollowsTheCheckBox) {
  env_.autosave = false;
  env_.autosaveName = "kept.bmp";
  Run(
      [](LaunchSettingsDialog& d) {
        EXPECT_FALSE(testing::Child<QLineEdit>(d, "autosaveNameEdit")->isEnabled());
        EXPECT_FALSE(testing::Child<QPushButton>(d, "browseButton")->isEnabled());
        EXPECT_TRUE(testing::Child<QLabel>(d, "autosaveNameLabel")->isEnabled());
        QTest::mouseClick(testing::Child<QCheckBox>(d, "autosaveCheck"), Qt::LeftButton);
        EXPECT_TRUE(testing::Child<QLineEdit>(d, "autosaveNameEdit")->isEnabled());
        EXPECT_TRUE(testing::Child<QPushButton>(d, "browseButton")->isEnabled());
        QTest::mouseClick(testing::Child<QCheckBox>(d, "autosaveCheck"), Qt::LeftButton);
        EXPECT_FALSE(testing::Child<QLineEdit>(d, "autosaveNameEdit")->isEnabled());
      },
      true);
  EXPECT_EQ(env_.autosaveName, "kept.bmp");
  EXPECT_FALSE(env_.autosave);
}

TEST_F(LaunchSettingsDialogTest, NameIsTrimmedAndCutWithoutSplittingACharacter) {
  EXPECT_EQ(CleanAutosaveName(QStringLiteral(" \x01 a b \x7f ")), "a b");
  EXPECT_EQ(CleanAutosaveName(QString(300, QLatin1Char('x'))), std::string(255, 'x'));
  // Two Shift-JIS bytes per 花: 127 fit into 255 bytes, the 128th does not.
  const std::string cut = CleanAutosaveName(QString(200, QChar(0x82B1)));
  EXPECT_EQ(QString::fromStdString(cut).size(), 127);
}

TEST_F(LaunchSettingsDialogTest, BrowseFillsTheNameAndMovesBothStartingFolders) {
  save_.startFolder = QStringLiteral("/start");
  FileDialogService::setNextFileName(std::nullopt);
  FileDialogService::setNextFileName(QStringLiteral("/work/out/fire.bmp"));
  env_.autosave = true;
  Run(
      [](LaunchSettingsDialog& d) {
        testing::Child<QLineEdit>(d, "autosaveNameEdit")->setText(QStringLiteral("before"));
        testing::Child<QPushButton>(d, "browseButton")->click();  // cancelled: nothing changes
        EXPECT_EQ(testing::Child<QLineEdit>(d, "autosaveNameEdit")->text(),
                  QStringLiteral("before"));
        testing::Child<QPushButton>(d, "browseButton")->click();
        EXPECT_EQ(testing::Child<QLineEdit>(d, "autosaveNameEdit")->text(),
                  QStringLiteral("/work/out/fire.bmp"));
      },
      true);
  ASSERT_EQ(FileDialogService::requests().size(), 2u);
  const FileDialogRequest& request = FileDialogService::requests().front();
  EXPECT_TRUE(request.save);
  // Only a name prefix is picked: no question about replacing that file.
  EXPECT_FALSE(request.confirmOverwrite);
  EXPECT_EQ(request.startFolder, QStringLiteral("/start"));
  EXPECT_EQ(request.defaultExt, QStringLiteral("bmp"));
  EXPECT_EQ(open_.startFolder, QStringLiteral("/work/out"));
  EXPECT_EQ(save_.startFolder, QStringLiteral("/work/out"));
  EXPECT_EQ(env_.autosaveName, "/work/out/fire.bmp");
}

}  // namespace
}  // namespace kirabel

// The soundtrack and beats dialog (its changes one step of the history,
// Cancel none, beats detected into its fields) and a list whose soundtrack is
// missing when it is opened.
#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "model/pcl_file.h"
#include "picture_io/soundtrack.h"
#include "support/scratch_folder.h"
#include "ui/dialogs/soundtrack_dialog.h"
#include "ui/widgets/numeric_field.h"
#include "ui_support/main_window_fixture.h"
#include "ui_support/sound_files.h"

namespace kirabel {
namespace {

class ShowCommandsTest : public testing::MainWindowFixture {
 protected:
  // Plays the soundtrack dialog once: `play` acts on it, then `button` is pressed.
  void editSoundtrack(std::function<void(QDialog&)> play, const char* button = "okButton") {
    ModalRunner::setNextHandler([=](QDialog& dialog) {
      play(dialog);
      testing::Child<QPushButton>(dialog, button)->click();
    });
    testing::Child<QAction>(window_, "actionSoundtrack")->trigger();
  }
  QString undoText() const { return testing::Child<QAction>(window_, "actionUndo")->text(); }

  testing::ScratchFolder scratch_;
};

TEST_F(ShowCommandsTest, TheDialogChangesTheShowAsOneStepAndCancelChangesNothing) {
  const std::string tone = scratch_.File("tone.wav");
  ASSERT_TRUE(testing::MakeSound(tone, "sin(2*PI*440*t)", 0.2));
  Document& document = window_.document();
  editSoundtrack([&](QDialog& dialog) {
    EXPECT_FALSE(testing::Child<QPushButton>(dialog, "detectBeatsButton")->isEnabled());
    FileDialogService::setNextFileName(QString::fromStdString(tone));
    testing::Child<QPushButton>(dialog, "browseButton")->click();
    EXPECT_TRUE(testing::Child<QPushButton>(dialog, "detectBeatsButton")->isEnabled());
    testing::Child<NumericField>(dialog, "offsetEdit")->setValue(-1.5L);
    testing::Child<QLineEdit>(dialog, "rateEdit")->setText(QStringLiteral("nonsense"));
    EXPECT_FALSE(testing::Child<QPushButton>(dialog, "okButton")->isEnabled());
    testing::Child<QLineEdit>(dialog, "rateEdit")->setText(QStringLiteral("29.97"));
    testing::Child<NumericField>(dialog, "bpmEdit")->setValue(90);
    testing::Child<NumericField>(dialog, "beatOffsetEdit")->setValue(0.2L);
  });
  ShowSettings expected;
  expected.audio = tone;
  expected.audioOffset = -1.5L;
  expected.fps = {30000, 1001};
  expected.bpm = 90;
  expected.beatOffset = 0.2L;
  EXPECT_TRUE(document.showSettings() == expected);
  EXPECT_EQ(undoText(), QStringLiteral("元に戻す(&U) サウンドトラックと拍"));

  const int steps = document.history().count();
  editSoundtrack(
      [](QDialog& dialog) {
        testing::Child<NumericField>(dialog, "bpmEdit")->setValue(100);
        testing::Child<QPushButton>(dialog, "removeButton")->click();
      },
      "cancelButton");
  editSoundtrack([](QDialog&) {});  // OK without a change
  EXPECT_TRUE(document.showSettings() == expected);
  EXPECT_EQ(document.history().count(), steps);

  editSoundtrack([&](QDialog& dialog) {
    EXPECT_EQ(testing::Child<QLineEdit>(dialog, "soundtrackEdit")->text(),
              QString::fromStdString(expected.audio));
    testing::Child<QPushButton>(dialog, "removeButton")->click();
    EXPECT_FALSE(testing::Child<QPushButton>(dialog, "removeButton")->isEnabled());
  });
  EXPECT_EQ(document.showSettings().audio, "");
  EXPECT_EQ(document.showSettings().bpm, 90);
  document.history().undo();
  EXPECT_TRUE(document.showSettings() == expected);
  document.history().undo();
  EXPECT_TRUE(document.showSettings() == ShowSettings());
}

// The first beat is placed by the offset the dialog shows.
TEST_F(ShowCommandsTest, DetectedBeatsFillTheTempoAndTheFirstBeat) {
  const std::string clicks = scratch_.File("clicks.wav");
  ASSERT_TRUE(testing::MakeSound(clicks, testing::ClickExpression(120, 0.25), 12));
  ShowSettings show;
  show.audio = clicks;
  show.audioOffset = 1;
  window_.document().changeShowSettings(show, QString());
  editSoundtrack([](QDialog& dialog) {
    auto* detect = testing::Child<QPushButton>(dialog, "detectBeatsButton");
    detect->click();
    EXPECT_FALSE(detect->isEnabled());
    EXPECT_EQ(detect->text(), QStringLiteral("検出中..."));
    ASSERT_TRUE(QTest::qWaitFor([&] { return detect->isEnabled(); }, 30000));
    EXPECT_EQ(detect->text(), QStringLiteral("拍を検出"));
  });
  EXPECT_NEAR(static_cast<double>(window_.document().showSettings().bpm), 120, 0.1);
  EXPECT_NEAR(static_cast<double>(window_.document().showSettings().beatOffset), 1.25, 0.02);
  EXPECT_TRUE(MessageBox::shown().empty());
}

// Opened, dropped, recent or named at start: the list opens with its
// soundtrack's path, the user is told, and saving it keeps the file as it was.
TEST_F(ShowCommandsTest, AMissingSoundtrackIsToldAndKept) {
  const std::string list = scratch_.File("show.pcl");
  ShowSettings show;
  show.audio = scratch_.File("gone/song.ogg");
  show.bpm = 128;
  SaveListToFile(list, {ParticleSet()}, LaunchSettings(), show);
  const std::string bytes = testing::ReadBytes(list);
  const std::function<void(MainWindow&)> opens[] = {
      [&](MainWindow& w) { MainWindowTestAccess(w).openFile(list); },
      [&](MainWindow& w) { MainWindowTestAccess(w).dropFiles({QString::fromStdString(list)}); },
      [&](MainWindow& w) { MainWindowTestAccess(w).openRecentFile(QString::fromStdString(list)); },
      [&](MainWindow& w) { w.loadStartFile(list); },
  };
  for (const auto& open : opens) {
    window_.document().apply(ReplaceListCommand({}, std::nullopt, std::string(), ShowSettings()));
    window_.document().markSaved();
    MessageBox::clearRecord();
    open(window_);
    EXPECT_EQ(window_.document().sets().size(), 1u);
    EXPECT_EQ(window_.document().showSettings().audio, show.audio);
    ASSERT_EQ(MessageBox::shown().size(), 1u);
    EXPECT_TRUE(MessageBox::shown()[0].text.contains(QString::fromStdString(show.audio)));
  }
  window_.document().setFileName(list);
  access_.saveList();
  EXPECT_EQ(testing::ReadBytes(list), bytes);
}

}  // namespace
}  // namespace kirabel

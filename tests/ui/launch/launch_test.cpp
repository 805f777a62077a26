// A launch in the window: the empty-list warning, the settings dialog, the
// particle-count question, frames equal to the core launch's, busy controls
// while it runs, stopping with Escape, automatic saving, and closing or
// exiting in the middle.
#include "simulation/launch.h"

#include <sys/stat.h>

#include <QAction>
#include <QKeyEvent>
#include <QMetaObject>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "image/picture.h"
#include "simulation/canvas.h"
#include "simulation/random.h"
#include "simulation/space_buffer.h"
#include "ui/dialogs/launch_settings_dialog.h"
#include "ui/widgets/numeric_field.h"
#include "ui/widgets/particle_grid.h"
#include "ui_support/child_widget.h"
#include "ui_support/document_edits.h"
#include "ui_support/launch_scene.h"
#include "ui_support/started_app_fixture.h"

namespace kirabel::testing {
namespace {

class LaunchTest : public StartedAppFixture {
 protected:
  LaunchTest() {
    Start();
    mainWindow().applyResolution(kWidth, kHeight);
    mainWindow().document().apply(AppendSetCommand(Burst()));
    testing::ChangeLaunchSettings(mainWindow().document(), [](LaunchSettings& settings) {
      settings.startTime = 4;
      settings.frameInterval = 2;
      settings.frameCount = 3;
      settings.gravity = 0.25L;
    });
  }
  // Queues the answer of the launch settings dialog.
  void AnswerLaunchDialog(bool ok) {
    ModalRunner::setNextHandler([ok](QDialog& dialog) {
      (ok ? testing::Child<QPushButton>(dialog, "okButton")
          : testing::Child<QPushButton>(dialog, "cancelButton"))
          ->click();
    });
  }
  // Runs `action` once the window shows the launch's first progress step.
  void AtFirstStep(std::function<void()> action) {
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = QObject::connect(testing::Child<QProgressBar>(mainWindow(), "progressBar"),
                             &QProgressBar::valueChanged,
                             [once, action = std::move(action)](int value) {
                               if (value <= 0) return;
                               QObject::disconnect(*once);
                               action();
                             });
  }
  void ExpectIdle() {
    EXPECT_FALSE(access().launchSession().busy());
    EXPECT_FALSE(access().launchSession().launching());
    EXPECT_TRUE(testing::Child<QToolButton>(mainWindow(), "launchButton")->isEnabled());
    EXPECT_TRUE(testing::Child<QAction>(mainWindow(), "actionLaunch")->isEnabled());
    EXPECT_FALSE(testing::Child<QToolButton>(mainWindow(), "stopButton")->isEnabled());
    EXPECT_TRUE(testing::Child<QAction>(mainWindow(), "actionResolution")->isEnabled());
    EXPECT_EQ(testing::Child<QProgressBar>(mainWindow(), "progressBar")->value(), 0);
    EXPECT_EQ(viewer().windowTitle(), QStringLiteral("空間ビューワ"));
  }
};

TEST_F(LaunchTest, EmptyListWarnsAndCancelledDialogDoesNothing) {
  mainWindow().document().apply(ReplaceListCommand({}, std::nullopt, ""));
  const int shownBefore = ModalRunner::execCount();
  testing::Child<QToolButton>(mainWindow(), "launchButton")->click();
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].text, QStringLiteral("パーティクルがありません"));
  EXPECT_EQ(ModalRunner::execCount(), shownBefore);

  mainWindow().document().apply(AppendSetCommand(Burst()));
  const std::vector<uint8_t> black = Pixels(viewer().picture());
  const uint32_t seed = access().launchSession().random().State();
  AnswerLaunchDialog(false);
  testing::Child<QAction>(mainWindow(), "actionLaunch")->trigger();
  EXPECT_EQ(ModalRunner::execCount(), shownBefore + 1);
  EXPECT_EQ(Pixels(viewer().picture()), black);
  EXPECT_EQ(access().launchSession().random().State(), seed);
  ExpectIdle();
}

TEST_F(LaunchTest, ChangedLaunchSettingsAreOneStepOfTheHistory) {
  Document& document = mainWindow().document();
  testing::ChangeLaunchSettings(document, [](LaunchSettings& settings) {
    settings.gravity = 0.123456789012345678L;  // more digits than the dialog shows
    settings.autosaveName = "/tmp/花火";
  });
  document.markSaved();
  const LaunchSettings before = document.launchSettings();
  for (bool ok : {false, true}) {  // a dialog closed unchanged is no step
    AnswerLaunchDialog(ok);
    LaunchAndWait();
    EXPECT_FALSE(document.modified());
  }
  ModalRunner::setNextHandler([](QDialog& dialog) {
    testing::Child<NumericField>(dialog, "frameCountEdit")->setValue(7);
    testing::Child<QPushButton>(dialog, "cancelButton")->click();
  });
  LaunchAndWait();
  EXPECT_EQ(document.launchSettings().frameCount, 7);
  EXPECT_TRUE(document.modified());
  EXPECT_TRUE(mainWindow().windowTitle().contains('*'));
  EXPECT_EQ(testing::Child<QAction>(mainWindow(), "actionUndo")->text(),
            QStringLiteral("元に戻す(&U) 打ち上げ設定"));
  testing::Child<QAction>(mainWindow(), "actionUndo")->trigger();
  EXPECT_TRUE(document.launchSettings() == before);
  EXPECT_FALSE(document.modified());
  testing::Child<QAction>(mainWindow(), "actionRedo")->trigger();
  EXPECT_EQ(document.launchSettings().frameCount, 7);
}

// The launch fitted to the soundtrack: as many frames as its video needs
// until the sound's end, one undoable step; none without a soundtrack.
TEST_F(LaunchTest, FitToTheSoundtrackSetsTheFrameCount) {
  Document& document = mainWindow().document();
  QAction* fit = testing::Child<QAction>(mainWindow(), "actionFitToSoundtrack");
  fit->trigger();
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].text, QStringLiteral("サウンドトラックがありません"));

  const std::string sound = scratch_.File("tone.wav");
  ASSERT_EQ(
      QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-f", "lavfi", "-i", "sine=d=2.5",
                                                   QString::fromStdString(sound)}),
      0);
  ShowSettings show;
  show.fps = {10, 1};
  show.audio = sound;
  show.audioOffset = 0.5L;
  document.apply(ReplaceListCommand(document.sets(), std::nullopt, "", show));
  fit->trigger();  // acts once the soundtrack's length is measured
  EXPECT_EQ(mainWindow().cursor().shape(), Qt::WaitCursor);
  ASSERT_TRUE(QTest::qWaitFor([&] { return document.launchSettings().frameCount == 30; }, 30000))
      << "(0.5 + 2.5) s at 10 frames/s";
  EXPECT_NE(mainWindow().cursor().shape(), Qt::WaitCursor);
  EXPECT_EQ(mainWindow().findChild<QAction*>(QStringLiteral("actionUndo"))->text(),
            QStringLiteral("元に戻す(&U) サウンドトラックに合わせる"));

  show.audio = scratch_.File("missing.wav");
  document.apply(ReplaceListCommand(document.sets(), std::nullopt, "", show));
  MessageBox::clearRecord();
  fit->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !MessageBox::shown().empty(); }, 30000));
  EXPECT_EQ(document.launchSettings().frameCount, 30);
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_TRUE(MessageBox::shown()[0].text.contains(QString::fromStdString(show.audio)));
}

TEST_F(LaunchTest, DrawsTheSameFramesAsTheCoreLaunch) {
  const RandomGenerator before = access().launchSession().random();
  AnswerLaunchDialog(true);
  LaunchAndWait();
  ExpectIdle();
  const std::vector<uint8_t> shown = Pixels(viewer().picture());

  RandomGenerator random = before;
  const auto built = Launch::Build(mainWindow().document().sets(),
                                   mainWindow().document().launchSettings(), random, INT64_MAX, {});
  testing::Canvas canvas(kWidth, kHeight);
  for (int64_t frame = 1; frame <= built.launch->FrameCount(); ++frame) {
    ASSERT_TRUE(built.launch->DrawFrame(frame, canvas.space, canvas.picture, {}));
  }
  EXPECT_EQ(shown, Pixels(canvas.picture));
  EXPECT_EQ(random.State(), access().launchSession().random().State());
  EXPECT_NE(shown, std::vector<uint8_t>(shown.size(), 0));
}

TEST_F(LaunchTest, ALaunchDrawsInTheBackgroundAndTellsItsEnd) {
  AnswerLaunchDialog(true);
  QSignalSpy finished(&mainWindow(), &MainWindow::launchFinished);
  access().launch();
  EXPECT_TRUE(access().launchSession().launching());  // back before any frame
  EXPECT_EQ(finished.count(), 0);
  // Waited for without an event loop of its own: Exit in another test ends every such loop.
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() > 0; }, 30000));
  QCoreApplication::processEvents();
  EXPECT_EQ(finished.count(), 1);
  ExpectIdle();
}

TEST_F(LaunchTest, WindowIsBusyWhileFramesAreDrawn) {
  AnswerLaunchDialog(true);
  bool checked = false;
  AtFirstStep([&] {
    checked = true;
    EXPECT_TRUE(access().launchSession().busy());
    EXPECT_FALSE(testing::Child<QToolButton>(mainWindow(), "launchButton")->isEnabled());
    EXPECT_FALSE(testing::Child<QAction>(mainWindow(), "actionLaunch")->isEnabled());
    EXPECT_TRUE(testing::Child<QToolButton>(mainWindow(), "stopButton")->isEnabled());
    EXPECT_FALSE(testing::Child<QAction>(mainWindow(), "actionResolution")->isEnabled());
    EXPECT_EQ(viewer().windowTitle(), QStringLiteral("作画中です...1/3"));
    EXPECT_GT(testing::Child<QProgressBar>(mainWindow(), "progressBar")->value(), 0);
    // Replacing the buffer now would pull it from under the renderer.
    mainWindow().applyResolution(10, 10);
    EXPECT_EQ(access().launchSession().space()->Width(), kWidth);
    access().launch();  // a second launch cannot start
  });
  LaunchAndWait();
  EXPECT_TRUE(checked);
  EXPECT_GE(MessageBox::beepCount(), 2);
  ExpectIdle();
}

TEST_F(LaunchTest, EscapeInTheGridStopsTheLaunch) {
  AnswerLaunchDialog(true);
  const std::vector<uint8_t> black = Pixels(viewer().picture());
  QCoreApplication::postEvent(testing::Child<ParticleGrid>(mainWindow(), "grid"),
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  LaunchAndWait();
  ExpectIdle();
  EXPECT_EQ(Pixels(viewer().picture()), black);  // stopped in frame 1: nothing shown
}

TEST_F(LaunchTest, ParticleCountQuestionCanDeclineTheLaunch) {
  testing::ChangeOptions(mainWindow().document(), [&](Options& o) {
    o.warningThreshold = 40;
  });  // exactly the set's count: asks
  MessageBox::setNextAnswer(MsgAnswer::No);
  AnswerLaunchDialog(true);
  const uint32_t seed = access().launchSession().random().State();
  LaunchAndWait();
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].text,
            QStringLiteral("40個の粒子が作られます。計算を続けていいですか？"));
  EXPECT_EQ(MessageBox::beepCount(), 1);
  EXPECT_EQ(access().launchSession().random().State(), seed);
  ExpectIdle();

  testing::ChangeOptions(mainWindow().document(), [&](Options& o) { o.warningThreshold = 41; });
  AnswerLaunchDialog(true);
  LaunchAndWait();
  EXPECT_EQ(MessageBox::shown().size(), 1u);  // below the threshold: no question
}

TEST_F(LaunchTest, ALaunchThatCannotFitIsRefusedWithItsCount) {
  ParticleSet huge = Burst();
  huge.count = 2000000000;
  mainWindow().document().apply(ReplaceListCommand({huge}, std::nullopt, ""));
  const uint32_t seed = access().launchSession().random().State();
  AnswerLaunchDialog(true);
  LaunchAndWait();
  ASSERT_EQ(MessageBox::shown().size(), 1u);  // refused before the count is asked
  EXPECT_EQ(MessageBox::shown()[0].text,
            QStringLiteral("2000000000個の粒子はメモリに収まりません。粒子の数を減らしてください"));
  EXPECT_EQ(access().launchSession().random().State(), seed);
  ExpectIdle();
}

TEST_F(LaunchTest, AutosaveWritesNumberedFramesOrWarns) {
  const auto autosaveTo = [this](const std::string& name) {
    testing::ChangeLaunchSettings(mainWindow().document(), [&](LaunchSettings& settings) {
      settings.autosave = true;
      settings.frameCount = 2;
      settings.autosaveName = name;
    });
  };
  autosaveTo(scratch_.File("fire.bmp"));
  AnswerLaunchDialog(true);
  LaunchAndWait();
  EXPECT_TRUE(std::filesystem::exists(scratch_.File("fire00001.BMP")));
  EXPECT_TRUE(std::filesystem::exists(scratch_.File("fire00002.BMP")));
  EXPECT_TRUE(MessageBox::shown().empty());

  // A missing folder, and a read-only first frame that stays as it was.
  const std::string readOnly = scratch_.File("fire00001.BMP");
  testing::WriteBytes(readOnly, "kept");
  chmod(readOnly.c_str(), 0444);
  // The warning's second line gives the reason.
  const struct {
    std::string name;
    QString reason;
  } failures[] = {
      {scratch_.File("missing/fire.bmp"),
       QStringLiteral("ﾌｧｲﾙが見つかりません (%1)")
           .arg(QString::fromStdString(scratch_.File("missing/fire00001.BMP")))},
      {scratch_.File("fire.bmp"),
       QString::fromStdString(readOnly) + QStringLiteral(" に書き込めません")},
  };
  for (const auto& failure : failures) {
    autosaveTo(failure.name);
    AnswerLaunchDialog(true);
    LaunchAndWait();
    ASSERT_EQ(MessageBox::shown().size(), 1u);
    EXPECT_EQ(MessageBox::shown()[0].title, QStringLiteral("警告"));
    EXPECT_EQ(
        MessageBox::shown()[0].text,
        QStringLiteral("ディスクの空き容量が足りないか、指定されたファイルに書き込めません\n") +
            failure.reason);
    MessageBox::clearRecord();
    ExpectIdle();
  }
  EXPECT_EQ(testing::ReadBytes(readOnly), "kept");
}

TEST_F(LaunchTest, ClosingDuringALaunchStopsItThenCloses) {
  mainWindow().show();
  AnswerLaunchDialog(true);
  AtFirstStep([&] { EXPECT_FALSE(mainWindow().close()); });
  LaunchAndWait();
  ExpectIdle();
  QCoreApplication::processEvents();  // the close, repeated once the launch has ended
  EXPECT_FALSE(mainWindow().isVisible());
  EXPECT_TRUE(access().isClosing());
  EXPECT_TRUE(std::filesystem::exists(settingsPath()));
}

TEST_F(LaunchTest, ExitDuringALaunchStopsItWithoutWritingSettings) {
  AnswerLaunchDialog(true);
  AtFirstStep([&] { testing::Child<QAction>(mainWindow(), "actionExit")->trigger(); });
  LaunchAndWait();
  ExpectIdle();
  QCoreApplication::processEvents();
  EXPECT_FALSE(access().isClosing());
  EXPECT_FALSE(std::filesystem::exists(settingsPath()));
}

}  // namespace
}  // namespace kirabel::testing

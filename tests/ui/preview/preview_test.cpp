// The live preview: the picture the next launch would draw at the bar's time,
// following every change, never moving the window's generator; its bar,
// playback (with a soundtrack: on the sound's clock), keys and the
// particle-count question.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "model/launch_limits.h"
#include "model/settings_file.h"
#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/preview/sound_output.h"
#include "ui/widgets/numeric_field.h"
#include "ui_support/child_widget.h"
#include "ui_support/document_edits.h"
#include "ui_support/launch_scene.h"
#include "ui_support/started_app_fixture.h"

namespace kirabel::testing {
namespace {

class PreviewTest : public StartedAppFixture {
 protected:
  // A returning user's start: the preview is off until asked for.
  PreviewTest() {
    SaveSettingsFile(settingsPath(), Settings());
    Start();
    mainWindow().applyResolution(kWidth, kHeight);
    mainWindow().document().apply(AppendSetCommand(Burst()));
    ChangeLaunchSettings(mainWindow().document(), [](LaunchSettings& settings) {
      settings.startTime = 4;
      settings.frameInterval = 2.5L;
      settings.frameCount = 5;
    });
  }
  PreviewBar& bar() { return mainWindow().preview()->bar(); }
  // Frame `frame` of the next launch, drawn apart from the window.
  std::vector<uint8_t> NextLaunchFrame(int64_t frame) {
    const Document& document = mainWindow().document();
    RandomGenerator random = access().launchSession().random();
    const auto built = Launch::Build(document.sets(), WithinLaunchLimits(document.launchSettings()),
                                     random, INT64_MAX, {});
    Canvas canvas(viewer().picture().Width(), viewer().picture().Height());
    const Options& options = document.options();
    built.launch->DrawFrame(frame, canvas.space, canvas.picture,
                            {options.antiAliasing, options.wrapSpace});
    return Pixels(canvas.picture);
  }
  bool Shows(const std::vector<uint8_t>& expected) {
    return QTest::qWaitFor([&] { return Pixels(viewer().picture()) == expected; }, 10000);
  }
  // Playback of `frames` frames with a soundtrack, on a system clock the test sets.
  void PlayWithSoundtrack(const ShowSettings& show, int64_t frames) {
    mainWindow().preview()->soundPlayback().setSystemClock([this] { return now_; });
    ChangeLaunchSettings(mainWindow().document(),
                         [frames](LaunchSettings& settings) { settings.frameCount = frames; });
    mainWindow().document().changeShowSettings(show, QStringLiteral("show"));
    ChangeOptions(mainWindow().document(), [](Options& o) { o.preview = true; });
    bar().setPlaying(true);
  }
  // The system clock moved on to `seconds`: the frame shown comes to `frame`.
  bool Reaches(double seconds, int64_t frame) {
    now_ = seconds;
    return QTest::qWaitFor([&] { return bar().frame() == frame; }, 10000);
  }

  double now_ = 0;
};

// A sound heard wherever the test says, from where it was last started.
struct FakeSound {
  std::vector<double> starts;
  int stops = 0;
  std::optional<double> heard;
};

class FakeSoundOutput : public SoundOutput {
 public:
  explicit FakeSoundOutput(std::shared_ptr<FakeSound> sound) : sound_(std::move(sound)) {}
  bool open(const QString&) override { return true; }
  void play(double seconds) override {
    sound_->starts.push_back(seconds);
    sound_->heard = seconds;
  }
  void stop() override {
    ++sound_->stops;
    sound_->heard.reset();
  }
  std::optional<double> position() const override { return sound_->heard; }

 private:
  std::shared_ptr<FakeSound> sound_;
};

TEST_F(PreviewTest, ShowsTheNextLaunchsFrameAndFollowsEveryChange) {
  EXPECT_FALSE(bar().isVisible());  // off until asked for
  const uint32_t seed = access().launchSession().random().State();
  testing::Child<QAction>(mainWindow(), "actionPreview")->trigger();
  EXPECT_TRUE(mainWindow().document().options().preview);
  EXPECT_TRUE(bar().isVisibleTo(&viewer()));
  bar().setFrame(3);
  EXPECT_EQ(Child<QLabel>(bar(), "previewFrameLabel")->text(), QStringLiteral("3/5"));
  ASSERT_TRUE(Shows(NextLaunchFrame(3)));

  // A change of the list, the settings or the options shows without a click.
  ParticleSet changed = mainWindow().document().sets()[0];
  changed.red = 20;
  mainWindow().document().apply(ReplaceSetCommand(0, changed));
  EXPECT_TRUE(Shows(NextLaunchFrame(3)));
  ChangeLaunchSettings(mainWindow().document(),
                       [](LaunchSettings& settings) { settings.gravity = 0.3L; });
  EXPECT_TRUE(Shows(NextLaunchFrame(3)));
  testing::Child<QAction>(mainWindow(), "actionAntiAliasing")->trigger();
  EXPECT_TRUE(Shows(NextLaunchFrame(3)));
  mainWindow().applyResolution(kWidth + 8, kHeight);  // cleared, then drawn at the new size
  EXPECT_TRUE(Shows(NextLaunchFrame(3)));
  EXPECT_EQ(access().launchSession().random().State(), seed);  // previewing draws from a copy

  // Keys on the viewer, then a launch draws what the preview showed.
  viewer().activateWindow();
  viewer().setFocus();
  QTest::keyClick(&viewer(), Qt::Key_Right);
  EXPECT_EQ(bar().frame(), 4);
  QTest::keyClick(&viewer(), Qt::Key_Home);
  EXPECT_EQ(bar().frame(), 1);
  EXPECT_TRUE(Shows(NextLaunchFrame(1)));
  ModalRunner::setNextHandler([](QDialog& dialog) { dialog.accept(); });
  ChangeLaunchSettings(mainWindow().document(),
                       [](LaunchSettings& settings) { settings.frameCount = 1; });
  const std::vector<uint8_t> first = NextLaunchFrame(1);
  LaunchAndWait();
  EXPECT_EQ(Pixels(viewer().picture()), first);
}

// The window system activates the viewer: the picture has the focus and the
// viewer's keys work at once, F5 included. The time field takes the focus
// only when clicked; Escape or Enter there, or leaving the window, give it
// back to the picture.
TEST_F(PreviewTest, TheViewersKeysWorkAsSoonAsTheViewerIsActivated) {
  MainWindow& main = mainWindow();
  main.show();
  const auto activate = [](QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  };
  const auto press = [&](Qt::Key key) { QTest::keyClick(viewer().windowHandle(), key); };
  ASSERT_TRUE(activate(main));
  QTest::keyClick(main.windowHandle(), Qt::Key_F5);
  ASSERT_TRUE(main.document().options().preview);
  ASSERT_TRUE(activate(viewer()));
  EXPECT_EQ(QApplication::focusWidget(), viewer().pictureView);
  press(Qt::Key_Right);
  press(Qt::Key_Right);
  EXPECT_EQ(bar().frame(), 3);
  press(Qt::Key_Home);
  EXPECT_EQ(bar().frame(), 1);
  press(Qt::Key_Space);
  EXPECT_TRUE(bar().playing());
  press(Qt::Key_Space);
  EXPECT_FALSE(bar().playing());
  press(Qt::Key_F5);
  EXPECT_FALSE(main.document().options().preview);
  press(Qt::Key_Right);  // a frame key turns the preview on again
  EXPECT_TRUE(main.document().options().preview);
  EXPECT_EQ(bar().frame(), 2);
  press(Qt::Key_F5);
  press(Qt::Key_F5);
  EXPECT_TRUE(main.document().options().preview);
  press(Qt::Key_Home);

  auto* edit = Child<NumericField>(bar(), "previewTimeEdit");
  for (const Qt::Key leave : {Qt::Key_Escape, Qt::Key_Return}) {
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), edit);
    press(Qt::Key_Right);  // the field's own key
    EXPECT_EQ(bar().frame(), 1);
    press(leave);
    EXPECT_TRUE(QTest::qWaitFor([&] { return viewer().pictureView->hasFocus(); }, 1000)) << leave;
  }
  QTest::mouseClick(edit, Qt::LeftButton);
  ASSERT_TRUE(activate(main));
  ASSERT_TRUE(activate(viewer()));
  EXPECT_EQ(QApplication::focusWidget(), viewer().pictureView);
}

TEST_F(PreviewTest, ACountFromTheThresholdOnWaitsForTheBuildButton) {
  ChangeOptions(mainWindow().document(), [](Options& o) {
    o.warningThreshold = 40;  // exactly the burst's count
    o.preview = true;
  });
  auto* build = Child<QPushButton>(bar(), "previewBuildButton");
  ASSERT_TRUE(QTest::qWaitFor([&] { return build->isVisibleTo(&bar()); }, 10000));
  EXPECT_EQ(Child<QLabel>(bar(), "previewMessage")->text(),
            QStringLiteral("40個の粒子が作られます"));
  EXPECT_EQ(Pixels(viewer().picture()), std::vector<uint8_t>(3 * kWidth * kHeight, 0));
  build->click();
  EXPECT_TRUE(Shows(NextLaunchFrame(1)));
  EXPECT_FALSE(build->isVisibleTo(&bar()));
}

TEST_F(PreviewTest, PlaybackStepsThroughTheFramesAndStopsForALaunch) {
  ChangeOptions(mainWindow().document(), [](Options& o) { o.preview = true; });
  bar().setPlaying(true);
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar().frame() >= 3; }, 10000));
  ChangeLaunchSettings(mainWindow().document(),
                       [](LaunchSettings& settings) { settings.frameCount = 1; });
  const std::vector<uint8_t> launched = NextLaunchFrame(1);
  bar().setFrame(3);  // a picture on its way while the launch starts
  ModalRunner::setNextHandler([](QDialog& dialog) { dialog.accept(); });
  LaunchAndWait();
  EXPECT_FALSE(bar().playing());
  QTest::qWait(300);  // nothing drawn for the preview replaces the launch's frame
  EXPECT_EQ(Pixels(viewer().picture()), launched);
}

// The soundtrack starts at its offset's video time and jumps with the
// playhead; the pictures follow where the sound is, start over with it past
// the last frame and stop with it. The list's rate rules the rate box.
TEST_F(PreviewTest, PlaybackWithASoundtrackFollowsTheSound) {
  auto sound = std::make_shared<FakeSound>();
  mainWindow().preview()->soundPlayback().setOutput(std::make_unique<FakeSoundOutput>(sound));
  auto* rate = Child<QSpinBox>(bar(), "previewRate");
  rate->setValue(12);
  ShowSettings show;
  show.fps = {10, 1};
  show.audio = scratch_.File("song.wav");
  show.audioOffset = 0.25L;
  PlayWithSoundtrack(show, 40);
  EXPECT_FALSE(rate->isEnabled());
  EXPECT_EQ(rate->value(), 10);

  EXPECT_TRUE(Reaches(0.1, 2));
  EXPECT_TRUE(sound->starts.empty());  // silence before the first sample
  EXPECT_TRUE(Reaches(0.3, 4));
  ASSERT_EQ(sound->starts.size(), 1u);
  EXPECT_NEAR(sound->starts[0], 0.05, 1e-9);
  sound->heard = 1.0;  // the sound runs ahead of the system clock: 1.25 s of video
  EXPECT_TRUE(Reaches(0.31, 13));

  bar().setFrame(20);  // moved by hand: the sound jumps to 1.9 s of video
  ASSERT_EQ(sound->starts.size(), 2u);
  EXPECT_NEAR(sound->starts[1], 1.65, 1e-9);
  sound->heard = 1.75;
  EXPECT_TRUE(Reaches(0.41, 21));
  const int stops = sound->stops;
  EXPECT_TRUE(Reaches(2.46, 1));  // past frame 40 at 4.05 s: from the top, silent again
  EXPECT_EQ(sound->stops, stops + 1);
  EXPECT_EQ(sound->starts.size(), 2u);
  EXPECT_TRUE(Reaches(2.7, 3));
  ASSERT_EQ(sound->starts.size(), 3u);
  EXPECT_NEAR(sound->starts[2], 0.04, 1e-9);
  show.bpm = 120;  // a beat grid alone leaves the sound as it plays
  mainWindow().document().changeShowSettings(show, QStringLiteral("show"));
  EXPECT_EQ(sound->stops, stops + 1);
  show.audioOffset = 0;  // the soundtrack moved: it plays on from the playhead
  mainWindow().document().changeShowSettings(show, QStringLiteral("show"));
  ASSERT_EQ(sound->starts.size(), 4u);
  EXPECT_NEAR(sound->starts[3], 0.2, 1e-9);

  bar().setPlaying(false);
  EXPECT_FALSE(sound->heard);
  show.audio.clear();
  mainWindow().document().changeShowSettings(show, QStringLiteral("show"));
  EXPECT_TRUE(rate->isEnabled());
  EXPECT_EQ(rate->value(), 12);
}

// With the real output and no audio device (as in CI), a list with a
// soundtrack plays silently on the system clock.
TEST_F(PreviewTest, WithoutAnAudioDeviceASoundtrackPlaysOnTheSystemClock) {
  const std::string tone = scratch_.File("tone.wav");
  ASSERT_EQ(QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-f", "lavfi", "-i",
                                                         "sine=d=1", QString::fromStdString(tone)}),
            0);
  ShowSettings show;
  show.audio = tone;
  PlayWithSoundtrack(show, 40);
  if (mainWindow().preview()->soundPlayback().audible()) GTEST_SKIP() << "an audio device is here";
  EXPECT_TRUE(Reaches(0.5, 16));
  EXPECT_TRUE(Reaches(1.0, 31));
  EXPECT_TRUE(Reaches(1.34, 1));  // 40 frames last 4/3 s
  bar().setPlaying(false);
}

TEST(PreviewBarTest, ATypedTimeTakesEffectOnEnter) {
  PreviewBar bar;
  bar.setFrames(4, 2.5L, 5);
  bar.show();
  auto* edit = Child<NumericField>(bar, "previewTimeEdit");
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("9"));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(bar.time(), 9.0L);
  EXPECT_EQ(bar.frame(), 3);
}

TEST(PreviewBarTest, TimesFallOnFramesOrBetween) {
  PreviewBar bar;
  bar.setFrames(0.1L, 0.1L, 4);
  bar.setFrame(3);
  EXPECT_EQ(bar.time(), (0.1L + 0.1L) + 0.1L);  // summed frame by frame
  EXPECT_EQ(bar.frame(), 3);
  bar.setTime(0.25L);
  EXPECT_EQ(bar.frame(), 0);
  bar.stepFrame(+1);  // from between frames to the first
  EXPECT_EQ(bar.frame(), 1);
  bar.stepFrame(-1);  // wraps to the last
  EXPECT_EQ(bar.frame(), 4);
  bar.stepFrame(+1);
  EXPECT_EQ(bar.frame(), 1);
}

}  // namespace
}  // namespace kirabel::testing

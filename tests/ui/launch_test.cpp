// A launch in the window: the empty-list warning, the settings dialog, the
// particle-count question, frames equal to the core launch's, busy controls
// while it runs, stopping with Escape, automatic saving, and closing or
// exiting in the middle.
#include "simulation/launch.h"

#include <sys/stat.h>

#include <QAction>
#include <QKeyEvent>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <filesystem>

#include "image/dibs.h"
#include "simulation/canvas.h"
#include "simulation/random.h"
#include "simulation/space.h"
#include "ui/launch_settings_dialog.h"
#include "ui/particle_grid.h"
#include "ui/started_app_fixture.h"

namespace kirabel::testing {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

TParticle Burst() {
  TParticle p;
  p.name = "burst";
  p.colR = 255;
  p.colG = 200;
  p.colB = 40;
  p.b = 8;
  p.eb = 3;
  p.N = 40;
  p.P0x = 32;
  p.P0y = 24;
  p.db = 3.14159L;
  p.et = 1;
  p.lt = 20;
  p.elt = 2;
  p.tv = 3;
  p.ns = 6;
  p.visible = true;
  p.child = -1;
  return p;
}

// The picture bytes of each row, without the padding.
std::vector<uint8_t> Pixels(const TDIBitmap& bitmap) {
  std::vector<uint8_t> pixels;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* row = bitmap.Bits() + y * bitmap.RowBytes();
    pixels.insert(pixels.end(), row, row + 3 * bitmap.Width());
  }
  return pixels;
}

class LaunchTest : public StartedAppFixture {
 protected:
  LaunchTest() {
    Start();
    Form1().ApplyResolution(kWidth, kHeight);
    Form1().List.push_back(Burst());
    Form1().SetRowCount(3);
    TEnvironment& env = Form1().Environment();
    env.ST = 4;
    env.IT = 2;
    env.NF = 3;
    env.G = 0.25L;
  }
  // Queues the answer of the launch settings dialog.
  void AnswerLaunchDialog(bool ok) {
    ModalRunner::setNextHandler([this, ok](QDialog&) {
      TForm5& dialog = *Form1().Form5;
      (ok ? dialog.BitBtn1 : dialog.BitBtn2)->click();
    });
  }
  // Runs `action` at the launch's first progress step.
  void AtFirstStep(std::function<void()> action) {
    QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
  }
  void ExpectIdle() {
    EXPECT_FALSE(Form1().Busy);
    EXPECT_FALSE(Form1().Launching);
    EXPECT_TRUE(Form1().SpeedButton4->isEnabled());
    EXPECT_TRUE(Form1().KL1->isEnabled());
    EXPECT_FALSE(Form1().SpeedButton5->isEnabled());
    EXPECT_TRUE(Form1().K6->isEnabled());
    EXPECT_EQ(Form1().ProgressBar1->value(), 0);
    EXPECT_EQ(Form2().windowTitle(), QStringLiteral("空間ビューワ"));
  }
};

TEST_F(LaunchTest, EmptyListWarnsAndCancelledDialogDoesNothing) {
  Form1().List.clear();
  const int shownBefore = ModalRunner::execCount();
  Form1().SpeedButton4->click();
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].text, QStringLiteral("パーティクルがありません"));
  EXPECT_EQ(ModalRunner::execCount(), shownBefore);

  Form1().List.push_back(Burst());
  const std::vector<uint8_t> black = Pixels(Form2().Bitmap());
  const uint32_t seed = Form1().Random.State();
  AnswerLaunchDialog(false);
  Form1().KL1->trigger();
  EXPECT_EQ(ModalRunner::execCount(), shownBefore + 1);
  EXPECT_EQ(Pixels(Form2().Bitmap()), black);
  EXPECT_EQ(Form1().Random.State(), seed);
  ExpectIdle();
}

TEST_F(LaunchTest, DrawsTheSameFramesAsTheCoreLaunch) {
  const RandomGenerator before = Form1().Random;
  AnswerLaunchDialog(true);
  Form1().BitBtn2Click();
  ExpectIdle();
  const std::vector<uint8_t> shown = Pixels(Form2().Bitmap());

  RandomGenerator random = before;
  const auto built = Launch::Build(Form1().List, Form1().Environment(), random, INT64_MAX, {});
  testing::Canvas canvas(kWidth, kHeight);
  for (int64_t frame = 1; frame <= built.launch->FrameCount(); ++frame) {
    ASSERT_TRUE(built.launch->DrawFrame(frame, canvas.space, canvas.picture, {}));
  }
  EXPECT_EQ(shown, Pixels(canvas.picture));
  EXPECT_EQ(random.State(), Form1().Random.State());
  EXPECT_NE(shown, std::vector<uint8_t>(shown.size(), 0));
}

TEST_F(LaunchTest, WindowIsBusyWhileFramesAreDrawn) {
  AnswerLaunchDialog(true);
  bool checked = false;
  AtFirstStep([&] {
    checked = true;
    EXPECT_TRUE(Form1().Busy);
    EXPECT_FALSE(Form1().SpeedButton4->isEnabled());
    EXPECT_FALSE(Form1().KL1->isEnabled());
    EXPECT_TRUE(Form1().SpeedButton5->isEnabled());
    EXPECT_FALSE(Form1().K6->isEnabled());
    EXPECT_EQ(Form2().windowTitle(), QStringLiteral("作画中です...1/3"));
    EXPECT_GT(Form1().ProgressBar1->value(), 0);
    // Replacing the buffer now would pull it from under the renderer.
    Form1().ApplyResolution(10, 10);
    EXPECT_EQ(Form1().Space->Width(), kWidth);
    Form1().BitBtn2Click();  // a second launch cannot start
  });
  Form1().BitBtn2Click();
  EXPECT_TRUE(checked);
  EXPECT_GE(MessageBox::BeepCount(), 2);
  ExpectIdle();
}

TEST_F(LaunchTest, EscapeInTheGridStopsTheLaunch) {
  AnswerLaunchDialog(true);
  const std::vector<uint8_t> black = Pixels(Form2().Bitmap());
  QCoreApplication::postEvent(Form1().DrawGrid1,
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  Form1().BitBtn2Click();
  ExpectIdle();
  EXPECT_EQ(Pixels(Form2().Bitmap()), black);  // stopped in frame 1: nothing shown
}

TEST_F(LaunchTest, ParticleCountQuestionCanDeclineTheLaunch) {
  Form1().TooMany = 40;  // exactly the set's count: asks
  MessageBox::setNextAnswer(MsgAnswer::No);
  AnswerLaunchDialog(true);
  const uint32_t seed = Form1().Random.State();
  Form1().BitBtn2Click();
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].text,
            QStringLiteral("40個の粒子が作られます。計算を続けていいですか？"));
  EXPECT_EQ(MessageBox::BeepCount(), 1);
  EXPECT_EQ(Form1().Random.State(), seed);
  ExpectIdle();

  Form1().TooMany = 41;
  AnswerLaunchDialog(true);
  Form1().BitBtn2Click();
  EXPECT_EQ(MessageBox::Shown().size(), 1u);  // below the threshold: no question
}

TEST_F(LaunchTest, AutosaveWritesNumberedFramesOrWarns) {
  TEnvironment& env = Form1().Environment();
  env.AUTOSAVE = true;
  env.NF = 2;
  env.NAME = scratch_.File("fire.bmp");
  AnswerLaunchDialog(true);
  Form1().BitBtn2Click();
  EXPECT_TRUE(std::filesystem::exists(scratch_.File("fire00001.BMP")));
  EXPECT_TRUE(std::filesystem::exists(scratch_.File("fire00002.BMP")));
  EXPECT_TRUE(MessageBox::Shown().empty());

  // A missing folder, and a read-only first frame that stays as it was.
  const std::string readOnly = scratch_.File("fire00001.BMP");
  testing::WriteBytes(readOnly, "kept");
  chmod(readOnly.c_str(), 0444);
  for (const std::string name : {scratch_.File("missing/fire.bmp"), scratch_.File("fire.bmp")}) {
    env.NAME = name;
    AnswerLaunchDialog(true);
    Form1().BitBtn2Click();
    ASSERT_EQ(MessageBox::Shown().size(), 1u);
    EXPECT_EQ(MessageBox::Shown()[0].title, QStringLiteral("警告"));
    EXPECT_EQ(MessageBox::Shown()[0].text,
              QStringLiteral("ディスクの空き容量が足りないか、指定されたファイルに書き込めません"));
    MessageBox::ClearRecord();
    ExpectIdle();
  }
  EXPECT_EQ(testing::ReadBytes(readOnly), "kept");
}

TEST_F(LaunchTest, ClosingDuringALaunchStopsItThenCloses) {
  Form1().show();
  AnswerLaunchDialog(true);
  AtFirstStep([&] { EXPECT_FALSE(Form1().close()); });
  Form1().BitBtn2Click();
  ExpectIdle();
  QCoreApplication::processEvents();  // the close, repeated once the launch has ended
  EXPECT_FALSE(Form1().isVisible());
  EXPECT_TRUE(Form1().Closing);
  EXPECT_TRUE(std::filesystem::exists(SettingsPath()));
}

TEST_F(LaunchTest, ExitDuringALaunchStopsItWithoutWritingSettings) {
  AnswerLaunchDialog(true);
  AtFirstStep([&] { Form1().Exit1->trigger(); });
  Form1().BitBtn2Click();
  ExpectIdle();
  QCoreApplication::processEvents();
  EXPECT_FALSE(Form1().Closing);
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

}  // namespace
}  // namespace kirabel::testing

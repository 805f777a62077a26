// A shell dropped onto the viewer looks as it does in the library: a list
// without sets takes the shell's launch settings, a list under another
// gravity takes the shell scaled to it (and frames enough to show it), and
// either is one step that undo takes back.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <algorithm>

#include "model/list_commands.h"
#include "model/shell_file.h"
#include "simulation/fullest_frame.h"
#include "simulation/make_scene.h"
#include "support/scratch_folder.h"
#include "ui/library/shell_library_model.h"
#include "ui/widgets/status_message.h"
#include "ui_support/main_window_fixture.h"

namespace kirabel::testing {
namespace {

// A rising star bursting into a ring of stars with trails, designed under
// a quarter of the list's usual gravity: under gravity 0.5 its times halve and
// its speeds double, which a long double carries exactly.
Shell RingShell() {
  Shell shell;
  shell.name = "Ring";
  shell.settings.gravity = 0.125L;
  shell.settings.startTime = 0;
  shell.settings.frameInterval = 0.5L;
  shell.settings.frameCount = 60;
  ParticleSet star;
  star.name = "star";
  star.visible = true;
  star.child = 1;
  star.count = 1;
  star.red = 255;
  star.green = 200;
  star.blue = 120;
  star.originX = 256;
  star.originY = 512;
  star.speed = 4;
  star.lifetime = 12;
  star.trailLength = 1.5L;
  star.trailSamples = 20;
  star.maxGenerations = 2;
  ParticleSet ring = star;
  ring.name = "ring";
  ring.visible = false;
  ring.child = -1;
  ring.count = 60;
  ring.speed = 1.5L;
  ring.speedSpread = 0.25L;
  ring.directionSpread = 3.14159265358979L;
  ring.birthSpread = 0.5L;
  ring.lifetime = 16;
  ring.lifetimeSpread = 2;
  ring.trailLength = 4;
  ring.trailSamples = 30;
  shell.sets = {star, ring};
  return shell;
}

// The fullest frame of a list launched as the thumbnails are drawn.
FullestFrame Fullest(const ParticleList& sets, const LaunchSettings& settings) {
  const Scene scene = MakeScene(sets, settings, RandomGenerator(), SceneTarget::Thumbnail());
  const std::optional<FullestFrame> fullest =
      DrawFullestFrame(scene, 1, static_cast<int64_t>(settings.frameCount));
  EXPECT_TRUE(fullest);
  return fullest ? std::move(*fullest) : FullestFrame();
}

// How many pixels of two pictures of one size differ.
int DifferentPixels(const Picture& a, const Picture& b) {
  EXPECT_EQ(a.Width(), b.Width());
  EXPECT_EQ(a.Height(), b.Height());
  int different = 0;
  for (int32_t y = 0; y < std::min(a.Height(), b.Height()); ++y)
    for (int32_t x = 0; x < std::min(a.Width(), b.Width()); ++x)
      different +=
          Picture::PixelToColor(a.Row(y) + 3 * x) != Picture::PixelToColor(b.Row(y) + 3 * x);
  return different;
}

class ShellInsertionTest : public MainWindowFixture {
 protected:
  ShellInsertionTest() {
    WriteShellFile(path_, RingShell());
    const Shell shell = ReadShellFile(path_);
    thumbnail_ = Fullest(shell.sets, shell.settings);
  }

  void drop() {
    QMimeData mime;
    mime.setData(kShellMimeType, QByteArray::fromStdString(path_));
    QDragEnterEvent enter(QPoint(256, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewer_.pictureView, &enter);
    QDropEvent drop(QPointF(256, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewer_.pictureView, &drop);
  }
  Document& document() { return window_.document(); }
  QString statusMessage() { return Child<StatusMessage>(window_, "statusMessage")->message(); }

  // After the drop, the list's fullest frame is the library's picture; undo
  // gives back the list and its launch settings.
  void expectTheLibrarysPictureThenUndo(int64_t frame) {
    const ParticleList setsBefore = document().sets();
    const LaunchSettings settingsBefore = document().launchSettings();
    drop();
    ASSERT_EQ(document().sets().size(), setsBefore.size() + 2);
    const FullestFrame shown = Fullest(document().sets(), document().launchSettings());
    EXPECT_EQ(shown.frame, frame);
    EXPECT_EQ(DifferentPixels(shown.picture, thumbnail_.picture), 0);
    document().history().undo();
    EXPECT_EQ(document().sets(), setsBefore);
    EXPECT_EQ(document().launchSettings(), settingsBefore);
  }

  ScratchFolder scratch_;
  std::string path_ = scratch_.File("ring.pcl");
  FullestFrame thumbnail_;
};

TEST_F(ShellInsertionTest, ANewListTakesTheShellsLaunchSettings) {
  ASSERT_GT(thumbnail_.frame, 1);
  ASSERT_GT(thumbnail_.byteSum, 0u);
  expectTheLibrarysPictureThenUndo(thumbnail_.frame);
  EXPECT_TRUE(statusMessage().isEmpty());
}

TEST_F(ShellInsertionTest, AListUnderFourTimesTheGravityTakesTheShellScaledAndFramesEnough) {
  // Frames every 0.25 from 0 under gravity 0.5 show what the shell's frames
  // every 0.5 show under gravity 0.125; a hidden set draws nothing.
  ParticleSet hidden = RingShell().sets[0];
  hidden.visible = false;
  document().apply(AppendSetCommand(hidden));
  LaunchSettings settings;
  settings.startTime = 0;
  settings.frameInterval = 0.25L;
  document().apply(ChangeLaunchSettingsCommand(settings));
  expectTheLibrarysPictureThenUndo(thumbnail_.frame);
  EXPECT_TRUE(statusMessage().contains("0.5"));
}

}  // namespace
}  // namespace kirabel::testing

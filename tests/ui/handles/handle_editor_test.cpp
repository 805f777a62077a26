// The handles driven as a user drives them on the viewer's picture: drags of
// the origin, the arrow's tip and a spread edge (Shift: 15 degree steps), one
// undoable step each; Ctrl+arrow keys, consecutive presses one step; clicks
// that pick a set; the overlay drawn over the picture, never into it.
#include "ui/handles/handle_editor.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <cmath>
#include <cstring>

#include "image/picture.h"
#include "model/angles.h"
#include "model/list_commands.h"
#include "ui_support/main_window_fixture.h"

namespace kirabel::testing {
namespace {

// A shell at (100, 120) flying up at speed 5 with a 30 degree spread,
// bursting into a set that is only ever a child; a second shell at (200, 200).
class HandleEditorTest : public MainWindowFixture {
 protected:
  HandleEditorTest() {
    ParticleSet shell;
    shell.count = 1;
    shell.visible = true;
    shell.originX = 100;
    shell.originY = 120;
    shell.speed = 5;
    shell.directionSpread = DegreesToRadians(30);
    shell.lifetime = 10;
    shell.child = 1;
    shell.maxGenerations = 2;
    ParticleSet star = shell;
    star.visible = false;
    star.child = -1;
    ParticleSet other = shell;
    other.originX = other.originY = 200;
    LaunchSettings settings;
    settings.gravity = 0;
    window_.document().apply(ReplaceListCommand({shell, star, other}, settings, std::string(), {}));
    window_.document().history().clear();
    window_.applyResolution(256, 256);
    window_.startPreview();
    access_.turnPreviewOn();
    access_.selectRow(1);
    viewer_.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&viewer_));
    view()->setFocus();
  }
  QWidget* view() { return viewer_.pictureView; }
  const ParticleSet& set(std::size_t i) { return window_.document().sets()[i]; }
  int steps() { return window_.document().history().count(); }
  // A point of the space where the view shows it.
  QPoint at(qreal x, qreal y) {
    const qreal ratio = view()->devicePixelRatioF();
    return QPoint(static_cast<int>(std::lround(x / ratio)),
                  static_cast<int>(std::lround(y / ratio)));
  }
  void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(view(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view(), (from + to) / 2 + QPoint(7, 3));
    QTest::mouseRelease(view(), Qt::LeftButton, modifiers, to);
  }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(viewer_.windowHandle(), key, modifiers);
  }
};

TEST_F(HandleEditorTest, DragsAndKeysShapeTheSelectedSetOneStepEach) {
  drag(at(100, 120), at(150, 90));
  EXPECT_EQ(set(0).originX, 150);
  EXPECT_EQ(set(0).originY, 90);
  EXPECT_EQ(steps(), 1);
  press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(set(0).originX, 100);
  EXPECT_EQ(set(0).originY, 120);

  press(Qt::Key_Right, Qt::ControlModifier);
  press(Qt::Key_Right, Qt::ControlModifier);
  press(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(set(0).originX, 102);
  EXPECT_EQ(set(0).originY, 130);
  EXPECT_EQ(steps(), 1);
  press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(set(0).originX, 100);
  EXPECT_EQ(set(0).originY, 120);

  // The tip (speed 5: 40 pixels above the origin); Shift: on 15 degrees.
  drag(at(100, 80), at(130, 70), Qt::ShiftModifier);
  EXPECT_NEAR(double(RadiansToDegrees(set(0).direction)), -30, 1e-7);
  // Within what whole logical pixels reach at a fractional scale.
  EXPECT_NEAR(double(set(0).speed), std::hypot(30, 50) / 8, 0.05);
  press(Qt::Key_Z, Qt::ControlModifier);
  // The edge at +30 degrees, 48 pixels long, dragged to 50 degrees: 45.
  const long double edge = DegreesToRadians(30), to = DegreesToRadians(50);
  drag(at(100 - 48 * std::sin(edge), 120 - 48 * std::cos(edge)),
       at(100 - 60 * std::sin(to), 120 - 60 * std::cos(to)), Qt::ShiftModifier);
  EXPECT_NEAR(double(RadiansToDegrees(set(0).directionSpread)), 45, 1e-7);
  EXPECT_EQ(steps(), 1);
  drag(at(100, 120), at(100, 120));  // a click on a handle leaves no step
  EXPECT_EQ(steps(), 1);
}

TEST_F(HandleEditorTest, ClicksPickTheNearestSetAndFarClicksChangeNothing) {
  QTest::mouseClick(view(), Qt::LeftButton, {}, at(203, 198));
  EXPECT_EQ(access_.selectedRow(), 3);
  QTest::mouseClick(view(), Qt::LeftButton, {}, at(100, 79));  // the first shell's burst
  EXPECT_EQ(access_.selectedRow(), 1);
  QTest::mouseClick(view(), Qt::LeftButton, {}, at(30, 230));
  EXPECT_EQ(access_.selectedRow(), 1);
  EXPECT_EQ(steps(), 0);
}

TEST_F(HandleEditorTest, HandlesAreDrawnOverThePictureNeverIntoIt) {
  const Picture& picture = viewer_.picture();
  const std::vector<uint8_t> before(picture.Bits(),
                                    picture.Bits() + picture.RowBytes() * picture.Height());
  const QImage shown = view()->grab().toImage();
  auto* toggle = window_.findChild<QAction*>(QStringLiteral("actionHandles"));
  ASSERT_NE(toggle, nullptr);
  toggle->trigger();
  EXPECT_FALSE(window_.interfaceOptions().showHandles);
  const QImage hidden = view()->grab().toImage();
  const QPoint origin = at(100, 120) * view()->devicePixelRatioF();
  EXPECT_NE(shown.pixel(origin), hidden.pixel(origin));
  EXPECT_EQ(std::memcmp(before.data(), picture.Bits(), before.size()), 0);
  // Hidden handles neither drag nor pick.
  drag(at(100, 120), at(150, 90));
  EXPECT_EQ(set(0).originX, 100);
  EXPECT_EQ(steps(), 0);
}

}  // namespace
}  // namespace kirabel::testing

// The timeline window driven as a user drives it: F6 opens it with the focus
// and a selected row, keys and drags time the selected set (one undoable step
// each, snapped to frames and beats, Alt: freely), its selection and the
// grid's follow each other, the ruler moves the preview and the soundtrack's
// outline moves the soundtrack.
#include "ui/timeline/timeline_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <cmath>

#include "model/list_commands.h"
#include "ui/library/shell_library_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/timeline/timeline_view.h"
#include "ui_support/main_window_fixture.h"

namespace kirabel::testing {
namespace {

ParticleSet Set(long double birth, long double life, bool visible = true) {
  ParticleSet set;
  set.visible = visible;
  set.birthTime = birth;
  set.lifetime = life;
  return set;
}

// Frames every 0.5 from 10 to 30; one video second is 15 of list time, so
// 120 BPM from second 0 puts beats at 10, 17.5, 25.
class TimelineWindowTest : public MainWindowFixture {
 protected:
  TimelineWindowTest() {
    LaunchSettings settings;
    settings.startTime = 10;
    settings.frameInterval = 0.5L;
    settings.frameCount = 41;
    ShowSettings show;
    show.bpm = 120;
    show.audio = "/nowhere/song.wav";
    document().apply(ReplaceListCommand({Set(12, 6), Set(0, 1, false), Set(20, 4)}, settings,
                                        std::string(), show));
    document().history().clear();
  }
  Document& document() { return window_.document(); }
  TimelineWindow& timeline() { return window_.timeline(); }
  TimelineView& view() { return timeline().view(); }
  long double birth(std::size_t set) { return document().sets()[set].birthTime; }
  int gridRow() { return access_.selectedRow(); }

  // Presses at list time `from` in the bar of row `row` (or at its right
  // end), passes `detour` pixels beyond the way and lets go at `to` with
  // `modifiers`.
  void drag(std::size_t row, long double from, long double to, bool end = false,
            Qt::KeyboardModifiers modifiers = {}, int detour = 0) {
    const TimelineGeometry& geometry = view().geometry();
    const QRect bar = geometry.barRect(row, view().content().rows[row].span);
    const int y = bar.center().y();
    const int x = end ? bar.right() : static_cast<int>(std::lround(geometry.xOf(from)));
    const int shift = static_cast<int>(std::lround((to - from) / geometry.timePerPixel()));
    QTest::mousePress(view().viewport(), Qt::LeftButton, {}, QPoint(x, y));
    QTest::mouseMove(view().viewport(), QPoint(x + shift / 2 + detour, y));
    QTest::mouseRelease(view().viewport(), Qt::LeftButton, modifiers, QPoint(x + shift, y));
  }
};

TEST_F(TimelineWindowTest, F6OpensItAndKeysTimeTheSelectedSetOneStepEach) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  access_.selectRow(2);  // an invisible set: no row of its own
  QTest::keyClick(window_.windowHandle(), Qt::Key_F6);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&timeline()));
  EXPECT_EQ(timeline().windowTitle(), QStringLiteral("タイムライン"));
  EXPECT_EQ(QApplication::focusWidget(), &view());
  EXPECT_EQ(view().selectedSet(), 0u);  // the first row, and the grid follows
  EXPECT_EQ(gridRow(), 1);

  const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(timeline().windowHandle(), key, modifiers);
  };
  press(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(birth(0), 12.5L);
  press(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(birth(0), 20);
  press(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(birth(0), 19.5L);
  EXPECT_EQ(document().history().count(), 3);
  press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(birth(0), 20);
  press(Qt::Key_Z, Qt::ControlModifier);
  press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(birth(0), 12);
  press(Qt::Key_B, Qt::ControlModifier);  // the shell library opens from here too
  EXPECT_TRUE(window_.shellLibrary().isVisible());
  window_.shellLibrary().close();
  timeline().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&timeline()));

  // The selection, both ways.
  press(Qt::Key_Down, {});
  EXPECT_EQ(view().selectedSet(), 2u);
  EXPECT_EQ(gridRow(), 3);
  access_.selectRow(1);
  EXPECT_EQ(view().selectedSet(), 0u);
  access_.selectRow(2);
  EXPECT_EQ(view().selectedSet(), std::nullopt);
  press(Qt::Key_Right, Qt::ControlModifier);  // nothing selected: nothing moves
  EXPECT_EQ(document().history().index(), 0);
  document().apply(ReplaceSetCommand(1, Set(0, 1)));  // shown: it gets its row, selected
  EXPECT_EQ(view().selectedSet(), 1u);
}

// A row chosen while the window was still hidden (and tiny) shows whole
// once the window opens, scrolled no further than that.
TEST_F(TimelineWindowTest, TheSelectedRowShowsWhenTheWindowOpens) {
  document().apply(ReplaceListCommand(ParticleList(40, Set(12, 6)), std::nullopt, std::string()));
  access_.selectRow(2);
  timeline().resize(800, 300);
  timeline().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&timeline()));
  EXPECT_GE(view().geometry().rowRect(0).top(), TimelineGeometry::kRowsTop);
}

TEST_F(TimelineWindowTest, DraggingSnapsTheNearerEndToAFrameOrABeatUnlessAltIsHeld) {
  timeline().resize(800, 300);
  timeline().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&timeline()));
  drag(0, 13, 15.2L);  // grabbed near the birth: 14.2 snaps to the frame at 14
  EXPECT_EQ(birth(0), 14);
  EXPECT_EQ(gridRow(), 1);
  drag(0, 19, 16.6L);  // near the death: 17.6 snaps to the beat at 17.5
  EXPECT_EQ(birth(0) + document().sets()[0].lifetime, 17.5L);
  drag(0, 12.5L, 13.6L, false, Qt::AltModifier);  // freely: off the frames
  const long double free = birth(0);
  EXPECT_NEAR(static_cast<double>(free), 12.6, 0.05);
  EXPECT_GT(std::fabs(std::remainder(static_cast<double>(free), 0.5)), 0.01);
  drag(0, 13, 13);  // a click only selects: nothing snaps
  EXPECT_EQ(birth(0), free);
  drag(0, 13, 13, false, Qt::AltModifier, 40);  // away and back: no step left behind
  EXPECT_EQ(birth(0), free);
  EXPECT_EQ(document().history().count(), 3);
  drag(0, 0, 1.1L, true);  // the right end: the lifetime, the death on a frame
  const long double death = birth(0) + document().sets()[0].lifetime;
  EXPECT_NEAR(std::remainder(static_cast<double>(death), 0.5), 0, 1e-6);
  EXPECT_EQ(birth(0), free);
  EXPECT_EQ(document().history().count(), 4);  // one step per drag
  document().history().undo();
  document().history().undo();
  EXPECT_EQ(birth(0), 11.5L);

  // The soundtrack's outline: 3 of list time is 0.2 s of video.
  const TimelineGeometry& geometry = view().geometry();
  const int y = TimelineGeometry::kRulerHeight + TimelineGeometry::kWaveHeight / 2;
  const QPoint from(static_cast<int>(geometry.xOf(15)), y);
  const QPoint to(static_cast<int>(std::lround(geometry.xOf(15) + 3 / geometry.timePerPixel())), y);
  QTest::mousePress(view().viewport(), Qt::LeftButton, {}, from);
  QTest::mouseRelease(view().viewport(), Qt::LeftButton, {}, to);
  EXPECT_NEAR(static_cast<double>(document().showSettings().audioOffset), 0.2, 0.005);
  document().history().undo();
  EXPECT_EQ(document().showSettings().audioOffset, 0);

  // The ruler: the preview comes on at the frame nearest to the click.
  QTest::mouseClick(view().viewport(), Qt::LeftButton, {},
                    QPoint(static_cast<int>(std::lround(geometry.xOf(15.1L))), 5));
  EXPECT_TRUE(document().options().preview);
  ASSERT_NE(window_.preview(), nullptr);
  EXPECT_EQ(window_.preview()->bar().frame(), 11);
  EXPECT_EQ(view().content().playhead, 15);
}

// The soundtrack's outline lies where its offset puts it: one loud bucket at
// 1.0 .. 1.1 s of a soundtrack starting at -0.5 s plays at list time 17.5 .. 19.
// F9 mid-drag opens a dialog: the focus goes, the release never comes. The
// drag ends there as one step, so a later change is a step of its own.
TEST_F(TimelineWindowTest, ADragEndsAsOneStepWhenTheFocusGoes) {
  timeline().resize(800, 300);
  timeline().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&timeline()));
  const TimelineGeometry& geometry = view().geometry();
  const QRect bar = geometry.barRect(0, view().content().rows[0].span);
  const int x = static_cast<int>(std::lround(geometry.xOf(13)));
  QTest::mousePress(view().viewport(), Qt::LeftButton, {}, QPoint(x, bar.center().y()));
  QTest::mouseMove(view().viewport(), QPoint(x + 60, bar.center().y()));
  const long double moved = birth(0);
  ASSERT_NE(moved, 12);
  QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(&view(), &focusOut);
  EXPECT_EQ(document().history().count(), 1);
  EXPECT_FALSE(document().history().isClean());
  document().apply(RemoveSetCommand(1), QStringLiteral("delete"));
  document().history().undo();
  EXPECT_EQ(document().sets().size(), 3u);
  EXPECT_EQ(birth(0), moved);
  document().history().undo();
  EXPECT_EQ(birth(0), 12);
}

TEST_F(TimelineWindowTest, TheSoundtracksOutlineLiesAtItsOffset) {
  ShowSettings show = document().showSettings();
  show.audioOffset = -0.5L;
  document().changeShowSettings(show, QStringLiteral("offset"));
  auto wave = std::make_shared<Waveform>();
  wave->bucketSeconds = 0.1;
  wave->low.assign(20, 0.0f);
  wave->high.assign(20, 0.0f);
  wave->low[10] = -0.9f;
  wave->high[10] = 0.9f;
  timeline().resize(800, 300);
  const QImage blank = view().viewport()->grab().toImage();
  // As the main window's soundtrack loader hands it over once decoded.
  emit access_.soundtrackLoader().waveformReady(wave);
  const QImage drawn = view().viewport()->grab().toImage();
  const TimelineGeometry& geometry = view().geometry();
  const int y = TimelineGeometry::kRulerHeight + 4;  // near the lane's top: loud samples only
  for (const long double t : {14.0L, 18.2L, 22.0L}) {
    const int x = static_cast<int>(std::lround(geometry.xOf(t)));
    EXPECT_EQ(drawn.pixel(x, y) != blank.pixel(x, y), t == 18.2L) << static_cast<double>(t);
  }
}

// Lists at the limits of their fields are drawn, not hanging on
// ticks, beats or generations beyond counting.
TEST_F(TimelineWindowTest, ListsAtTheLimitsAreDrawnAtOnce) {
  ParticleSet loop = Set(-999999999, 999999999);
  loop.child = 0;
  loop.maxGenerations = 2000000000;
  loop.birthSpread = loop.lifetimeSpread = 999999999;
  const struct {
    long double interval, frames, bpm;
  } cases[] = {{0, 1, 0}, {0.00000001L, 999999999, 999999999}, {999999999, 999999999, 0.001L}};
  timeline().resize(800, 300);
  for (const auto& c : cases) {
    LaunchSettings settings;
    settings.frameInterval = c.interval;
    settings.frameCount = c.frames;
    ShowSettings show;
    show.bpm = c.bpm;
    document().apply(ReplaceListCommand({loop, Set(0, 0)}, settings, std::string(), show));
    // A hang here runs into the test's time limit.
    view().viewport()->grab();
  }
}

}  // namespace
}  // namespace kirabel::testing

// Remembered window places: kept while the title bar can be reached on a
// screen, else moved onto the nearest screen; the dialogs check again when
// they are shown.
#include "ui/services/window_placement.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include "ui/dialogs/launch_settings_dialog.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/services/modal_runner.h"

namespace kirabel {
namespace {

TEST(WindowPlacementTest, KeepsReachablePlacesAndMovesOthersOntoTheNearestScreen) {
  const QRect left(0, 0, 1600, 1200);
  const QRect right(1600, 0, 1920, 1080);
  const QRect belowPanel(0, 32, 1600, 1168);
  const struct {
    const char* what;
    QRect window;
    std::vector<QRect> screens;
    QPoint expected;
  } cases[] = {
      {"on a screen", {100, 100, 500, 300}, {left}, {100, 100}},
      {"partly off the left edge", {-400, 100, 500, 300}, {left}, {-400, 100}},
      {"partly below the bottom", {100, 1150, 500, 300}, {left}, {100, 1150}},
      {"across two screens", {1500, 100, 500, 300}, {left, right}, {1500, 100}},
      {"on the second screen", {3000, 900, 500, 300}, {left, right}, {3000, 900}},
      {"second screen removed", {3000, 900, 500, 300}, {left}, {1100, 900}},
      {"title bar above the screen", {100, -200, 500, 300}, {left}, {100, 0}},
      {"title bar under a panel", {100, 0, 500, 300}, {belowPanel}, {100, 32}},
      {"only a sliver of title bar", {1580, 100, 500, 300}, {left}, {1100, 100}},
      {"far up and left", {-3000, -3000, 500, 300}, {left, right}, {0, 0}},
      {"nearest of two screens", {4000, 200, 500, 300}, {left, right}, {3020, 200}},
      {"larger than the screen", {5000, 100, 2000, 1400}, {left}, {0, 0}},
      {"no screens known", {5000, 100, 500, 300}, {}, {5000, 100}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReachablePosition(c.window, c.screens), c.expected) << c.what;
}

TEST(WindowPlacementTest, BesideAnotherWindowWhereTheScreenHasRoomElseAsFarRightAsFits) {
  const QRect screen(0, 0, 1280, 1024);
  const QRect belowPanel(0, 32, 1280, 992);
  const QRect mainWindow(10, 10, 530, 320);
  const struct {
    const char* what;
    QRect anchor;
    QSize window;
    QRect screen;
    QPoint expected;
  } cases[] = {
      {"room beside", mainWindow, {520, 580}, screen, {550, 10}},
      {"exactly fits", mainWindow, {730, 580}, screen, {550, 10}},
      {"narrow screen", mainWindow, {520, 580}, {0, 0, 1024, 768}, {504, 10}},
      {"wider than the screen", mainWindow, {1500, 580}, screen, {0, 10}},
      {"taller than the room below", {10, 600, 530, 320}, {520, 580}, screen, {550, 444}},
      {"anchor under a panel", mainWindow, {520, 580}, belowPanel, {550, 32}},
      {"second screen", {1300, 10, 530, 320}, {520, 580}, {1280, 0, 1920, 1080}, {1840, 10}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PositionBeside(c.anchor, c.window, c.screen, 10), c.expected) << c.what;
}

// A dialog whose place no screen shows opens on the screen; one on a screen,
// even partly, opens exactly where it was.
TEST(WindowPlacementTest, DialogsOpenWhereTheyCanBeSeen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  ParticleSetDialog properties;
  LaunchSettingsDialog launch;
  for (QDialog* dialog : {static_cast<QDialog*>(&properties), static_cast<QDialog*>(&launch)}) {
    SCOPED_TRACE(dialog->objectName().toStdString());
    const struct {
      QPoint stored;
      bool kept;
    } places[] = {{area.topRight() + QPoint(500, 40), false},
                  {area.topLeft() + QPoint(-100, 40), true}};
    for (const auto& place : places) {
      dialog->move(place.stored);
      QPoint shownAt;
      ModalRunner::setNextHandler([&](QDialog& shown) { shownAt = shown.pos(); });
      ModalRunner::exec(*dialog);
      if (place.kept)
        EXPECT_EQ(shownAt, place.stored);
      else
        EXPECT_TRUE(area.contains(QRect(shownAt, dialog->frameGeometry().size())));
    }
  }
}

}  // namespace
}  // namespace kirabel

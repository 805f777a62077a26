// High-DPI screens: the space viewer shows its picture one picture pixel per
// device pixel, and the settings file keeps window places in device pixels.
// Qt's scale factor is fixed per process: ctest runs these suites again under
// QT_SCALE_FACTOR=1.5 and 2, and on a screen of ratio 1 beside one of ratio 2.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QWindow>
#include <QtMath>

#include "image/picture.h"
#include "model/settings_file.h"
#include "ui/services/device_pixels.h"
#include "ui_support/started_app_fixture.h"

namespace kirabel::testing {
namespace {

QColor PatternColour(int x, int y) {
  return QColor((x * 7) & 255, (y * 5) & 255, (x + y) & 255);
}

// Each pixel blue first.
void FillWithPattern(Picture& picture) {
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      uint8_t* pixel = picture.Row(y) + 3 * x;
      const QColor colour = PatternColour(x, y);
      pixel[0] = static_cast<uint8_t>(colour.blue());
      pixel[1] = static_cast<uint8_t>(colour.green());
      pixel[2] = static_cast<uint8_t>(colour.red());
    }
}

// Device pixels that differ from the picture, and outside it from `background`.
int WrongDevicePixels(const QImage& shown, QSize picture, QColor background) {
  int wrong = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const bool inside = x < picture.width() && y < picture.height();
      if (shown.pixel(x, y) != (inside ? PatternColour(x, y) : background).rgb()) ++wrong;
    }
  return wrong;
}

TEST(HighDpiViewerTest, ShowsEveryPicturePixelOnItsOwnDevicePixel) {
  for (const QSize picture : {QSize(101, 67), QSize(64, 48), QSize(3, 1)}) {
    SCOPED_TRACE(QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height()).toStdString());
    SpaceViewer viewer;
    viewer.setCloseAllowed(true);
    viewer.fitToPicture(picture.width(), picture.height());
    FillWithPattern(viewer.picture());
    QApplication::processEvents();
    const qreal ratio = viewer.pictureView->devicePixelRatioF();
    const QSize covering(qCeil(picture.width() / ratio), qCeil(picture.height() / ratio));
    EXPECT_EQ(viewer.pictureView->size(), covering);
    EXPECT_EQ(viewer.viewport()->size(), covering);  // the window fits the picture
    const QImage shown = viewer.pictureView->grab().toImage();
    ASSERT_GE(shown.width(), picture.width());
    ASSERT_GE(shown.height(), picture.height());
    EXPECT_EQ(WrongDevicePixels(shown, picture, viewer.palette().color(QPalette::Dark)), 0);
  }
}

// Moved to a screen of another device pixel ratio, the viewer keeps showing
// the picture one pixel per device pixel. Needs two such screens (ctest gives
// them through the offscreen platform's screen configuration).
TEST(HighDpiViewerTest, FollowsTheDevicePixelRatioOfItsScreen) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  if (screens.size() < 2 || screens[0]->devicePixelRatio() == screens[1]->devicePixelRatio())
    GTEST_SKIP() << "needs two screens of different device pixel ratios";
  SpaceViewer viewer;
  viewer.setCloseAllowed(true);
  viewer.fitToPicture(101, 67);
  for (QScreen* screen : {screens[1], screens[0]}) {
    SCOPED_TRACE(screen->devicePixelRatio());
    viewer.windowHandle()->setScreen(screen);
    viewer.move(screen->geometry().topLeft() + QPoint(10, 10));
    QApplication::processEvents();
    const qreal ratio = screen->devicePixelRatio();
    EXPECT_EQ(viewer.pictureView->size(), QSize(qCeil(101 / ratio), qCeil(67 / ratio)));
  }
}

TEST(HighDpiDevicePixelsTest, ScreensScaleAboutTheirTopLeftCorner) {
  const struct {
    ScreenScale screen;
    QPoint logical, device;
  } cases[] = {
      {{QPoint(0, 0), 1.0}, QPoint(40, 60), QPoint(40, 60)},
      {{QPoint(0, 0), 2.0}, QPoint(20, 30), QPoint(40, 60)},
      {{QPoint(1920, 0), 2.0}, QPoint(2020, 50), QPoint(2120, 100)},
      {{QPoint(-1280, -200), 1.5}, QPoint(-1180, -160), QPoint(-1130, -140)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.screen.ratio);
    EXPECT_EQ(ToDevicePixels(c.logical, c.screen), c.device);
    EXPECT_EQ(ToLogicalPixels(c.device, c.screen), c.logical);
  }
  EXPECT_EQ(ToDevicePixels(QSize(300, 161), 1.5), QSize(450, 242));
  EXPECT_EQ(ToLogicalPixels(QSize(450, 242), 1.5), QSize(300, 161));
}

class HighDpiSettingsTest : public StartedAppFixture {};

// Multiples of 30 stay whole logical pixels at 1.25, 1.5, 2 and 2.5.
TEST_F(HighDpiSettingsTest, WindowPlacesReadAndWrittenMeanTheSameDevicePixels) {
  Settings stored;
  stored.mainWindowLeft = 30;
  stored.mainWindowTop = 60;
  stored.mainWindowWidth = 600;
  stored.mainWindowHeight = 330;
  stored.viewerLeft = 420;
  stored.viewerTop = 120;
  stored.setDialogLeft = 150;
  stored.setDialogTop = 180;
  stored.launchDialogLeft = 210;
  stored.launchDialogTop = 240;
  SaveSettingsFile(settingsPath(), stored);
  Start();
  const qreal ratio = mainWindow().devicePixelRatioF();
  EXPECT_EQ(mainWindow().pos(), QPoint(30, 60) / ratio);
  EXPECT_EQ(mainWindow().size(), QSize(600, 330) / ratio);
  const Settings current = app_->currentSettings();
  const auto places = [](const Settings& s) {
    return std::vector<int>{s.mainWindowLeft,   s.mainWindowTop, s.mainWindowWidth,
                            s.mainWindowHeight, s.viewerLeft,    s.viewerTop,
                            s.setDialogLeft,    s.setDialogTop,  s.launchDialogLeft,
                            s.launchDialogTop};
  };
  EXPECT_EQ(places(current), places(stored));
}

// A place on a second screen counts that screen's device pixels from its
// top-left corner.
TEST_F(HighDpiSettingsTest, PlaceOnASecondScreenUsesThatScreensRatio) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  if (screens.size() < 2) GTEST_SKIP() << "needs a second screen";
  const QScreen& second = *screens[1];
  const QPoint origin = second.geometry().topLeft();
  Settings stored;
  stored.viewerLeft = origin.x() + 600;
  stored.viewerTop = origin.y() + 300;
  SaveSettingsFile(settingsPath(), stored);
  Start();
  EXPECT_EQ(viewer().pos(), origin + QPoint(600, 300) / second.devicePixelRatio());
  const Settings current = app_->currentSettings();
  EXPECT_EQ(QPoint(current.viewerLeft, current.viewerTop),
            QPoint(stored.viewerLeft, stored.viewerTop));
}

// Without a settings file the windows open at their designed places and size
// in logical pixels, kept in device pixels.
TEST_F(HighDpiSettingsTest, FirstStartOpensTheWindowsAtTheirDesignedSize) {
  Start();
  EXPECT_EQ(mainWindow().pos(), QPoint(10, 10));
  EXPECT_EQ(mainWindow().size(), QSize(526, 292));
  EXPECT_EQ(viewer().y(), 10);  // beside the main window
  EXPECT_EQ(app_->currentSettings().mainWindowWidth,
            qRound(526 * mainWindow().devicePixelRatioF()));
}

}  // namespace
}  // namespace kirabel::testing

// Pictures of the main window, the viewer and the launch settings dialog for
// a look by eye: written only when KIRABEL_SCREENSHOT_DIR names a folder.
#include <QDir>
#include <QPixmap>
#include <QScreen>

#include "model/particle.h"
#include "ui/launch_settings_dialog.h"
#include "ui/started_app_fixture.h"
#include "ui_support/document_edits.h"

namespace kirabel::testing {
namespace {

class ScreenshotTest : public StartedAppFixture {};

TEST_F(ScreenshotTest, WindowsForALookByEye) {
  const QString folder = qEnvironmentVariable("KIRABEL_SCREENSHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "KIRABEL_SCREENSHOT_DIR not set";
  Start({QStringLiteral("kirabel"), QStringLiteral(KIRABEL_TEST_DATA "/pcl/handwritten.pcl")});
  mainWindow().show();
  mainWindow().resize(526, 292);
  QApplication::processEvents();
  mainWindow().grab().save(QDir(folder).filePath(QStringLiteral("main_window.png")));
  viewer().grab().save(QDir(folder).filePath(QStringLiteral("viewer.png")));
  mainWindow().launchDialog->show();
  QApplication::processEvents();
  mainWindow().launchDialog->grab().save(
      QDir(folder).filePath(QStringLiteral("launch_settings.png")));
  mainWindow().launchDialog->hide();

  // A launch of one burst, as the viewer shows its last frame.
  ParticleSet burst;
  burst.name = "菊";
  burst.red = 255;
  burst.green = 160;
  burst.blue = 60;
  burst.count = 400;
  burst.speed = 3;
  burst.speedSpread = 0.3L;
  burst.directionSpread = 3.14159L;
  burst.originX = burst.originY = 128;
  burst.lifetime = 40;
  burst.lifetimeSpread = 5;
  burst.trailLength = 10;
  burst.trailSamples = 20;
  burst.visible = true;
  burst.child = -1;
  mainWindow().document().apply(ReplaceListCommand({burst}, std::nullopt, ""));
  mainWindow().applyResolution(256, 256);
  testing::ChangeLaunchSettings(mainWindow().document(),
                                [&](LaunchSettings& s) { s.startTime = 25; });
  testing::ChangeLaunchSettings(mainWindow().document(),
                                [&](LaunchSettings& s) { s.gravity = 0.05L; });
  ModalRunner::setNextHandler([](QDialog& dialog) { dialog.accept(); });
  mainWindow().launch();
  viewer().grab().save(QDir(folder).filePath(QStringLiteral("viewer_after_launch.png")));
}

// The whole screen, with whatever program runs on it (for instance the
// desktop program under Xvfb): needs a real display.
TEST(ScreenGrabTest, WholeScreenForALookByEye) {
  const QString folder = qEnvironmentVariable("KIRABEL_SCREENSHOT_DIR");
  if (folder.isEmpty() || QGuiApplication::platformName() != QStringLiteral("xcb"))
    GTEST_SKIP() << "needs KIRABEL_SCREENSHOT_DIR and an X display";
  QScreen* screen = QGuiApplication::primaryScreen();
  screen->grabWindow(0).save(QDir(folder).filePath(QStringLiteral("screen.png")));
}

}  // namespace
}  // namespace kirabel::testing

// Pictures of the main window, the viewer and the launch settings dialog for
// a look by eye: written only when KIRABEL_SCREENSHOT_DIR names a folder.
#include <QDir>
#include <QPixmap>
#include <QScreen>

#include "model/particle.h"
#include "ui/launch_settings_dialog.h"
#include "ui/started_app_fixture.h"

namespace kirabel::testing {
namespace {

class ScreenshotTest : public StartedAppFixture {};

TEST_F(ScreenshotTest, WindowsForALookByEye) {
  const QString folder = qEnvironmentVariable("KIRABEL_SCREENSHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "KIRABEL_SCREENSHOT_DIR not set";
  Start({QStringLiteral("kirabel"), QStringLiteral(KIRABEL_TEST_DATA "/pcl/handwritten.pcl")});
  Form1().show();
  Form1().resize(526, 292);
  QApplication::processEvents();
  Form1().grab().save(QDir(folder).filePath(QStringLiteral("main_window.png")));
  Form2().grab().save(QDir(folder).filePath(QStringLiteral("viewer.png")));
  Form1().Form5->show();
  QApplication::processEvents();
  Form1().Form5->grab().save(QDir(folder).filePath(QStringLiteral("launch_settings.png")));
  Form1().Form5->hide();

  // A launch of one burst, as the viewer shows its last frame.
  TParticle burst;
  burst.name = "菊";
  burst.colR = 255;
  burst.colG = 160;
  burst.colB = 60;
  burst.N = 400;
  burst.b = 3;
  burst.eb = 0.3L;
  burst.db = 3.14159L;
  burst.P0x = burst.P0y = 128;
  burst.lt = 40;
  burst.elt = 5;
  burst.tv = 10;
  burst.ns = 20;
  burst.visible = true;
  burst.child = -1;
  Form1().List.assign(1, burst);
  Form1().SetRowCount(3);
  Form1().ApplyResolution(256, 256);
  Form1().Environment().ST = 25;
  Form1().Environment().G = 0.05L;
  ModalRunner::setNextHandler([](QDialog& dialog) { dialog.accept(); });
  Form1().BitBtn2Click();
  Form2().grab().save(QDir(folder).filePath(QStringLiteral("viewer_after_launch.png")));
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

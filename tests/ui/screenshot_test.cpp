// Pictures of the main window, the viewer and the launch settings dialog for
// a look by eye: written only when KIRABEL_SCREENSHOT_DIR names a folder.
#include <QDir>
#include <QPixmap>

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
}

}  // namespace
}  // namespace kirabel::testing

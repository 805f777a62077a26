// Takes the pictures of docs/screenshots: the main window with an example list
// (with and without the tool bar), the viewer after a launch and with the
// preview and the selected set's handles, the timeline, the shell library
// with its pictures, and every dialog.
//   kirabel-screenshots FOLDER [LIST.pcl]
// Run it under a display (xvfb-run) for real window frames, or with
// QT_QPA_PLATFORM=offscreen for the window contents alone. The texts follow the
// locale as the program's do (LANG=en_US.UTF-8 for English).
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>

#include "texts/interface_language.h"
#include "ui/library/shell_library_window.h"
#include "ui/main_window/kirabel_application.h"
#include "ui/main_window/main_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"
#include "ui/timeline/timeline_window.h"
#include "ui/widgets/space_viewer.h"

namespace {

// Lets the background work (preview pictures, thumbnails) arrive.
void Settle(int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += 10) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

void Save(QWidget& window, const QDir& folder, const char* name) {
  window.show();
  window.raise();
  QApplication::processEvents();
  window.grab().save(folder.filePath(QLatin1String(name)));
}

// Takes the picture of the dialog that `open` shows, then cancels it.
void SaveDialog(const std::function<void()>& open, const QDir& folder, const char* name) {
  kirabel::ModalRunner::setNextHandler(
      [&folder, name](QDialog& dialog) { Save(dialog, folder, name); });
  open();
}

// Runs the main window's command `name` as its menu item does.
void Trigger(kirabel::MainWindow& window, const char* name) {
  window.findChild<QAction*>(QLatin1String(name))->trigger();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  kirabel::InstallTranslations(kirabel::DesktopLanguage(kirabel::LanguageChoice::kAutomatic),
                               QStringLiteral("kirabel_en"));
  if (argc < 2) {
    std::fprintf(stderr, "usage: kirabel-screenshots FOLDER [LIST.pcl]\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const QString list = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  kirabel::MessageBox::setTestMode(true);  // no box may wait for an answer
  QTemporaryDir settings;
  const QString settingsFile = settings.filePath(QStringLiteral("Kirabel.INI"));
  // An empty settings file: the windows at their usual places, the preview
  // off, as on every start but the very first.
  QFile(settingsFile).open(QIODevice::WriteOnly);
  kirabel::KirabelApplication app(settingsFile.toStdString());
  app.createWindows();
  app.readSettings({QStringLiteral("kirabel"), list}, 24);
  kirabel::MainWindow& window = app.mainWindow();
  Save(window, folder, "main-window.png");
  Trigger(window, "actionShowToolBar");
  Save(window, folder, "main-window-without-tool-bar.png");
  Trigger(window, "actionShowToolBar");

  kirabel::ModalRunner::setNextHandler([](QDialog& dialog) { dialog.accept(); });
  {  // the launch draws in the background
    QEventLoop launched;
    QObject::connect(&window, &kirabel::MainWindow::launchFinished, &launched, &QEventLoop::quit);
    Trigger(window, "actionLaunch");
    // The stop button is there while the launch runs.
    if (window.findChild<QAction*>(QStringLiteral("actionStop"))->isEnabled()) launched.exec();
  }
  Save(app.viewer(), folder, "viewer-after-launch.png");

  // The preview at the launch's third frame, once drawn.
  Trigger(window, "actionPreview");
  window.preview()->bar().setFrame(3);
  Settle(3000);
  Save(app.viewer(), folder, "viewer-preview.png");
  // The timeline over the same launch, its playhead at that frame.
  Trigger(window, "actionTimeline");
  Save(window.timeline(), folder, "timeline.png");
  window.timeline().close();
  Trigger(window, "actionPreview");
  // The shell library once its pictures have been drawn.
  Trigger(window, "actionShellLibrary");
  Settle(25000);
  Save(window.shellLibrary(), folder, "shell-library.png");
  window.shellLibrary().close();

  // The first set's properties (a new set's for an empty list: the first
  // place is then the new-set row); the launch settings are asked only for a
  // list with sets.
  SaveDialog([&window] { Trigger(window, "actionAddSet"); }, folder, "properties.png");
  SaveDialog([&window] { Trigger(window, "actionLaunch"); }, folder, "launch-settings.png");
  SaveDialog([&window] { Trigger(window, "actionLook"); }, folder, "look.png");
  SaveDialog([&window] { Trigger(window, "actionResolution"); }, folder, "resolution.png");
  SaveDialog([&window] { Trigger(window, "actionWarningThreshold"); }, folder, "threshold.png");
  SaveDialog([&window] { Trigger(window, "actionAbout"); }, folder, "about.png");
  app.viewer().setCloseAllowed(true);
  return 0;
}

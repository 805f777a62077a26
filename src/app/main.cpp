// The desktop program: creates the windows, applies the settings file, loads
// the PCL file named on the command line and runs the message loop.
#include <QApplication>
#include <QScreen>

#include "model/settings_file.h"
#include "texts/interface_language.h"
#include "ui/main_window/kirabel_application.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/tool_icons.h"
#include "ui/preview/media_sound_output.h"
#include "ui/services/program_font.h"

int main(int argc, char** argv) {
  kirabel::ChooseMediaBackend();
  QApplication app(argc, argv);
  // The texts are put in place as the windows are made, so the language is
  // chosen first: the option in the settings file, else the system's.
  const kirabel::LanguageChoice choice =
      kirabel::LoadSettingsFile(kirabel::SettingsFilePath()).interfaceOptions.language;
  kirabel::InstallTranslations(kirabel::DesktopLanguage(choice), QStringLiteral("kirabel_en"));
  QApplication::setApplicationName(QString::fromLatin1(kirabel::kApplicationTitle));
  QApplication::setFont(kirabel::ProgramFont());
  QApplication::setWindowIcon(kirabel::AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kirabel.Kirabel"));

  kirabel::KirabelApplication kirabel(kirabel::SettingsFilePath());
  kirabel.createWindows();
  const QScreen* screen = QGuiApplication::primaryScreen();
  kirabel.readSettings(QApplication::arguments(), screen ? screen->depth() : 24);
  if (kirabel.endRequested()) return 0;
  kirabel.mainWindow().show();
  return app.exec();
}

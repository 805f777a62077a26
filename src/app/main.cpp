// The desktop program: creates the windows, applies the settings file, loads
// the PCL file named on the command line and runs the message loop.
#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "ui/form_font.h"
#include "ui/kirabel_application.h"
#include "ui/main_window.h"
#include "ui/tool_icons.h"

namespace {

// Every text of the program is Japanese; the standard dialogs (file, colour)
// and the line edits' own menus follow when Qt's Japanese texts are installed.
void InstallJapaneseQtTexts(QApplication& app) {
  static QTranslator translator;
  if (translator.load(QStringLiteral("qtbase_ja"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&translator);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallJapaneseQtTexts(app);
  QApplication::setApplicationName(QString::fromLatin1(kirabel::kApplicationTitle));
  QApplication::setFont(kirabel::FormFont());
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

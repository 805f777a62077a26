#pragma once
// Help: the program's HTML help page opened in the desktop's browser at the
// topic "HID00000001". The page is the executable's path with the extension
// ".html" (Japanese) or ".en.html" (English); an installed copy is also found
// in <prefix>/share/kirabel/. The page in the interface's language comes
// first; without it the Japanese page is shown.
// Opening a URL goes through a replaceable opener so tests launch no browser.
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

#include "texts/interface_language.h"

class QWidget;

namespace kirabel {

class HelpViewer {
 public:
  using Opener = std::function<bool(const QUrl&)>;

  // The places where the help page is looked for, in order.
  static QStringList candidates(const QString& executablePath,
                                InterfaceLanguage language = InstalledLanguage());
  // The first candidate that exists, or an empty string.
  static QString find(const QString& executablePath,
                      InterfaceLanguage language = InstalledLanguage());
  // The page's URL at the help topic.
  static QUrl topicUrl(const QString& helpFile);

  // Opens the help of the running program; a missing page or a browser that
  // cannot be started is reported with a warning. Returns true when opened.
  static bool show(QWidget* parent);
  static bool show(QWidget* parent, const QString& executablePath);

  // The user's guide (the executable's path with the extension ".guide.md",
  // or the installed copy), opened as the help page is.
  static QStringList guideCandidates(const QString& executablePath);
  static bool showGuide(QWidget* parent);
  static bool showGuide(QWidget* parent, const QString& executablePath);

  // Replaces the URL opener (QDesktopServices::openUrl); an empty one restores it.
  static void setOpener(Opener opener);
};

}  // namespace kirabel

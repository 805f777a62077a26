#pragma once
// Which language the programs speak. The texts in the code are Japanese; an
// English catalogue translates them, and Qt's own Japanese catalogue covers the
// standard dialogs when the interface is Japanese.
#include <QString>
#include <QStringList>

#include "model/options.h"

class QCoreApplication;

namespace kirabel {

enum class InterfaceLanguage { kJapanese, kEnglish };

// The desktop program: Japanese when the locale is C/POSIX or unset, or when
// the user's first interface language is Japanese; English for any other.
// A fixed choice in the options wins.
InterfaceLanguage DesktopLanguage(LanguageChoice choice, const QString& localeName,
                                  const QStringList& uiLanguages);
// The same for this system's locale (QLocale::system()).
InterfaceLanguage DesktopLanguage(LanguageChoice choice);

// The command-line tool follows its user's locale as other tools do: Japanese
// only when LC_ALL, else LC_MESSAGES, else LANG names Japanese.
InterfaceLanguage CommandLineLanguage(const char* lcAll, const char* lcMessages, const char* lang);
// The same for this process's environment.
InterfaceLanguage CommandLineLanguage();

// Installs the translations for a language: for English the catalogue named
// (embedded as ":/i18n/<catalogue>.qm"); for Japanese, Qt's own Japanese texts
// when they are installed. The translators live as long as the program.
// Returns false when the catalogue could not be loaded.
bool InstallTranslations(InterfaceLanguage language, const QString& englishCatalogue,
                         const QString& japaneseCatalogue = QString());

// The language last installed; Japanese before any (as the texts in the code).
InterfaceLanguage InstalledLanguage();

}  // namespace kirabel

#include "texts/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <cstdlib>

namespace kirabel {
namespace {

bool NamesJapanese(const QString& language) {
  return language == QLatin1String("ja") || language.startsWith(QLatin1String("ja_")) ||
         language.startsWith(QLatin1String("ja-"));
}

bool IsPlainLocale(const QString& localeName) {
  return localeName.isEmpty() || localeName == QLatin1String("C") ||
         localeName == QLatin1String("POSIX");
}

// The locale name of a locale variable, without encoding and modifier:
// "ja_JP.UTF-8@x" gives "ja_JP".
QString LocaleNameOf(const char* value) {
  QString name = QString::fromLocal8Bit(value ? value : "");
  return name.left(name.indexOf(QRegularExpression(QStringLiteral("[.@]"))));
}

InterfaceLanguage installedLanguage = InterfaceLanguage::kJapanese;

bool Install(const QString& name, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
    return true;
  delete translator;
  return false;
}

}  // namespace

InterfaceLanguage DesktopLanguage(LanguageChoice choice, const QString& localeName,
                                  const QStringList& uiLanguages) {
  if (choice == LanguageChoice::kJapanese) return InterfaceLanguage::kJapanese;
  if (choice == LanguageChoice::kEnglish) return InterfaceLanguage::kEnglish;
  if (IsPlainLocale(localeName) || uiLanguages.isEmpty() || IsPlainLocale(uiLanguages.first()) ||
      NamesJapanese(uiLanguages.first()))
    return InterfaceLanguage::kJapanese;
  return InterfaceLanguage::kEnglish;
}

InterfaceLanguage DesktopLanguage(LanguageChoice choice) {
  const QLocale system = QLocale::system();
  return DesktopLanguage(choice, system.name(), system.uiLanguages());
}

InterfaceLanguage CommandLineLanguage(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value && *value)
      return NamesJapanese(LocaleNameOf(value)) ? InterfaceLanguage::kJapanese
                                                : InterfaceLanguage::kEnglish;
  }
  return InterfaceLanguage::kEnglish;
}

InterfaceLanguage CommandLineLanguage() {
  return CommandLineLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                             std::getenv("LANG"));
}

bool InstallTranslations(InterfaceLanguage language, const QString& englishCatalogue,
                         const QString& japaneseCatalogue) {
  installedLanguage = language;
  if (language == InterfaceLanguage::kEnglish)
    return Install(englishCatalogue, QStringLiteral(":/i18n"));
  Install(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return japaneseCatalogue.isEmpty() || Install(japaneseCatalogue, QStringLiteral(":/i18n"));
}

InterfaceLanguage InstalledLanguage() {
  return installedLanguage;
}

}  // namespace kirabel

#include "texts/interface_language.h"

#include <gtest/gtest.h>

#include <QFile>

namespace kirabel {
namespace {

constexpr auto kJa = InterfaceLanguage::kJapanese;
constexpr auto kEn = InterfaceLanguage::kEnglish;

TEST(InterfaceLanguageTest, DesktopFollowsTheFirstInterfaceLanguageUnlessTheLocaleIsPlain) {
  struct Case {
    LanguageChoice choice;
    const char* locale;
    QStringList languages;
    InterfaceLanguage expected;
  };
  const auto automatic = LanguageChoice::kAutomatic;
  const Case cases[] = {
      {automatic, "C", {"C"}, kJa},
      {automatic, "", {}, kJa},
      {automatic, "POSIX", {"POSIX"}, kJa},
      {automatic, "C", {"fr", "fr-FR"}, kJa},  // LANGUAGE is ignored under the C locale
      {automatic, "ja_JP", {"ja-JP", "ja"}, kJa},
      {automatic, "en_US", {"ja", "en-US"}, kJa},
      {automatic, "en_US", {"en-US", "ja"}, kEn},
      {automatic, "de_DE", {"de-DE", "de"}, kEn},
      {automatic, "zh_CN", {"zh-CN"}, kEn},
      {automatic, "jv_ID", {"jv-ID"}, kEn},  // a language whose code merely starts with "j"
      {LanguageChoice::kEnglish, "ja_JP", {"ja-JP"}, kEn},
      {LanguageChoice::kEnglish, "C", {"C"}, kEn},
      {LanguageChoice::kJapanese, "en_US", {"en-US"}, kJa},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DesktopLanguage(c.choice, QString::fromLatin1(c.locale), c.languages), c.expected)
        << c.locale << " " << c.languages.join(',').toStdString();
  }
}

TEST(InterfaceLanguageTest, CommandLineIsJapaneseOnlyUnderAJapaneseLocale) {
  struct Case {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    InterfaceLanguage expected;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, kEn},
      {nullptr, nullptr, "C.UTF-8", kEn},
      {nullptr, nullptr, "ja_JP.UTF-8", kJa},
      {nullptr, nullptr, "ja_JP.eucJP@x", kJa},
      {nullptr, nullptr, "ja", kJa},
      {"", "", "ja_JP.UTF-8", kJa},  // empty variables do not count
      {"C", nullptr, "ja_JP.UTF-8", kEn},
      {nullptr, "en_US.UTF-8", "ja_JP.UTF-8", kEn},
      {"ja_JP.UTF-8", "en_US.UTF-8", "C", kJa},
      {nullptr, nullptr, "jv_ID", kEn},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandLineLanguage(c.lcAll, c.lcMessages, c.lang), c.expected)
        << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " "
        << (c.lang ? c.lang : "-");
  }
}

TEST(InterfaceLanguageTest, BothCataloguesAreEmbedded) {
  EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/kirabel_en.qm")));
  EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/kirabel-render_ja.qm")));
}

}  // namespace
}  // namespace kirabel

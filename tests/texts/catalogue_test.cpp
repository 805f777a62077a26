// The English catalogue against the code: every Japanese text of the desktop
// program is in it, and every entry is finished, English, and keeps the
// placeholders of its source and an access key where the source has one.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace kirabel {
namespace {

const QString kSourceDir = QStringLiteral(KIRABEL_SOURCE_DIR);

struct Entry {
  QString source;
  QString translation;
  bool finished = true;
};

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

std::vector<Entry> ReadCatalogue(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  std::vector<Entry> entries;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("message")) entries.emplace_back();
    if (xml.name() == QLatin1String("source")) entries.back().source = xml.readElementText();
    if (xml.name() == QLatin1String("translation")) {
      entries.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      entries.back().translation = xml.readElementText();
    }
  }
  return entries;
}

bool HasJapanese(const QString& text) {
  static const QRegularExpression japanese(
      QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
  return text.contains(japanese);
}

QSet<QString> Matches(const QString& pattern, const QString& text) {
  QSet<QString> found;
  auto it = QRegularExpression(pattern).globalMatch(text);
  while (it.hasNext()) found.insert(it.next().captured(0));
  return found;
}

// The string literals of a source file with Japanese in them, adjacent
// literals joined as the compiler joins them; comments are left out.
QStringList JapaneseLiterals(QString code) {
  code.remove(QRegularExpression(QStringLiteral("//[^\\n]*")));
  code.replace(QRegularExpression(QStringLiteral("\"\\s*\"")), QString());
  QStringList literals;
  auto it = QRegularExpression(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\"")).globalMatch(code);
  while (it.hasNext()) {
    const QString literal = it.next().captured(1);
    if (HasJapanese(literal)) literals << literal;
  }
  return literals;
}

TEST(CatalogueTest, EveryEntryIsFinishedEnglishWithPlaceholdersAndAccessKey) {
  const auto entries = ReadCatalogue(kSourceDir + QStringLiteral("/translations/kirabel_en.ts"));
  ASSERT_GT(entries.size(), 100u);
  const QString placeholder = QStringLiteral("%\\d");
  for (const Entry& e : entries) {
    const std::string source = e.source.toStdString();
    EXPECT_TRUE(e.finished && !e.translation.isEmpty()) << source;
    EXPECT_FALSE(HasJapanese(e.translation)) << source;
    EXPECT_EQ(Matches(placeholder, e.source), Matches(placeholder, e.translation)) << source;
    if (e.source.contains(QLatin1Char('&'))) EXPECT_TRUE(e.translation.contains('&')) << source;
  }
}

TEST(CatalogueTest, EveryJapaneseTextOfTheDesktopProgramIsInTheCatalogue) {
  QSet<QString> sources;
  for (const Entry& e : ReadCatalogue(kSourceDir + QStringLiteral("/translations/kirabel_en.ts")))
    sources.insert(e.source);
  // Not interface texts: a font's name, and the names new sets get (user data).
  const QSet<QString> data{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("火花 %1"),
                           QStringLiteral("火花 1")};
  QStringList missing;
  for (const QString& folder :
       {QStringLiteral("/src/ui"), QStringLiteral("/src/document"), QStringLiteral("/src/texts")}) {
    QDirIterator files(kSourceDir + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QString path = files.next();
      for (const QString& literal : JapaneseLiterals(ReadText(path))) {
        if (!sources.contains(literal) && !data.contains(literal)) missing << path + ": " + literal;
      }
    }
  }
  EXPECT_EQ(missing.join(QLatin1Char('\n')).toStdString(), "");
}

}  // namespace
}  // namespace kirabel

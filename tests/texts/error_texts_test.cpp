// The core's errors in both languages: without a translation exactly as their
// what() says, with the English catalogue in English.
#include "texts/error_texts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <cerrno>

#include "platform/errors.h"
#include "platform/io_error.h"

namespace kirabel {
namespace {

struct Case {
  std::exception_ptr error;
  const char* japanese;
  const char* english;
};

std::vector<Case> Cases() {
  return {
      {std::make_exception_ptr(WriteError("出力/x%1.BMP")), "出力/x%1.BMP に書き込めません",
       "出力/x%1.BMP cannot be written"},
      {std::make_exception_ptr(OutOfMemoryError()), "ﾒﾓﾘが足りません", "Not enough memory"},
      {std::make_exception_ptr(FileIOError("a%2.pcl", ENOENT)), "ﾌｧｲﾙが見つかりません (a%2.pcl)",
       "File not found (a%2.pcl)"},
      {std::make_exception_ptr(FileIOError("d/", EISDIR)), "不正なﾌｧｲﾙ名です (d/)",
       "Invalid file name (d/)"},
      {std::make_exception_ptr(FileIOError("a", EMFILE)), "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます (a)",
       "Too many open files (a)"},
      {std::make_exception_ptr(FileIOError("a", EROFS)), "ﾌｧｲﾙへのｱｸｾｽが拒否されました (a)",
       "Access to the file was denied (a)"},
      {std::make_exception_ptr(FileIOError("a", ENOSPC)), "ﾃﾞｨｽｸがいっぱいです (a)",
       "The disk is full (a)"},
      {std::make_exception_ptr(FileIOError("a", EIO)), "I/O ｴﾗｰ (5) (a)", "I/O error (5) (a)"},
      {std::make_exception_ptr(std::runtime_error("ffmpeg")), "ffmpeg", "ffmpeg"},
  };
}

// ErrorText and what() of the case's error.
std::pair<QString, QString> TextAndWhat(const Case& c) {
  try {
    std::rethrow_exception(c.error);
  } catch (const std::exception& e) {
    return {ErrorText(e), QString::fromUtf8(e.what())};
  }
}

TEST(ErrorTextsTest, JapaneseWithoutTranslationIsWhatTheCoreSays) {
  for (const Case& c : Cases()) {
    const auto [text, what] = TextAndWhat(c);
    EXPECT_EQ(what, QString::fromUtf8(c.japanese));
    EXPECT_EQ(text, what);
  }
}

TEST(ErrorTextsTest, EnglishCatalogueTranslatesEveryKnownError) {
  QTranslator english;
  ASSERT_TRUE(english.load(QStringLiteral(":/i18n/kirabel_en.qm")));
  QCoreApplication::installTranslator(&english);
  for (const Case& c : Cases()) EXPECT_EQ(TextAndWhat(c).first, QString::fromUtf8(c.english));
  QCoreApplication::removeTranslator(&english);
}

// Qt's warnings while the test runs (a "%1" left without its argument).
QStringList* warnings = nullptr;
void RecordWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (warnings && type != QtDebugMsg) warnings->append(text);
}

TEST(ErrorTextsTest, WordingAReasonLeavesNoArgumentMissing) {
  QStringList recorded;
  warnings = &recorded;
  const QtMessageHandler previous = qInstallMessageHandler(RecordWarning);
  for (const Case& c : Cases()) TextAndWhat(c);
  ErrorText(FileIOError(std::string(300, 'n'), ENAMETOOLONG), ErrorVoice::kWindowSave);
  qInstallMessageHandler(previous);
  warnings = nullptr;
  EXPECT_TRUE(recorded.isEmpty()) << recorded.join('\n').toStdString();
}

// A failed save names the file first, then the system's reason on a line of its own.
TEST(ErrorTextsTest, WriteFailureNamesTheFileThenTheReason) {
  EXPECT_EQ(ErrorText(FileIOError("d/a%1.gif", ENOENT), ErrorVoice::kWindowSave),
            QStringLiteral("d/a%1.gif に書き込めません\nﾌｧｲﾙが見つかりません"));
  EXPECT_EQ(ErrorText(FileIOError("a.gif", EIO), ErrorVoice::kWindowSave),
            QStringLiteral("a.gif に書き込めません\nI/O ｴﾗｰ (5)"));
  EXPECT_EQ(ErrorText(WriteError("a.gif"), ErrorVoice::kWindowSave),
            QStringLiteral("a.gif に書き込めません"));
}

}  // namespace
}  // namespace kirabel

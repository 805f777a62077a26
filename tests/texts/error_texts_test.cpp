// The core's errors in both languages: without a translation exactly as their
// what() says, with the English catalogue in English.
#include "texts/error_texts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <cerrno>
#include <new>

#include "picture_io/animation_writer.h"
#include "picture_io/exporter.h"
#include "picture_io/soundtrack.h"
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

// A frame error raised for cause, as the exporter raises it.
template <typename Cause>
std::exception_ptr FrameError(int64_t frame, const Cause& cause) {
  try {
    try {
      throw cause;
    } catch (const std::exception& e) {
      std::throw_with_nested(FrameNotWrittenError(frame, e.what()));
    }
  } catch (...) {
    return std::current_exception();
  }
}

// A frame error nested outside any handler: it carries no cause.
std::exception_ptr CauselessFrameError(int64_t frame) {
  try {
    std::throw_with_nested(FrameNotWrittenError(frame, ""));
  } catch (...) {
    return std::current_exception();
  }
}

struct VoicedCase {
  std::exception_ptr error;
  ErrorVoice voice;
  const char* japanese;
  const char* english;
};

// The errors each program words in its own way, and a few both share.
std::vector<VoicedCase> VoicedCases() {
  using V = ErrorVoice;
  const auto e = [](auto error) { return std::make_exception_ptr(error); };
  const EncoderError failed(EncoderError::Kind::kFailed, "a.mp4", "disk said no");
  const SoundtrackError undecodable(SoundtrackError::Kind::kUndecodable, "s.txt", "bad data");
  return {
      {e(PclReadError("a.pcl", PclReadError::Reason::kMissing)), V::kWindow,
       "変なファイルを指定しちゃだめ", "That is not a particle list file."},
      {e(PclReadError("a.pcl", PclReadError::Reason::kNotPcl)), V::kCommandLine,
       "a.pcl: PCL ファイルとして読めません", "a.pcl: cannot be read as a PCL file"},
      {e(ParticleMemoryError(12345678901)), V::kWindow,
       "12345678901個の粒子はメモリに収まりません。粒子の数を減らしてください",
       "12345678901 particles do not fit in memory. Please reduce the number of particles."},
      {e(ParticleMemoryError(12345678901)), V::kCommandLine,
       "粒子 12345678901 個はこのマシンのメモリに収まりません",
       "12345678901 particles do not fit into this machine's memory"},
      {FrameError(2, WriteError("x00002.BMP")), V::kCommandLine,
       "第 2 コマを書き出せません: x00002.BMP に書き込めません",
       "frame 2 not written: x00002.BMP cannot be written"},
      {CauselessFrameError(5), V::kCommandLine,
       "第 5 コマを書き出せません: ", "frame 5 not written: "},
      {FrameError(3, FileIOError("x.gif", ENOSPC)), V::kWindowSave,
       "x.gif に書き込めません\nﾃﾞｨｽｸがいっぱいです", "x.gif cannot be written\nThe disk is full"},
      {e(EncoderError(EncoderError::Kind::kNotStarted, ".gif")), V::kWindow,
       "エンコーダ ffmpeg を起動できません。.gif ファイルを書き出すには ffmpeg "
       "をインストールしてください",
       "The encoder ffmpeg cannot be started; install ffmpeg to write .gif files"},
      {e(failed), V::kCommandLine, "エンコーダ ffmpeg が a.mp4 の作成に失敗しました: disk said no",
       "the encoder ffmpeg failed on a.mp4: disk said no"},
      {e(failed), V::kWindowSave,
       "a.mp4 に書き込めません\nエンコーダ ffmpeg が失敗しました: disk said no",
       "a.mp4 cannot be written\nThe encoder ffmpeg failed: disk said no"},
      {e(SoundtrackError(SoundtrackError::Kind::kMissing, "s.wav")), V::kWindowSave,
       "サウンドトラック s.wav が見つかりません", "The soundtrack s.wav cannot be found"},
      {e(undecodable), V::kWindow, "サウンドトラック s.txt から音を読み取れません: bad data",
       "No sound can be read from the soundtrack s.txt: bad data"},
      {e(SoundtrackError(SoundtrackError::Kind::kMissing, "s.wav")), V::kCommandLine,
       "サウンドトラック s.wav がありません", "the soundtrack s.wav does not exist"},
      {e(undecodable), V::kCommandLine, "サウンドトラック s.txt から音を読み取れません: bad data",
       "the soundtrack s.txt holds no sound that can be decoded: bad data"},
      {e(std::bad_alloc()), V::kCommandLine, "ﾒﾓﾘが足りません", "Not enough memory"},
      {e(std::bad_alloc()), V::kWindow, "ﾒﾓﾘが足りません", "Not enough memory"},
      {e(UnsupportedBitDepthError(16)), V::kWindow, "対応していないビットデプスです",
       "Unsupported bit depth"},
  };
}

// The texts of the cases with the named catalogue installed (none: the code's).
QStringList VoicedTexts(const std::vector<VoicedCase>& cases, const QString& catalogue) {
  QTranslator translator;
  if (!catalogue.isEmpty()) {
    EXPECT_TRUE(translator.load(QStringLiteral(":/i18n/%1.qm").arg(catalogue)));
    QCoreApplication::installTranslator(&translator);
  }
  QStringList texts;
  for (const VoicedCase& c : cases) {
    try {
      std::rethrow_exception(c.error);
    } catch (const std::exception& error) {
      texts << ErrorText(error, c.voice);
    }
  }
  QCoreApplication::removeTranslator(&translator);
  return texts;
}

// The window's Japanese is the code's and its English comes from kirabel_en;
// kirabel-render's Japanese comes from kirabel-render_ja, and its English is
// the code's with the core's errors from kirabel_en (as it installs them).
TEST(ErrorTextsTest, EachProgramWordsEveryErrorInBothLanguages) {
  const std::vector<VoicedCase> cases = VoicedCases();
  const QStringList code = VoicedTexts(cases, QString());
  const QStringList english = VoicedTexts(cases, QStringLiteral("kirabel_en"));
  const QStringList japanese = VoicedTexts(cases, QStringLiteral("kirabel-render_ja"));
  for (int i = 0; i < static_cast<int>(cases.size()); ++i) {
    const bool window = cases[i].voice != ErrorVoice::kCommandLine;
    EXPECT_EQ(window ? code[i] : japanese[i], QString::fromUtf8(cases[i].japanese)) << i;
    EXPECT_EQ(english[i], QString::fromUtf8(cases[i].english)) << i;
  }
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

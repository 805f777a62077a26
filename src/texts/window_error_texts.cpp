// The desktop program's own words for the errors of a launch and an export.
#include <QCoreApplication>

#include "picture_io/animation_writer.h"
#include "picture_io/exporter.h"
#include "picture_io/soundtrack.h"
#include "platform/errors.h"
#include "texts/voiced_error_texts.h"

namespace kirabel {

namespace {

const char kContext[] = "kirabel::ExportTexts";
const char kEncoderMissing[] =
    QT_TRANSLATE_NOOP("kirabel::ExportTexts",
                      "エンコーダ ffmpeg を起動できません。%1 ファイルを書き出すには ffmpeg "
                      "をインストールしてください");
const char kEncoderStopped[] =
    QT_TRANSLATE_NOOP("kirabel::ExportTexts", "エンコーダ ffmpeg が止まりました");
const char kEncoderFailed[] =
    QT_TRANSLATE_NOOP("kirabel::ExportTexts", "エンコーダ ffmpeg が失敗しました");
const char kEmptyAnimation[] = QT_TRANSLATE_NOOP(
    "kirabel::ExportTexts",
    "空間の解像度が %1 ではアニメーションを書き出せません。幅と高さを 1 以上にしてください");
const char kSoundtrackMissing[] =
    QT_TRANSLATE_NOOP("kirabel::ExportTexts", "サウンドトラック %1 が見つかりません");
const char kSoundtrackUndecodable[] =
    QT_TRANSLATE_NOOP("kirabel::ExportTexts", "サウンドトラック %1 から音を読み取れません");

QString Translated(const char* text) {
  return QCoreApplication::translate(kContext, text);
}

// What the encoder said, after our own words, on the same line.
QString WithEncoderReason(const char* text, const EncoderError& error) {
  const QString reason = QString::fromStdString(error.reason());
  return reason.isEmpty() ? Translated(text) : Translated(text) + QStringLiteral(": ") + reason;
}

QString EncoderText(const EncoderError& error) {
  const QString subject = QString::fromStdString(error.subject());
  switch (error.kind()) {
    case EncoderError::Kind::kNotStarted:
      return Translated(kEncoderMissing).arg(subject);
    case EncoderError::Kind::kEmptyPicture:
      return Translated(kEmptyAnimation).arg(subject);
    case EncoderError::Kind::kStopped:
      return CannotWriteText(subject, WithEncoderReason(kEncoderStopped, error));
    case EncoderError::Kind::kFailed:
      break;
  }
  return CannotWriteText(subject, WithEncoderReason(kEncoderFailed, error));
}

// The decoder's own words, when it gave any, on the same line.
QString SoundtrackText(const SoundtrackError& error) {
  const QString fileName = QString::fromStdString(error.fileName());
  if (error.kind() == SoundtrackError::Kind::kMissing)
    return Translated(kSoundtrackMissing).arg(fileName);
  const QString text = Translated(kSoundtrackUndecodable).arg(fileName);
  return error.reason().empty()
             ? text
             : text + QStringLiteral(": ") + QString::fromStdString(error.reason());
}

}  // namespace

std::optional<QString> WindowErrorText(const std::exception& error, ErrorVoice voice) {
  // The window's export writes every frame into one file, so the frame
  // number adds nothing: the cause speaks for itself.
  if (dynamic_cast<const FrameNotWrittenError*>(&error)) {
    if (std::optional<QString> cause = NestedCauseText(error, voice)) return cause;
  }
  if (const auto* e = dynamic_cast<const EncoderError*>(&error)) return EncoderText(*e);
  if (const auto* e = dynamic_cast<const SoundtrackError*>(&error)) return SoundtrackText(*e);
  if (const auto* e = dynamic_cast<const ParticleMemoryError*>(&error)) {
    return QCoreApplication::translate("kirabel::LaunchTexts", kParticleMemoryText)
        .arg(qlonglong(e->particles()));
  }
  return std::nullopt;
}

}  // namespace kirabel

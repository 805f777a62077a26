#include "ui/export_texts.h"

#include <QCoreApplication>

#include "picture_io/animation_writer.h"
#include "picture_io/exporter.h"
#include "texts/error_texts.h"

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

QString Translated(const char* text) {
  return QCoreApplication::translate(kContext, text);
}

// What the encoder said, after our own words, on the same line.
QString WithEncoderReason(const char* text, const EncoderError& error) {
  const QString reason = QString::fromStdString(error.reason());
  return reason.isEmpty() ? Translated(text) : Translated(text) + QStringLiteral(": ") + reason;
}

QString EncoderFailureText(const EncoderError& error) {
  const QString subject = QString::fromStdString(error.subject());
  switch (error.kind()) {
    case EncoderError::Kind::kNotStarted:
      return Translated(kEncoderMissing).arg(subject);
    case EncoderError::Kind::kEmptyPicture:
      return EmptyAnimationText(subject);
    case EncoderError::Kind::kStopped:
      return CannotWriteText(subject, WithEncoderReason(kEncoderStopped, error));
    case EncoderError::Kind::kFailed:
      break;
  }
  return CannotWriteText(subject, WithEncoderReason(kEncoderFailed, error));
}

}  // namespace

QString ExportFailureText(const std::exception& error) {
  // Every frame goes into the one file, so the frame number adds nothing.
  if (dynamic_cast<const FrameNotWrittenError*>(&error)) {
    try {
      std::rethrow_if_nested(error);
    } catch (const std::exception& cause) {
      return ExportFailureText(cause);
    } catch (...) {
    }
  }
  if (const auto* e = dynamic_cast<const EncoderError*>(&error)) return EncoderFailureText(*e);
  return WriteFailureText(error);
}

QString EmptyAnimationText(const QString& size) {
  return Translated(kEmptyAnimation).arg(size);
}

}  // namespace kirabel

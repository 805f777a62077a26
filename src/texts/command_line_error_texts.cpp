// kirabel-render's own words for the errors of a run (English in the code,
// translated by its own catalogue).
#include <QCoreApplication>

#include "picture_io/animation_writer.h"
#include "picture_io/exporter.h"
#include "picture_io/sky_photo.h"
#include "picture_io/soundtrack.h"
#include "platform/errors.h"
#include "texts/voiced_error_texts.h"

namespace kirabel {

namespace {

// Names given on the command line are in the locale's encoding.
QString FromLocal(const std::string& bytes) {
  return QString::fromLocal8Bit(bytes.c_str());
}

QString EncoderText(const EncoderError& error) {
  const QString subject = FromLocal(error.subject());
  switch (error.kind()) {
    case EncoderError::Kind::kNotStarted:
      return QCoreApplication::translate(
                 "kirabel::cli",
                 "the encoder ffmpeg cannot be started; install ffmpeg to write %1 files")
          .arg(subject);
    case EncoderError::Kind::kEmptyPicture:
      return QCoreApplication::translate(
                 "kirabel::cli",
                 "cannot make an animation of a %1 space: it needs at least 1x1 pixels")
          .arg(subject);
    case EncoderError::Kind::kStopped:
      return QCoreApplication::translate("kirabel::cli", "the encoder ffmpeg stopped");
    case EncoderError::Kind::kFailed:
      break;
  }
  return QCoreApplication::translate("kirabel::cli", "the encoder ffmpeg failed on %1")
      .arg(subject);
}

// The encoder's own words, when it gave any, follow as the reason.
QString EncoderTextWithReason(const EncoderError& error) {
  const QString message = EncoderText(error);
  if (error.reason().empty()) return message;
  return QStringLiteral("%1: %2").arg(message, FromLocal(error.reason()));
}

QString SoundtrackText(const SoundtrackError& error) {
  const QString fileName = FromLocal(error.fileName());
  if (error.kind() == SoundtrackError::Kind::kMissing) {
    return QCoreApplication::translate("kirabel::cli", "the soundtrack %1 does not exist")
        .arg(fileName);
  }
  const QString text = QCoreApplication::translate(
                           "kirabel::cli", "the soundtrack %1 holds no sound that can be decoded")
                           .arg(fileName);
  return error.reason().empty() ? text
                                : QStringLiteral("%1: %2").arg(text, FromLocal(error.reason()));
}

}  // namespace

std::optional<QString> CommandLineErrorText(const std::exception& error) {
  if (const auto* e = dynamic_cast<const FrameNotWrittenError*>(&error)) {
    return QCoreApplication::translate("kirabel::cli", "frame %1 not written: %2")
        .arg(QString::number(e->frame()),
             NestedCauseText(error, ErrorVoice::kCommandLine).value_or(QString()));
  }
  if (const auto* e = dynamic_cast<const EncoderError*>(&error)) return EncoderTextWithReason(*e);
  if (const auto* e = dynamic_cast<const SoundtrackError*>(&error)) return SoundtrackText(*e);
  if (const auto* e = dynamic_cast<const SkyPhotoError*>(&error)) {
    return QCoreApplication::translate("kirabel::cli", "the sky photo %1 cannot be read")
        .arg(QString::fromUtf8(e->fileName().c_str()));
  }
  if (const auto* e = dynamic_cast<const ParticleMemoryError*>(&error)) {
    return QCoreApplication::translate("kirabel::cli",
                                       "%1 particles do not fit into this machine's memory")
        .arg(e->particles());
  }
  if (const auto* e = dynamic_cast<const PclReadError*>(&error)) {
    return QCoreApplication::translate("kirabel::cli", "%1: cannot be read as a PCL file")
        .arg(FromLocal(e->fileName()));
  }
  return std::nullopt;
}

}  // namespace kirabel

#include "cli/error_messages.h"

#include <QCoreApplication>

#include "cli/console.h"
#include "picture_io/animation_writer.h"
#include "picture_io/exporter.h"
#include "texts/error_texts.h"

namespace kirabel::cli {

namespace {

QString EncoderMessage(const EncoderError& error) {
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
QString EncoderMessageWithReason(const EncoderError& error) {
  const QString message = EncoderMessage(error);
  if (error.reason().empty()) return message;
  return QStringLiteral("%1: %2").arg(message, FromLocal(error.reason()));
}

// The message of the error a frame error was raised for.
QString CauseOf(const FrameNotWrittenError& error) {
  try {
    std::rethrow_if_nested(error);
  } catch (const std::exception& cause) {
    return MessageOf(cause);
  } catch (...) {
  }
  return QString();
}

}  // namespace

QString MessageOf(const std::exception& error) {
  if (const auto* e = dynamic_cast<const FrameNotWrittenError*>(&error)) {
    return QCoreApplication::translate("kirabel::cli", "frame %1 not written: %2")
        .arg(QString::number(e->frame()), CauseOf(*e));
  }
  if (const auto* e = dynamic_cast<const EncoderError*>(&error))
    return EncoderMessageWithReason(*e);
  return ErrorText(error);
}

}  // namespace kirabel::cli

#include "ui/launch/export_texts.h"

#include "picture_io/animation_writer.h"
#include "texts/error_texts.h"

namespace kirabel {

QString ExportFailureText(const std::exception& error) {
  return ErrorText(error, ErrorVoice::kWindowSave);
}

QString EmptyAnimationText(const QString& size) {
  return ErrorText(EncoderError(EncoderError::Kind::kEmptyPicture, size.toStdString()));
}

}  // namespace kirabel

#include "ui/dialogs/byte_limit_validator.h"

#include "platform/sjis.h"

namespace kirabel {

FileByteLimitValidator::FileByteLimitValidator(std::size_t maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State FileByteLimitValidator::validate(QString& input, int&) const {
  const std::string bytes = EncodeFileText(input.toStdString());
  return bytes.size() <= maxBytes_ ? Acceptable : Invalid;
}

}  // namespace kirabel

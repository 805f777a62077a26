#include "texts/error_texts.h"

#include <QCoreApplication>

#include "platform/errors.h"
#include "platform/io_error.h"

namespace kirabel {
namespace {

// The core marks its texts with KIRABEL_TRANSLATABLE in this context.
QString Translated(const char* text) {
  return QCoreApplication::translate("kirabel::ErrorTexts", text);
}

QString FromCore(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

}  // namespace

QString ErrorText(const std::exception& error) {
  if (const auto* e = dynamic_cast<const WriteError*>(&error))
    return Translated(kWriteErrorText).arg(FromCore(e->fileName()));
  if (dynamic_cast<const OutOfMemoryError*>(&error)) return Translated(kOutOfMemoryText);
  if (const auto* e = dynamic_cast<const FileIOError*>(&error)) {
    const QString reason = Translated(IOErrorReasonText(e->code())).arg(e->code());
    return QStringLiteral("%1 (%2)").arg(reason, FromCore(e->fileName()));
  }
  return QString::fromUtf8(error.what());
}

}  // namespace kirabel

#include "texts/error_texts.h"

#include <QCoreApplication>
#include <cstring>

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

// The system's reason for an error code; only the catch-all reason has a
// place for the code itself.
QString ReasonText(int code) {
  const char* text = IOErrorReasonText(code);
  const QString reason = Translated(text);
  return std::strstr(text, "%1") ? reason.arg(code) : reason;
}

}  // namespace

QString ErrorText(const std::exception& error) {
  if (const auto* e = dynamic_cast<const WriteError*>(&error))
    return CannotWriteText(FromCore(e->fileName()));
  if (dynamic_cast<const OutOfMemoryError*>(&error)) return Translated(kOutOfMemoryText);
  if (const auto* e = dynamic_cast<const FileIOError*>(&error)) {
    return QStringLiteral("%1 (%2)").arg(ReasonText(e->code()), FromCore(e->fileName()));
  }
  return QString::fromUtf8(error.what());
}

QString CannotWriteText(const QString& fileName, const QString& reason) {
  const QString text = Translated(kWriteErrorText).arg(fileName);
  return reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
}

QString WriteFailureText(const std::exception& error) {
  if (const auto* e = dynamic_cast<const FileIOError*>(&error))
    return CannotWriteText(FromCore(e->fileName()), ReasonText(e->code()));
  return ErrorText(error);
}

}  // namespace kirabel

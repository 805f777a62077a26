#include "texts/error_texts.h"

#include <QCoreApplication>
#include <cstring>
#include <exception>
#include <new>

#include "picture_io/sky_photo.h"
#include "platform/errors.h"
#include "platform/io_error.h"
#include "texts/voiced_error_texts.h"

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

// The errors both programs word alike.
QString SharedErrorText(const std::exception& error, ErrorVoice voice) {
  if (const auto* e = dynamic_cast<const WriteError*>(&error))
    return CannotWriteText(FromCore(e->fileName()));
  if (const auto* e = dynamic_cast<const SkyPhotoError*>(&error))
    return Translated(kSkyPhotoErrorText).arg(FromCore(e->fileName()));
  if (const auto* e = dynamic_cast<const FileIOError*>(&error)) {
    if (voice == ErrorVoice::kWindowSave)
      return CannotWriteText(FromCore(e->fileName()), ReasonText(e->code()));
    return QStringLiteral("%1 (%2)").arg(ReasonText(e->code()), FromCore(e->fileName()));
  }
  // The other errors of the core are one fixed text each.
  if (dynamic_cast<const KirabelError*>(&error)) return Translated(error.what());
  return QString::fromUtf8(error.what());
}

}  // namespace

QString ErrorText(const std::exception& error, ErrorVoice voice) {
  if (dynamic_cast<const std::bad_alloc*>(&error)) return ErrorText(OutOfMemoryError(), voice);
  const std::optional<QString> voiced = voice == ErrorVoice::kCommandLine
                                            ? CommandLineErrorText(error)
                                            : WindowErrorText(error, voice);
  return voiced ? *voiced : SharedErrorText(error, voice);
}

QString ErrorText(const std::exception_ptr& error, ErrorVoice voice) {
  if (!error) return QString();
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& failure) {
    return ErrorText(failure, voice);
  } catch (...) {
  }
  return QString();
}

QString CannotWriteText(const QString& fileName, const QString& reason) {
  const QString text = Translated(kWriteErrorText).arg(fileName);
  return reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
}

std::optional<QString> NestedCauseText(const std::exception& error, ErrorVoice voice) {
  // An error nested outside a handler holds no cause; rethrowing it would end the program.
  const auto* nested = dynamic_cast<const std::nested_exception*>(&error);
  if (!nested || !nested->nested_ptr()) return std::nullopt;
  try {
    nested->rethrow_nested();
  } catch (const std::exception& cause) {
    return ErrorText(cause, voice);
  } catch (...) {
  }
  return std::nullopt;
}

}  // namespace kirabel

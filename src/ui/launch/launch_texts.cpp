#include "ui/launch/launch_texts.h"

#include <QCoreApplication>

#include "platform/errors.h"
#include "texts/error_texts.h"

namespace kirabel {

QString ParticleCountQuestion(int64_t particles) {
  return QCoreApplication::translate("kirabel::LaunchTexts",
                                     "%1個の粒子が作られます。計算を続けていいですか？")
      .arg(qlonglong(particles));
}

QString ParticleMemoryRefusal(int64_t particles) {
  return ErrorText(ParticleMemoryError(particles));
}

QString FailureText(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& failure) {
    try {
      std::rethrow_if_nested(failure);
    } catch (const std::exception& cause) {
      return ErrorText(cause);
    }
    return ErrorText(failure);
  }
}

}  // namespace kirabel

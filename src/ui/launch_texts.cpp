#include "ui/launch_texts.h"

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

}  // namespace kirabel

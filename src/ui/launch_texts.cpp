#include "ui/launch_texts.h"

#include <QCoreApplication>

namespace kirabel {

QString ParticleCountQuestion(int64_t particles) {
  return QCoreApplication::translate("kirabel::LaunchTexts",
                                     "%1個の粒子が作られます。計算を続けていいですか？")
      .arg(qlonglong(particles));
}

QString ParticleMemoryRefusal(int64_t particles) {
  return QCoreApplication::translate("kirabel::LaunchTexts",
                                     "%1個の粒子はメモリに収まりません。粒子の数を減らしてください")
      .arg(qlonglong(particles));
}

}  // namespace kirabel

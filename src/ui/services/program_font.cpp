#include "ui/services/program_font.h"

#include <QStringList>

namespace kirabel {

QFont ProgramFont() {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("TakaoPGothic"),
                    QStringLiteral("Sans Serif")});
  font.setPixelSize(12);
  return font;
}

}  // namespace kirabel

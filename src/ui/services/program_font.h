#pragma once
// The font every window of the program uses: "ＭＳ Ｐゴシック" at 12 pixels,
// falling back to the proportional Japanese gothic faces found on Linux.
#include <QFont>

namespace kirabel {

QFont ProgramFont();

}  // namespace kirabel

#pragma once
// Writing the space picture to a file: a 24-bit BMP file, or a PNG file when
// the chosen name ends in ".png" (any letter case).
#include <QString>

namespace kirabel {

class TDIBitmap;

// Writes the picture; raises WriteError (or the BMP writer's error) when the
// file cannot be written.
void SavePicture(const TDIBitmap& bitmap, const QString& fileName);

}  // namespace kirabel

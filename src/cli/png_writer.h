#pragma once
// Writes a TDIBitmap as a PNG file through Qt's image writer.
#include <string>

namespace kirabel {
class TDIBitmap;
}

namespace kirabel::cli {

// The PNG name of an automatic-save file name: its ".BMP" becomes ".png".
std::string PngFileName(const std::string& bmpFileName);

// Raises KirabelError (file name and reason) when the file cannot be written.
void SavePng(const TDIBitmap& bitmap, const std::string& fileName);

}  // namespace kirabel::cli

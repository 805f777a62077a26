#pragma once
// File names of the headless renderer's PNG frames.
#include <string>

namespace kirabel::cli {

// The PNG name of an automatic-save file name: its ".BMP" becomes ".png".
std::string PngFileName(const std::string& bmpFileName);

}  // namespace kirabel::cli

#include "cli/png_writer.h"

namespace kirabel::cli {

std::string PngFileName(const std::string& bmpFileName) {
  const std::string bmp = ".BMP";
  if (bmpFileName.size() >= bmp.size() &&
      bmpFileName.compare(bmpFileName.size() - bmp.size(), bmp.size(), bmp) == 0) {
    return bmpFileName.substr(0, bmpFileName.size() - bmp.size()) + ".png";
  }
  return bmpFileName + ".png";
}

}  // namespace kirabel::cli

#include "cli/png_writer.h"

#include <QImage>
#include <QImageWriter>
#include <QString>

#include "image/dibs.h"
#include "platform/errors.h"

namespace kirabel::cli {

std::string PngFileName(const std::string& bmpFileName) {
  const std::string bmp = ".BMP";
  if (bmpFileName.size() >= bmp.size() &&
      bmpFileName.compare(bmpFileName.size() - bmp.size(), bmp.size(), bmp) == 0) {
    return bmpFileName.substr(0, bmpFileName.size() - bmp.size()) + ".png";
  }
  return bmpFileName + ".png";
}

void SavePng(const TDIBitmap& bitmap, const std::string& fileName) {
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  if (w <= 0 || h <= 0) throw KirabelError(fileName + ": an empty picture cannot be a PNG file");
  QImage image(w, h, QImage::Format_RGB888);
  if (image.isNull()) throw KirabelError(fileName + ": not enough memory for the picture");
  for (int y = 0; y < h; ++y) {
    const uint8_t* from = bitmap.Bits() + static_cast<std::size_t>(h - 1 - y) * bitmap.RowBytes();
    uchar* to = image.scanLine(y);
    for (int x = 0; x < w; ++x) {
      to[3 * x + 0] = from[3 * x + 2];
      to[3 * x + 1] = from[3 * x + 1];
      to[3 * x + 2] = from[3 * x + 0];
    }
  }
  QImageWriter writer(QString::fromLocal8Bit(fileName.c_str()), "png");
  if (!writer.write(image)) {
    throw KirabelError(fileName + ": " + writer.errorString().toStdString());
  }
}

}  // namespace kirabel::cli

#include "ui/picture_export.h"

#include <QFileInfo>
#include <cstring>

#include "image/dibs.h"
#include "platform/errors.h"

namespace kirabel {

QImage ToQImage(const TDIBitmap& bitmap) {
  const int width = bitmap.Width();
  const int height = bitmap.Height();
  if (width <= 0 || height <= 0 || !bitmap.Bits()) return QImage();
  QImage image(width, height, QImage::Format_RGB888);
  if (image.isNull()) throw OutOfMemoryError();
  for (int y = 0; y < height; ++y) {
    const uint8_t* source = bitmap.Bits() + static_cast<std::size_t>(height - 1 - y) *
                                                static_cast<std::size_t>(bitmap.RowBytes());
    uchar* target = image.scanLine(y);
    for (int x = 0; x < width; ++x) {
      target[3 * x] = source[3 * x + 2];
      target[3 * x + 1] = source[3 * x + 1];
      target[3 * x + 2] = source[3 * x];
    }
  }
  return image;
}

void SavePicture(const TDIBitmap& bitmap, const QString& fileName) {
  const std::string name = fileName.toStdString();
  if (QFileInfo(fileName).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0) {
    if (!ToQImage(bitmap).save(fileName, "PNG")) throw WriteError(name);
    return;
  }
  bitmap.SaveToFile(name, 24);
}

}  // namespace kirabel

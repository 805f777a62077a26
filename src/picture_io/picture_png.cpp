#include "picture_io/picture_png.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

#include "image/picture.h"
#include "platform/errors.h"
#include "platform/replacing_file.h"

namespace kirabel {

QImage DibToQImage(const Picture& bitmap) {
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

void SavePngFile(const Picture& bitmap, const std::string& fileName) {
  const QImage image = DibToQImage(bitmap);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !QImageWriter(&buffer, "png").write(image)) throw WriteError(fileName);
  try {
    ReplacingFile file(fileName);
    file.Write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    file.Commit();
  } catch (const KirabelError&) {
    throw WriteError(fileName);
  }
}

}  // namespace kirabel

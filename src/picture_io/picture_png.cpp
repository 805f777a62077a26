#include "picture_io/picture_png.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

#include "image/picture.h"
#include "platform/errors.h"
#include "platform/replacing_file.h"
#include "simulation/space_buffer.h"

namespace kirabel {

QImage PictureToQImage(const Picture& picture) {
  const int width = picture.Width();
  const int height = picture.Height();
  if (width <= 0 || height <= 0 || !picture.Bits()) return QImage();
  QImage image(width, height, QImage::Format_RGB888);
  if (image.isNull()) throw OutOfMemoryError();
  for (int y = 0; y < height; ++y) {
    const uint8_t* source = picture.Row(y);
    uchar* target = image.scanLine(y);
    for (int x = 0; x < width; ++x) {
      target[3 * x] = source[3 * x + 2];
      target[3 * x + 1] = source[3 * x + 1];
      target[3 * x + 2] = source[3 * x];
    }
  }
  return image;
}

namespace {

// The pixel density every PNG file states (96 dots per inch). A new image
// takes the screen's, so the same picture would differ byte for byte between
// the desktop program, kirabel-render and one screen and the next.
constexpr int kDotsPerMeter = 3780;

// Encodes image as PNG in memory, then writes it beside the old file and puts
// it in place only when complete.
void WritePng(QImage image, const std::string& fileName) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  if (image.isNull() || !QImageWriter(&buffer, "png").write(image)) throw WriteError(fileName);
  // The file's own errors name it and keep the system's reason.
  ReplacingFile file(fileName);
  file.Write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  file.Commit();
}

}  // namespace

void SavePngFile(const Picture& picture, const std::string& fileName) {
  WritePng(PictureToQImage(picture), fileName);
}

void SavePng16File(const SpaceBuffer& space, const std::string& fileName) {
  QImage image(space.Width(), space.Height(), QImage::Format_RGBX64);
  if (space.Width() > 0 && space.Height() > 0 && image.isNull()) throw OutOfMemoryError();
  for (int32_t y = 0; y < space.Height(); ++y) {
    auto* target = reinterpret_cast<uint16_t*>(image.scanLine(y));
    const uint16_t* pixel = space.Pixel(0, y);
    for (int32_t x = 0; x < space.Width(); ++x, pixel += SpaceBuffer::kValuesPerPixel) {
      target[4 * x] = pixel[0];
      target[4 * x + 1] = pixel[1];
      target[4 * x + 2] = pixel[2];
      target[4 * x + 3] = 0xFFFF;
    }
  }
  WritePng(image, fileName);
}

}  // namespace kirabel

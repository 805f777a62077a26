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

// A 16-bit image whose pixel (x, y) has the channels valueAt(x, y, c).
template <class ValueAt>
QImage Image16(int32_t width, int32_t height, const ValueAt& valueAt) {
  QImage image(width, height, QImage::Format_RGBX64);
  if (width > 0 && height > 0 && image.isNull()) throw OutOfMemoryError();
  for (int32_t y = 0; y < height; ++y) {
    auto* target = reinterpret_cast<uint16_t*>(image.scanLine(y));
    for (int32_t x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) target[4 * x + c] = valueAt(x, y, c);
      target[4 * x + 3] = 0xFFFF;
    }
  }
  return image;
}

void SavePng16File(const SpaceBuffer& space, const std::string& fileName) {
  WritePng(Image16(space.Width(), space.Height(),
                   [&](int32_t x, int32_t y, int c) {
                     return static_cast<uint16_t>(std::min<uint32_t>(space.Value(c, x, y), 65535u));
                   }),
           fileName);
}

void SavePng16File(const std::vector<uint16_t>& rgb, int32_t width, int32_t height,
                   const std::string& fileName) {
  WritePng(Image16(width, height,
                   [&](int32_t x, int32_t y, int c) {
                     return rgb[3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                     static_cast<std::size_t>(x)) +
                                static_cast<std::size_t>(c)];
                   }),
           fileName);
}

namespace {

// The image of straight RGBA values; Qt keeps them unmultiplied in the file.
template <class Value>
QImage ImageWithAlpha(const std::vector<Value>& rgba, int32_t width, int32_t height,
                      QImage::Format format) {
  QImage image(width, height, format);
  if (width > 0 && height > 0 && image.isNull()) throw OutOfMemoryError();
  const std::size_t row = 4 * static_cast<std::size_t>(std::max(width, 0));
  for (int32_t y = 0; y < height; ++y) {
    const std::size_t start = row * static_cast<std::size_t>(y);
    if (rgba.size() < start + row) break;
    std::copy_n(rgba.begin() + static_cast<std::ptrdiff_t>(start), row,
                reinterpret_cast<Value*>(image.scanLine(y)));
  }
  return image;
}

}  // namespace

void SavePngWithAlpha(const std::vector<uint8_t>& rgba, int32_t width, int32_t height,
                      const std::string& fileName) {
  WritePng(ImageWithAlpha(rgba, width, height, QImage::Format_RGBA8888), fileName);
}

void SavePngWithAlpha(const std::vector<uint16_t>& rgba, int32_t width, int32_t height,
                      const std::string& fileName) {
  WritePng(ImageWithAlpha(rgba, width, height, QImage::Format_RGBA64), fileName);
}

}  // namespace kirabel

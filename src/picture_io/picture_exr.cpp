#include "picture_io/picture_exr.h"

#include <ImfArray.h>
#include <ImfHeader.h>
#include <ImfIO.h>
#include <ImfRgbaFile.h>

#include <algorithm>
#include <cstring>
#include <exception>

#include "platform/errors.h"
#include "platform/replacing_file.h"

namespace kirabel {

namespace {

// The encoder's output held in memory, so that the file itself is written
// only through the safe save path.
class MemoryStream : public Imf::OStream {
 public:
  MemoryStream() : Imf::OStream("memory") {}
  void write(const char data[], int size) override {
    const std::size_t end = position_ + static_cast<std::size_t>(size);
    if (bytes_.size() < end) bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, data, static_cast<std::size_t>(size));
    position_ = end;
  }
  uint64_t tellp() override { return position_; }
  void seekp(uint64_t position) override { position_ = static_cast<std::size_t>(position); }
  const std::vector<char>& Bytes() const { return bytes_; }

 private:
  std::vector<char> bytes_;
  std::size_t position_ = 0;
};

std::vector<char> EncodeExr(const std::vector<float>& rgba, int32_t width, int32_t height) {
  Imf::Array2D<Imf::Rgba> pixels(height, width);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const float* p = &rgba[4 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                  static_cast<std::size_t>(x))];
      pixels[y][x] = Imf::Rgba(p[0], p[1], p[2], p[3]);
    }
  }
  MemoryStream stream;
  Imf::RgbaOutputFile file(stream, Imf::Header(width, height), Imf::WRITE_RGBA);
  file.setFrameBuffer(&pixels[0][0], 1, static_cast<std::size_t>(width));
  file.writePixels(height);
  return stream.Bytes();
}

}  // namespace

void SaveExrFile(const std::vector<float>& rgba, int32_t width, int32_t height,
                 const std::string& fileName) {
  const std::size_t pixels =
      static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0));
  if (width < 1 || height < 1 || rgba.size() < 4 * pixels) throw WriteError(fileName);
  std::vector<char> bytes;
  try {
    bytes = EncodeExr(rgba, width, height);
  } catch (const std::bad_alloc&) {
    throw OutOfMemoryError();
  } catch (const std::exception&) {
    throw WriteError(fileName);
  }
  // The file's own errors name it and keep the system's reason.
  ReplacingFile file(fileName);
  file.Write(bytes.data(), bytes.size());
  file.Commit();
}

}  // namespace kirabel

// Frames for compositing: OpenEXR frames hold the developer's linear light,
// and PNG frames with alpha give the opaque frame back over black.
#include <ImfArray.h>
#include <ImfRgbaFile.h>
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "image/picture.h"
#include "picture_io/frame_writer.h"
#include "platform/errors.h"
#include "simulation/frame_developer.h"
#include "simulation/space_buffer.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::ScratchFolder;

constexpr int32_t kWidth = 7;
constexpr int32_t kHeight = 4;

Look FilmLook(double exposure) {
  Look look;
  look.light = Look::Light::kFilm;
  look.exposure = exposure;
  return look;
}

// A space with light of several colours and strengths, some of it beyond
// full white, and unlit pixels between.
SpaceBuffer LitSpace(bool linear) {
  SpaceBuffer space(kWidth, kHeight, linear);
  for (int32_t y = 0; y < kHeight; ++y) {
    for (int32_t x = 0; x < kWidth; x += 2) {
      const uint32_t level = static_cast<uint32_t>(1000 * (x + 1) * (y + 1));
      const uint32_t values[3] = {level * 3, level, level / 2};
      for (int c = 0; c < 3; ++c) {
        if (linear) {
          space.LinearPixel(x, y)[c] = values[c];
        } else {
          space.Pixel(x, y)[c] = static_cast<uint16_t>(std::min<uint32_t>(values[c], 65535));
        }
      }
    }
  }
  return space;
}

std::vector<float> ReadExr(const std::string& path) {
  Imf::RgbaInputFile file(path.c_str());
  const auto window = file.dataWindow();
  const int width = window.max.x - window.min.x + 1;
  const int height = window.max.y - window.min.y + 1;
  EXPECT_EQ(width, kWidth);
  EXPECT_EQ(height, kHeight);
  Imf::Array2D<Imf::Rgba> pixels(height, width);
  file.setFrameBuffer(&pixels[0][0], 1, static_cast<std::size_t>(width));
  file.readPixels(window.min.y, window.max.y);
  std::vector<float> rgba;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Imf::Rgba& p = pixels[y][x];
      rgba.insert(rgba.end(), {float(p.r), float(p.g), float(p.b), float(p.a)});
    }
  }
  return rgba;
}

TEST(LightFrames, ExrHoldsTheLinearLightAndFollowsTheExposure) {
  ScratchFolder scratch;
  const SpaceBuffer space = LitSpace(true);
  std::vector<float> at[2];
  for (int exposure : {0, 1}) {
    const FrameDeveloper developer(FilmLook(exposure));
    const std::string path = scratch.File("light" + std::to_string(exposure) + ".exr");
    WriteFrame(space, Picture(), path, PictureFormat::kExr, &developer);
    std::vector<float> expected;
    developer.LinearLight(space, expected);
    at[exposure] = ReadExr(path);
    ASSERT_EQ(at[exposure].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
      EXPECT_NEAR(at[exposure][i], expected[i], 1e-3 * std::max(1.0f, expected[i])) << i;
  }
  for (std::size_t i = 0; i < at[0].size(); ++i) {
    if (i % 4 != 3) EXPECT_FLOAT_EQ(at[1][i], 2 * at[0][i]) << i;  // alpha is held at 1
  }
}

TEST(LightFrames, ExrRefusalLeavesNothingBehind) {
  ScratchFolder scratch;
  const SpaceBuffer space = LitSpace(false);
  EXPECT_THROW(WriteFrame(space, Picture(), scratch.File("missing/f.exr"), PictureFormat::kExr),
               KirabelError);
  // Without a developer the frame is the classic look's light.
  WriteFrame(space, Picture(), scratch.File("classic.exr"), PictureFormat::kExr);
  std::vector<float> expected;
  FrameDeveloper(Look{}).LinearLight(space, expected);
  const std::vector<float> read = ReadExr(scratch.File("classic.exr"));
  ASSERT_EQ(read.size(), expected.size());
  for (std::size_t i = 0; i < read.size(); ++i) EXPECT_NEAR(read[i], expected[i], 1e-3) << i;
}

TEST(LightFrames, PngWithAlphaOverBlackIsTheOpaqueFrame) {
  ScratchFolder scratch;
  for (const bool film : {false, true}) {
    const FrameDeveloper developer(film ? FilmLook(0.5) : Look{});
    const SpaceBuffer space = LitSpace(film);
    Picture opaque;
    opaque.SetHeight(kHeight);
    opaque.SetWidth(kWidth);
    developer.DevelopPicture(space, opaque);
    for (const PictureFormat format : {PictureFormat::kPng, PictureFormat::kPng16}) {
      const std::string path = scratch.File("alpha.png");
      WriteFrame(space, opaque, path, format, &developer, /*withAlpha=*/true);
      const QImage image = QImage(QString::fromStdString(path));
      ASSERT_TRUE(image.hasAlphaChannel());
      const QImage straight = image.convertToFormat(QImage::Format_RGBA8888);
      for (int32_t y = 0; y < kHeight; ++y) {
        const uchar* read = straight.constScanLine(y);
        const uint8_t* want = opaque.Row(y);  // blue, green, red
        for (int32_t x = 0; x < kWidth; ++x) {
          const int alpha = read[4 * x + 3];
          if (x % 2) EXPECT_EQ(alpha, 0) << "unlit pixel " << x << "," << y;
          for (int c = 0; c < 3; ++c) {
            const double over = read[4 * x + c] * alpha / 255.0;
            // Both the straight colour and the opaque byte are rounded.
            EXPECT_NEAR(over, want[3 * x + 2 - c], 1.5) << film << " " << x << "," << y;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace kirabel

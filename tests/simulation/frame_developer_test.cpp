// The film look's development: hue kept, exposure, glow, the sky and the
// photo, the alpha picture.
#include "simulation/frame_developer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "image/picture.h"
#include "simulation/space_buffer.h"

namespace kirabel {
namespace {

constexpr uint32_t kFull = 32640;  // one full-white trail sample

Look Film(double glow = 0) {
  Look look;
  look.light = Look::Light::kFilm;
  look.glow = glow;
  return look;
}

// A disc of light around (cx, cy), brightest at the centre: peak x the
// colour's proportions, falling off linearly to 0 at the radius.
SpaceBuffer Burst(int size, double peak, const double colour[3], int radius) {
  SpaceBuffer space(size, size, true);
  const int c = size / 2;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double d = std::hypot(x - c, y - c);
      if (d >= radius) continue;
      for (int p = 0; p < 3; ++p)
        space.LinearPixel(x, y)[p] =
            static_cast<uint32_t>(kFull * peak * colour[p] * (1 - d / radius));
    }
  }
  return space;
}

Picture PictureOf(int w, int h) {
  Picture picture;
  picture.SetHeight(h);
  picture.SetWidth(w);
  return picture;
}

double Hue(double r, double g, double b) {
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
  if (mx == mn) return 0;
  double h = mx == r   ? (g - b) / (mx - mn)
             : mx == g ? 2 + (b - r) / (mx - mn)
                       : 4 + (r - g) / (mx - mn);
  return std::fmod(h * 60 + 360, 360);
}

TEST(FrameDeveloperTest, DenseBurstsKeepTheirHueAndOnlyTheCoreTurnsWhite) {
  const struct {
    const char* name;
    double colour[3];
  } bursts[] = {
      {"red", {1, 0, 0}}, {"gold", {1, 200 / 255.0, 60 / 255.0}}, {"blue", {0.2, 0.5, 1}}};
  for (const auto& burst : bursts) {
    SCOPED_TRACE(burst.name);
    const SpaceBuffer space = Burst(64, 40, burst.colour, 30);
    Picture picture = PictureOf(64, 64);
    FrameDeveloper(Film()).DevelopPicture(space, picture);
    const double wanted = Hue(burst.colour[0], burst.colour[1], burst.colour[2]);
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        const uint8_t* p = picture.Row(y) + 3 * x;
        const double light = space.Value(0, x, y) / double(kFull) * (burst.colour[0] > 0 ? 1 : 0);
        const bool core = std::hypot(x - 32, y - 32) < 30 * (1 - 8.0 / 40);  // brightest > 8
        if (p[2] + p[1] + p[0] < 60 || core) continue;
        EXPECT_LT(std::min({p[0], p[1], p[2]}), 250) << x << "," << y << " " << light;
        EXPECT_NEAR(Hue(p[2], p[1], p[0]), wanted, 12) << x << "," << y;
      }
    }
  }
}

TEST(FrameDeveloperTest, ExposureDoublesTheLinearLight) {
  const double white[3] = {1, 0.5, 0.25};
  const SpaceBuffer space = Burst(16, 0.7, white, 6);
  Look brighter = Film();
  brighter.exposure = 1;
  std::vector<float> base, doubled;
  FrameDeveloper(Film()).LinearLight(space, base);
  FrameDeveloper(brighter).LinearLight(space, doubled);
  for (std::size_t i = 0; i < base.size(); i += 4)
    for (int c = 0; c < 3; ++c) EXPECT_FLOAT_EQ(doubled[i + c], 2 * base[i + c]);
}

TEST(FrameDeveloperTest, AStarsGlowFallsOffAroundIt) {
  SpaceBuffer space(101, 101, true);
  for (int p = 0; p < 3; ++p) space.LinearPixel(50, 50)[p] = 20 * kFull;
  Look look = Film(1);
  look.glowRadius = 10;
  std::vector<float> light;
  FrameDeveloper(look).LinearLight(space, light);
  auto at = [&](int x, int y) { return light[4 * (y * 101 + x)]; };
  float total = 0;
  for (std::size_t i = 0; i < light.size(); i += 4) total += light[i];
  EXPECT_NEAR(total, 40, 1);  // the star's light and as much again around it
  for (int d = 2; d < 18; d += 3) {
    EXPECT_GT(at(50 + d, 50), at(50 + d + 3, 50)) << d;
    EXPECT_GT(at(50, 50 - d), at(50, 50 - d - 3)) << d;
  }
  FrameDeveloper(Film(0)).LinearLight(space, light);
  EXPECT_EQ(at(52, 50), 0);
}

TEST(FrameDeveloperTest, TheSkyShowsWhereNoLightIsAndTheFireworksOverIt) {
  auto photo = std::make_shared<Picture>(PictureOf(32, 32));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 96; ++x) photo->Row(y)[x] = static_cast<uint8_t>(x * 7 + y * 13);
  const double red[3] = {1, 0, 0};
  const SpaceBuffer space = Burst(32, 2, red, 5);
  Picture picture = PictureOf(32, 32);
  FrameDeveloper(Film(), photo).DevelopPicture(space, picture);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool lit = space.Value(0, x, y) > 0;
      for (int c = 0; c < 3; ++c) {
        const uint8_t under = photo->Row(y)[3 * x + c], shown = picture.Row(y)[3 * x + c];
        if (lit) {
          EXPECT_GE(shown + 1, under);
        } else {
          EXPECT_EQ(shown, under) << x << "," << y;
        }
      }
    }
  }
  Look gradient = Film();
  gradient.skyTop = {10, 20, 40};
  gradient.skyBottom = {60, 30, 0};
  FrameDeveloper(gradient).DevelopPicture(SpaceBuffer(8, 8, true), picture = PictureOf(8, 8));
  EXPECT_EQ(Picture::PixelToColor(picture.Row(0)), 0x28140Au);
  EXPECT_EQ(Picture::PixelToColor(picture.Row(7) + 21), 0x001E3Cu);
}

TEST(FrameDeveloperTest, TheAlphaPictureOverBlackIsThePicture) {
  const double gold[3] = {1, 0.8, 0.2};
  const SpaceBuffer space = Burst(24, 3, gold, 10);
  for (const Look& look : {Look(), Film(0.5)}) {
    Picture picture = PictureOf(24, 24);
    const FrameDeveloper developer(look);
    developer.DevelopPicture(space, picture);
    std::vector<uint8_t> rgba;
    developer.DevelopWithAlpha(space, rgba);
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 24; ++x) {
        const uint8_t* a = &rgba[4 * (y * 24 + x)];
        for (int c = 0; c < 3; ++c) {
          EXPECT_NEAR(std::lround(a[c] * a[3] / 255.0), picture.Row(y)[3 * x + 2 - c], 1);
        }
      }
    }
  }
}

}  // namespace
}  // namespace kirabel

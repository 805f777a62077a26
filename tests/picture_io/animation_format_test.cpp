// How ffmpeg is told to encode each animation: codec, pixel formats, colour
// conversion and tags, quality and alpha, one row per choice.
#include "picture_io/animation_format.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

// The value that follows option in arguments, or "" when it is missing.
QString ValueOf(const QStringList& arguments, const char* option) {
  const qsizetype at = arguments.indexOf(QLatin1String(option));
  return at < 0 || at + 1 >= arguments.size() ? QString() : arguments[at + 1];
}

TEST(AnimationFormat, EncoderArgumentsPerChoice) {
  const auto k444 = ChromaSampling::k444;
  const struct {
    AnimationFormat format;
    VideoOptions video;
    const char* codec;
    const char* pixelFormat;
    const char* crf;
  } cases[] = {
      {AnimationFormat::kMp4, {}, "libx264", "yuv420p", "23"},
      {AnimationFormat::kMp4, {false, 100, k444}, "libx264", "yuv444p10le", "0"},
      {AnimationFormat::kMp4, {false, 0, {}}, "libx264", "yuv420p", "51"},
      {AnimationFormat::kWebm, {}, "libvpx-vp9", "yuv420p", "30"},
      {AnimationFormat::kWebm, {false, 50, k444}, "libvpx-vp9", "yuv444p10le", "32"},
      {AnimationFormat::kWebm, {true, {}, {}}, "libvpx-vp9", "yuva420p", "30"},
      {AnimationFormat::kMov, {}, "prores_ks", "yuv444p10le", ""},
      {AnimationFormat::kMov, {true, {}, {}}, "prores_ks", "yuva444p10le", ""},
  };
  for (const auto& c : cases) {
    const QStringList arguments = EncoderArguments(c.format, c.video);
    const QString context = arguments.join(' ');
    EXPECT_EQ(ValueOf(arguments, "-c:v"), c.codec) << context.toStdString();
    EXPECT_EQ(ValueOf(arguments, "-pix_fmt"), c.pixelFormat) << context.toStdString();
    EXPECT_EQ(ValueOf(arguments, "-crf"), c.crf) << context.toStdString();
    // Every video is converted to BT.709 exactly and says so.
    EXPECT_TRUE(ValueOf(arguments, "-vf").contains("out_color_matrix=bt709"))
        << context.toStdString();
    EXPECT_EQ(ValueOf(arguments, "-colorspace"), "bt709");
    EXPECT_EQ(ValueOf(arguments, "-color_range"), "tv");
    EXPECT_EQ(arguments.contains("-auto-alt-ref"),
              c.format == AnimationFormat::kWebm && c.video.alpha);
    EXPECT_EQ(RawPixelFormat(c.video), c.video.alpha ? "rgba" : "bgr24");
  }
  EXPECT_EQ(ValueOf(EncoderArguments(AnimationFormat::kMov, {}), "-profile:v"), "4444");
  EXPECT_EQ(ValueOf(EncoderArguments(AnimationFormat::kApng, {true, {}, {}}), "-pix_fmt"), "rgba");
  EXPECT_FALSE(EncoderArguments(AnimationFormat::kApng, {}).contains("-pix_fmt"));
}

TEST(AnimationFormat, WhatEachFormatHolds) {
  const struct {
    AnimationFormat format;
    bool sound, alpha, quality;
    const char* soundCodec;
  } cases[] = {
      {AnimationFormat::kGif, false, false, false, "aac"},
      {AnimationFormat::kApng, false, true, false, "aac"},
      {AnimationFormat::kWebm, true, true, true, "libopus"},
      {AnimationFormat::kMp4, true, false, true, "aac"},
      {AnimationFormat::kMov, true, true, false, "pcm_s16le"},
  };
  for (const auto& c : cases) {
    const std::string word = AnimationExtension(c.format) + 1;
    EXPECT_EQ(AnimationHoldsSound(c.format), c.sound) << word;
    EXPECT_EQ(AnimationHoldsAlpha(c.format), c.alpha) << word;
    EXPECT_EQ(AnimationTakesQuality(c.format), c.quality) << word;
    if (c.sound) EXPECT_EQ(ValueOf(SoundEncoderArguments(c.format), "-c:a"), c.soundCodec) << word;
  }
}

}  // namespace
}  // namespace kirabel

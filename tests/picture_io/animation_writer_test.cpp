// The animation writer's edges: format names, a space without pixels refused
// before the encoder starts, and the encoder's last words as one line.
#include "picture_io/animation_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace kirabel {
namespace {

TEST(AnimationWriter, FormatWordsAndExtensions) {
  for (AnimationFormat format : kAnimationFormats) {
    const std::string word = AnimationExtension(format) + 1;
    EXPECT_EQ(AnimationFormatNamed(word), format) << word;
    EXPECT_EQ(AnimationFormatForName("show." + word), format) << word;
  }
  EXPECT_EQ(AnimationFormatNamed("MP4"), AnimationFormat::kMp4);
  EXPECT_EQ(AnimationFormatNamed(".gif"), std::nullopt);
  EXPECT_EQ(AnimationFormatNamed("png"), std::nullopt);
  EXPECT_EQ(AnimationFormatForName(".gif"), std::nullopt);  // a hidden file, no extension
}

TEST(AnimationWriter, RefusesASpaceWithoutPixelsBeforeStartingTheEncoder) {
  testing::ScratchFolder scratch;
  const std::string file = scratch.File("empty.gif");
  for (const auto& [width, height] : {std::pair{0, 64}, std::pair{64, 0}, std::pair{0, 0}}) {
    try {
      AnimationWriter writer(file, AnimationFormat::kGif, width, height, FrameRate{});
      ADD_FAILURE() << width << "x" << height << " accepted";
    } catch (const EncoderError& e) {
      EXPECT_EQ(e.kind(), EncoderError::Kind::kEmptyPicture);
      EXPECT_EQ(e.subject(), std::to_string(width) + "x" + std::to_string(height));
    }
  }
  EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

TEST(AnimationWriter, ReasonIsTheEncodersLastMeaningfulLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"\n  \n", ""},
      {"pipe:: Invalid argument\n", "pipe:: Invalid argument"},
      {"[rawvideo demuxer @ 0x55ea0a3e5ec0] Unable to parse option value\r\n"
       "[libx264 @ 0x5623f282ba80] width not divisible by 2\nConversion failed!\n",
       "libx264: width not divisible by 2"},
      {"[not a tag] kept as it is", "[not a tag] kept as it is"},
  };
  for (const auto& [output, reason] : cases) EXPECT_EQ(EncoderReason(output), reason) << output;
  const EncoderError failed(EncoderError::Kind::kFailed, "show.mp4", "disk full");
  EXPECT_STREQ(failed.what(), "the encoder ffmpeg failed on show.mp4: disk full");
}

}  // namespace
}  // namespace kirabel

// Where a soundtrack lies in an animation, in samples: its offset measured
// from the first frame written, at exact fractional rates, held within the
// animation's length.
#include "picture_io/soundtrack.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

struct PlacementCase {
  long double offset;
  int64_t first, last;
  FrameRate rate;
  int64_t start, length;
};

TEST(Soundtrack, IsPlacedFromTheFirstFrameWrittenToTheSample) {
  const PlacementCase cases[] = {
      {0.25L, 1, 30, {30, 1}, 12000, 48000},
      {-0.1L, 1, 30, {30, 1}, -4800, 48000},
      {0.25L, 10, 30, {30, 1}, -2400, 33600},  // frame 10 plays at 0.3 s
      // One frame of 30000/1001 is 1601.6 samples.
      {0.05L, 2, 3, {30000, 1001}, 798, 3203},
      {100, 1, 30, {30, 1}, 48000, 48000},  // after the end: silence all through
      {-1e30L, 1, 30, {30, 1}, -1000000000000000, 48000},
      {0, 5, 4, {30, 1}, -6400, 1},  // no frames: one sample of silence
  };
  for (const PlacementCase& c : cases) {
    const PlacedSoundtrack placed = PlaceSoundtrack({"s.wav", c.offset}, c.first, c.last, c.rate);
    EXPECT_EQ(placed.path, "s.wav");
    EXPECT_EQ(placed.startSample, c.start) << static_cast<double>(c.offset) << " " << c.first;
    EXPECT_EQ(placed.lengthSamples, c.length) << static_cast<double>(c.offset) << " " << c.first;
  }
}

TEST(Soundtrack, FramesCoverItUntilItsLastSample) {
  const struct {
    long double offset, seconds;
    FrameRate rate;
    int64_t frames;
  } cases[] = {
      {0.5L, 2.5L, {10, 1}, 30}, {0, 2.51L, {10, 1}, 26}, {-5, 2, {30, 1}, 1},
      {0, 1, {30000, 1001}, 30}, {0, 0, {30, 1}, 1},      {0, 1e12L, {30, 1}, 999999999},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FramesCoveringSoundtrack(c.offset, c.seconds, c.rate), c.frames)
        << static_cast<double>(c.offset) << " + " << static_cast<double>(c.seconds);
}

}  // namespace
}  // namespace kirabel

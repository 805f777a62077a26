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

}  // namespace
}  // namespace kirabel

#include "simulation/fullest_frame.h"

#include <numeric>

namespace kirabel {

uint64_t PictureByteSum(const Picture& picture) {
  const uint8_t* bits = picture.Bits();
  if (!bits) return 0;
  const std::size_t rowBytes = static_cast<std::size_t>(picture.RowBytes());
  const std::size_t pixelBytes = 3 * static_cast<std::size_t>(picture.Width());
  uint64_t sum = 0;
  for (int32_t row = 0; row < picture.Height(); ++row) {
    const uint8_t* start = bits + static_cast<std::size_t>(row) * rowBytes;
    sum = std::accumulate(start, start + pixelBytes, sum);
  }
  return sum;
}

namespace {

// Keeps the fullest of the frames it takes, with its picture and space.
class FullestFrameSink : public FrameSink {
 public:
  void Take(int64_t frame, const SpaceBuffer& space, const Picture& picture) override {
    const uint64_t sum = PictureByteSum(picture);
    if (fullest_.frame != 0 && sum <= fullest_.byteSum) return;
    fullest_.frame = frame;
    fullest_.byteSum = sum;
    fullest_.picture = picture;
    fullest_.space = space;
  }
  const FullestFrame& Fullest() const { return fullest_; }

 private:
  FullestFrame fullest_;
};

}  // namespace

std::optional<FullestFrame> DrawFullestFrame(const Scene& scene, int64_t first, int64_t last,
                                             const FrameLoopHooks& hooks) {
  FullestFrameSink sink;
  if (DrawSceneFrames(scene, first, last, {&sink}, hooks) == FrameLoopEnd::kStopped) {
    return std::nullopt;
  }
  return sink.Fullest();
}

}  // namespace kirabel

#include "simulation/long_exposure.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "model/look.h"
#include "simulation/frame_developer.h"
#include "simulation/launch_scene.h"

namespace kirabel {

namespace {

std::size_t PixelCount(int32_t width, int32_t height) {
  return static_cast<std::size_t>(std::max(width, 0)) *
         static_cast<std::size_t>(std::max(height, 0));
}

// A black picture of that size.
Picture SizedPicture(int32_t width, int32_t height) {
  Picture picture;
  picture.SetHeight(height);
  picture.SetWidth(width);
  if (uint8_t* bits = picture.Bits()) {
    std::fill_n(bits, static_cast<std::size_t>(picture.RowBytes()) * picture.Height(), 0);
  }
  return picture;
}

}  // namespace

LongExposureSink::LongExposureSink(StackMode mode, int32_t width, int32_t height,
                                   std::shared_ptr<const FrameDeveloper> developer)
    : mode_(mode),
      width_(width),
      height_(height),
      developer_(developer ? std::move(developer) : std::make_shared<FrameDeveloper>(Look{})),
      sum_(mode == StackMode::kAdd ? width : 0, mode == StackMode::kAdd ? height : 0,
           /*linear=*/true),
      brightestPicture_(SizedPicture(mode == StackMode::kLighten ? width : 0,
                                     mode == StackMode::kLighten ? height : 0)) {
  if (mode == StackMode::kLighten) brightest_.assign(3 * PixelCount(width, height), 0);
}

LongExposureSink::~LongExposureSink() = default;

void LongExposureSink::Take(int64_t, const SpaceBuffer& space, const Picture& picture) {
  if (space.Width() != width_ || space.Height() != height_) return;
  if (picture.Width() != width_ || picture.Height() != height_) return;
  ++frames_;
  if (mode_ == StackMode::kAdd) {
    Add(space);
  } else {
    Lighten(space, picture);
  }
}

// Each channel's value joins the sum, held at 2^32 - 1.
void LongExposureSink::Add(const SpaceBuffer& space) {
  constexpr uint64_t kMost = std::numeric_limits<uint32_t>::max();
  uint32_t* sum = sum_.LinearData();
  const std::size_t values = SpaceBuffer::kValuesPerPixel * PixelCount(width_, height_);
  const auto addAll = [&](const auto* frame) {
    for (std::size_t i = 0; i < values; ++i) {
      sum[i] = static_cast<uint32_t>(std::min<uint64_t>(kMost, uint64_t{sum[i]} + frame[i]));
    }
  };
  if (space.Linear()) {
    addAll(space.LinearData());
  } else {
    addAll(space.Data());
  }
}

// The 16-bit values developed from the space, the bytes from the frame's
// picture (what the same developer made of it while the frame was drawn).
void LongExposureSink::Lighten(const SpaceBuffer& space, const Picture& picture) {
  developer_->Develop16(space, frame16_);
  for (std::size_t i = 0; i < brightest_.size(); ++i) {
    brightest_[i] = std::max(brightest_[i], frame16_[i]);
  }
  const std::size_t rowBytes = 3 * static_cast<std::size_t>(width_);
  for (int32_t y = 0; y < height_; ++y) {
    const uint8_t* from = picture.Row(y);
    uint8_t* into = brightestPicture_.Row(y);
    for (std::size_t i = 0; i < rowBytes; ++i) into[i] = std::max(into[i], from[i]);
  }
}

LongExposure LongExposureSink::Result() const {
  LongExposure still;
  still.frames = frames_;
  if (mode_ == StackMode::kLighten) {
    still.picture = brightestPicture_;
    still.rgb16 = brightest_;
    return still;
  }
  // The sum is developed once: the sky shows once, under all the light.
  still.picture = SizedPicture(width_, height_);
  developer_->DevelopPicture(sum_, still.picture);
  developer_->Develop16(sum_, still.rgb16);
  return still;
}

std::optional<LongExposure> DrawLongExposure(const Scene& scene, int64_t first, int64_t last,
                                             StackMode mode, const FrameLoopHooks& hooks) {
  LongExposureSink sink(mode, scene.width, scene.height, scene.developer);
  if (DrawSceneFrames(scene, first, last, {&sink}, hooks) == FrameLoopEnd::kStopped) {
    return std::nullopt;
  }
  return sink.Result();
}

}  // namespace kirabel

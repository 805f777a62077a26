#include "picture_io/frame_sinks.h"

#include <exception>
#include <filesystem>

#include "picture_io/animation_writer.h"
#include "simulation/frame_developer.h"

namespace kirabel {

bool NumberedFramesSink::Wants(int64_t frame) {
  return !(skipExisting_ && std::filesystem::exists(NumberedFrameName(name_, frame, format_)));
}

void NumberedFramesSink::Take(int64_t frame, const SpaceBuffer& space, const Picture& picture) {
  try {
    WriteFrame(space, picture, NumberedFrameName(name_, frame, format_), format_, developer_.get(),
               withAlpha_);
  } catch (const std::exception& e) {
    std::throw_with_nested(FrameNotWrittenError(frame, e.what()));
  }
}

AnimationSink::AnimationSink(AnimationWriter& writer,
                             std::shared_ptr<const FrameDeveloper> developer)
    : writer_(writer),
      developer_(developer ? std::move(developer)
                           : std::make_shared<const FrameDeveloper>(Look{})) {}

void AnimationSink::Take(int64_t frame, const SpaceBuffer& space, const Picture& picture) {
  try {
    if (writer_.WithAlpha()) {
      std::vector<uint8_t> rgba;
      developer_->DevelopWithAlpha(space, rgba);
      writer_.AddWithAlpha(rgba);
    } else {
      writer_.Add(picture);
    }
  } catch (const std::exception& e) {
    std::throw_with_nested(FrameNotWrittenError(frame, e.what()));
  }
}

}  // namespace kirabel

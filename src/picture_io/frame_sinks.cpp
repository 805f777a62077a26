#include "picture_io/frame_sinks.h"

#include <exception>
#include <filesystem>

#include "picture_io/animation_writer.h"

namespace kirabel {

bool NumberedFramesSink::Wants(int64_t frame) {
  return !(skipExisting_ && std::filesystem::exists(NumberedFrameName(name_, frame, format_)));
}

void NumberedFramesSink::Take(int64_t frame, const SpaceBuffer& space, const Picture& picture) {
  try {
    WriteFrame(space, picture, NumberedFrameName(name_, frame, format_), format_, developer_.get());
  } catch (const std::exception& e) {
    std::throw_with_nested(FrameNotWrittenError(frame, e.what()));
  }
}

void AnimationSink::Take(int64_t frame, const SpaceBuffer&, const Picture& picture) {
  try {
    writer_.Add(picture);
  } catch (const std::exception& e) {
    std::throw_with_nested(FrameNotWrittenError(frame, e.what()));
  }
}

}  // namespace kirabel

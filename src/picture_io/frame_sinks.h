#pragma once
// The frame loop's sinks that write files: numbered pictures (the export,
// kirabel-render and the window's automatic saving) and one animation.
#include <cstdint>
#include <memory>
#include <string>

#include "picture_io/frame_writer.h"
#include "platform/errors.h"
#include "simulation/frame_loop.h"

namespace kirabel {

class AnimationWriter;

// A frame that could not be written: "frame <n> not written: <cause>". It is
// thrown nested (std::throw_with_nested), so that the cause can be shown in
// the user's language.
class FrameNotWrittenError : public KirabelError {
 public:
  FrameNotWrittenError(int64_t frame, const std::string& cause)
      : KirabelError("frame " + std::to_string(frame) + " not written: " + cause), frame_(frame) {}
  int64_t frame() const { return frame_; }

 private:
  int64_t frame_;
};

// Frame i goes to NumberedFrameName(name, i, format).
class NumberedFramesSink : public FrameSink {
 public:
  // developer: the look's (null: the classic picture), for 16-bit, EXR and
  // alpha frames; withAlpha: PNG frames with transparency.
  NumberedFramesSink(std::string name, PictureFormat format, bool skipExisting = false,
                     std::shared_ptr<const FrameDeveloper> developer = nullptr,
                     bool withAlpha = false)
      : name_(std::move(name)),
        format_(format),
        skipExisting_(skipExisting),
        developer_(std::move(developer)),
        withAlpha_(withAlpha) {}
  // False for a frame whose file exists when existing files are left alone.
  bool Wants(int64_t frame) override;
  void Take(int64_t frame, const SpaceBuffer& space, const Picture& picture) override;

 private:
  std::string name_;
  PictureFormat format_;
  bool skipExisting_;
  std::shared_ptr<const FrameDeveloper> developer_;
  bool withAlpha_;
};

// Every frame is added to the animation; for one with alpha, developed with
// its coverage by developer (null: the classic look).
class AnimationSink : public FrameSink {
 public:
  explicit AnimationSink(AnimationWriter& writer,
                         std::shared_ptr<const FrameDeveloper> developer = nullptr);
  void Take(int64_t frame, const SpaceBuffer& space, const Picture& picture) override;

 private:
  AnimationWriter& writer_;
  std::shared_ptr<const FrameDeveloper> developer_;
};

}  // namespace kirabel

#pragma once
// Writes frames of a launch to files: numbered pictures (BMP, PNG, 16-bit PNG)
// or one animation. Used by kirabel-render and by the desktop program's
// export, so both write the same bytes. The launch is built from the scene
// given (the caller passes a copy of its generator, so exporting never
// changes what its next launch draws).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/launch_settings.h"
#include "model/particle.h"
#include "picture_io/animation_writer.h"
#include "picture_io/frame_rate.h"
#include "picture_io/frame_writer.h"
#include "platform/errors.h"
#include "simulation/random.h"
#include "simulation/trail.h"

namespace kirabel {

struct ExportJob {
  ParticleList sets;
  LaunchSettings settings;  // as a launch uses them
  RandomGenerator random;
  int32_t width = 512;
  int32_t height = 512;
  RenderOptions options;
  int jobs = 1;
  int64_t firstFrame = 1;  // the frames written, numbered as the launch's
  int64_t lastFrame = 0;
  // Numbered pictures: settings.autosaveName with the frame number.
  PictureFormat format = PictureFormat::kBmp;
  bool skipExisting = false;  // leave frames whose files exist
  // Or one animation file.
  std::optional<AnimationFormat> animation;
  std::string animationPath;
  FrameRate rate;  // frames per second of the animation
};

enum class ExportEnd { kDone, kTooLarge, kCancelled };

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

// Told before each frame, now and then while an animation is finished, and
// once at the end: (frames done, frames in all, frame number); false cancels
// (an animation then leaves nothing behind) until the animation is in place.
using ExportProgress = std::function<bool(int64_t done, int64_t total, int64_t frame)>;

// Builds the launch and writes the frames. kTooLarge when the launch cannot
// fit into memory (particles then says how many it would make). Raises
// KirabelError naming the frame when a file cannot be written, or
// EncoderError when the encoder cannot be had (an animation of a space
// without pixels is refused before the launch is built).
ExportEnd RunExport(const ExportJob& job, const ExportProgress& progress, int64_t* particles);

}  // namespace kirabel

#pragma once
// A long exposure: one still from many frames of a launch, as a photographer
// stacks bursts over one scene. Adding sums the frames' light before it is
// developed once (the sky shows once, bright light adds up); lightening keeps
// each pixel's brightest developed value of all frames.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "image/picture.h"
#include "simulation/frame_loop.h"
#include "simulation/space_buffer.h"

namespace kirabel {

class FrameDeveloper;
struct Scene;

enum class StackMode { kAdd, kLighten };

// The still: its picture and the same at 16 bits a channel (red, green, blue
// per pixel, top row first; for the classic look the picture's bytes are
// their high bytes).
struct LongExposure {
  int64_t frames = 0;  // frames stacked; 0: none was drawn
  Picture picture;
  std::vector<uint16_t> rgb16;
};

// Stacks the frames it takes. developer: the scene's (null: classic).
class LongExposureSink : public FrameSink {
 public:
  LongExposureSink(StackMode mode, int32_t width, int32_t height,
                   std::shared_ptr<const FrameDeveloper> developer = nullptr);
  ~LongExposureSink() override;

  // picture: the frame as the developer made it. A frame of another size
  // than the sink's is left out.
  void Take(int64_t frame, const SpaceBuffer& space, const Picture& picture) override;
  // The still of the frames taken so far.
  LongExposure Result() const;

 private:
  void Add(const SpaceBuffer& space);
  void Lighten(const SpaceBuffer& space, const Picture& picture);

  StackMode mode_;
  int32_t width_;
  int32_t height_;
  std::shared_ptr<const FrameDeveloper> developer_;
  int64_t frames_ = 0;
  SpaceBuffer sum_;                  // add: the light of all frames, unsaturated
  std::vector<uint16_t> brightest_;  // lighten: the largest 16-bit value
  Picture brightestPicture_;         // lighten: the largest picture byte
  std::vector<uint16_t> frame16_;    // scratch: one frame's developed values
};

// Builds the scene's launch (from a copy of its generator) and stacks frames
// first .. last in the mode. Nothing when the hooks stopped the loop. Raises
// ParticleMemoryError when the launch cannot fit into memory.
std::optional<LongExposure> DrawLongExposure(const Scene& scene, int64_t first, int64_t last,
                                             StackMode mode, const FrameLoopHooks& hooks = {});

}  // namespace kirabel

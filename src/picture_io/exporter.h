#pragma once
// Writes frames of a launch to files: numbered pictures (BMP, PNG, 16-bit PNG),
// one animation or one long exposure. Used by kirabel-render and by the
// desktop program's export, so both write the same bytes. The launch is built
// from the scene given (the caller passes a copy of its generator, so
// exporting never changes what its next launch draws).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "picture_io/export_job.h"
#include "picture_io/frame_sinks.h"
#include "simulation/particle_count.h"
#include "simulation/stop_request.h"

namespace kirabel {

enum class ExportEnd { kDone, kCancelled };

// Told before each frame, now and then while an animation is finished, and
// once at the end: (frames done, frames in all, frame number); false cancels
// (an animation then leaves nothing behind) until the animation is in place.
using ExportProgress = std::function<bool(int64_t done, int64_t total, int64_t frame)>;

// Builds the launch and writes the frames. Raises ParticleMemoryError when
// the launch cannot fit into memory, FrameNotWrittenError (the cause nested)
// when a file cannot be written, SoundtrackError when the soundtrack cannot
// be had, or EncoderError when the encoder cannot be had (an animation of a space without pixels is
// refused before the launch is built). stop is asked every so many particles
// while the launch is built and a frame drawn (from every thread at work):
// true cancels there, as progress does before a frame.
// A long exposure is written once every frame is stacked; WriteError or
// FileIOError when it cannot be.
ExportEnd RunExport(const ExportJob& job, const ExportProgress& progress,
                    const StopRequest& stop = {});

}  // namespace kirabel

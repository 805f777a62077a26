#include "picture_io/export_job.h"

#include <algorithm>
#include <utility>

#include "simulation/launch.h"

namespace kirabel {

namespace {

// Another file plays from the start unless an offset is given; the list's
// soundtrack plays at the list's offset unless another is given.
std::optional<Soundtrack> ChosenSoundtrack(const ShowSettings& show,
                                           const ShowOverrides& overrides) {
  if (overrides.noAudio) return std::nullopt;
  if (overrides.audio) return Soundtrack{*overrides.audio, overrides.audioOffset.value_or(0)};
  if (show.audio.empty()) return std::nullopt;
  return Soundtrack{show.audio, overrides.audioOffset.value_or(show.audioOffset)};
}

}  // namespace

ExportJob MakeExportJob(Scene scene, int64_t firstFrame, int64_t lastFrame,
                        const ExportOutput& output, const ShowSettings& show,
                        const ShowOverrides& overrides) {
  const int64_t launchFrames = FrameCount(scene.settings.frameCount);
  return {std::move(scene),
          firstFrame,
          std::min(lastFrame, launchFrames),
          output,
          overrides.rate.value_or(show.fps),
          ChosenSoundtrack(show, overrides)};
}

}  // namespace kirabel

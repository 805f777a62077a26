#pragma once
// An export: which frames of which scene are written where, at which rate and
// with which sound. kirabel-render and the window's export both assemble
// theirs with MakeExportJob, so that they write the same frames alike.
#include <cstdint>
#include <optional>
#include <string>

#include "model/frame_rate.h"
#include "model/show_settings.h"
#include "picture_io/animation_writer.h"
#include "picture_io/frame_writer.h"
#include "picture_io/soundtrack.h"
#include "simulation/launch_scene.h"
#include "simulation/long_exposure.h"

namespace kirabel {

// Where the frames go: numbered pictures, named after the scene's
// autosaveName with the frame number, one animation file, or one picture of
// them all stacked (a long exposure, in format).
struct ExportOutput {
  PictureFormat format = PictureFormat::kBmp;
  bool skipExisting = false;  // leave frames whose files exist
  std::optional<AnimationFormat> animation;
  std::string animationPath;
  std::optional<StackMode> longExposure;  // the frames stacked into one picture
  std::string longExposurePath;
  bool withAlpha = false;  // PNG frames or an animation with transparency, without the sky
  VideoOptions video;      // how an animation is encoded (its alpha follows withAlpha)
};

// What the user chose instead of the list's show for an animation: a rate,
// another soundtrack file, another offset, or no sound at all.
struct ShowOverrides {
  std::optional<FrameRate> rate;
  std::optional<std::string> audio;
  std::optional<long double> audioOffset;
  bool noAudio = false;
};

struct ExportJob {
  Scene scene;
  int64_t firstFrame = 1;  // the frames written, numbered as the launch's
  int64_t lastFrame = 0;
  ExportOutput output;
  FrameRate rate;  // frames per second of an animation
  // Played with a WebM or MP4 animation, cut to its frames.
  std::optional<Soundtrack> soundtrack;
};

// The export of the scene's frames first .. last (the last held to the
// launch's frames) into output, at the show's rate and with its soundtrack
// (at its offset) unless overridden.
ExportJob MakeExportJob(Scene scene, int64_t firstFrame, int64_t lastFrame,
                        const ExportOutput& output, const ShowSettings& show,
                        const ShowOverrides& overrides = {});

}  // namespace kirabel

#pragma once
// The command line of kirabel-render.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/frame_selection.h"
#include "cli/look_options.h"
#include "model/frame_rate.h"
#include "picture_io/animation_writer.h"
#include "picture_io/frame_writer.h"
#include "simulation/long_exposure.h"
#include "simulation/trail.h"

namespace kirabel::cli {

struct RenderRequest {
  std::string input;   // the PCL file
  std::string prefix;  // frame i goes to prefix (extension removed) + %05d + ".BMP"/".png";
                       // an animation, the fullest frame or a long exposure goes
                       // to this file
  int32_t width = 512;
  int32_t height = 512;
  RenderOptions drawing;                // --antialias, --wrap
  LookOverrides look;                   // --look, --exposure, --glow, --background
  std::optional<long double> frames;    // overrides NF
  std::optional<long double> start;     // overrides ST
  std::optional<long double> interval;  // overrides IT
  std::optional<long double> gravity;   // overrides G
  PictureFormat format = PictureFormat::kBmp;
  std::optional<AnimationFormat> animation;  // one file instead of numbered frames
  bool alpha = false;                        // --alpha: transparency instead of the sky
  VideoOptions video;                        // --quality, --chroma (its alpha follows --alpha)
  bool fullest = false;  // only the selected frame with the most light, to one picture file
  std::optional<StackMode> longExposure;   // the selected frames stacked into one picture file
  std::optional<FrameRate> rate;           // --fps; else the list's rate
  std::optional<std::string> audio;        // the soundtrack of a WebM or MP4 animation
  std::optional<long double> audioOffset;  // its offset in video seconds
  bool noAudio = false;                    // no soundtrack at all
  std::optional<int64_t> maxParticles;
  int jobs = 1;
  std::optional<FrameRange> range;  // --range A-B
  std::optional<Shard> shard;       // --shard I/N
  bool skipExisting = false;        // leave frames whose files exist
  bool dryRun = false;
  bool quiet = false;
};

enum class ParseOutcome { kRender, kHelp, kVersion, kError };

struct ParseResult {
  ParseOutcome outcome = ParseOutcome::kError;
  RenderRequest request;
  QString message;  // the error for kError, the help text for kHelp
};

// Parses the arguments (without the program name). defaultJobs is the value
// of --jobs when it is not given.
ParseResult ParseCommandLine(const std::vector<std::string>& args, int defaultJobs);

}  // namespace kirabel::cli

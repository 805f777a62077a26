// kirabel-render: renders the first launch of a PCL file without a window,
// frame by frame, byte for byte as the desktop program's automatic saving
// writes it.
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/dry_run.h"
#include "image/picture.h"
#include "model/launch_limits.h"
#include "model/look_limits.h"
#include "model/pcl_file.h"
#include "picture_io/exporter.h"
#include "picture_io/frame_writer.h"
#include "picture_io/sky_photo.h"
#include "simulation/fullest_frame.h"
#include "simulation/launch.h"
#include "simulation/make_scene.h"
#include "simulation/random.h"
#include "simulation/space_buffer.h"
#include "texts/error_texts.h"
#include "texts/interface_language.h"

#ifndef KIRABEL_VERSION
#define KIRABEL_VERSION "0.1.0"
#endif

namespace kirabel::cli {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int Fail(const QString& message) {
  PrintError(message);
  return kExitFailed;
}

int Fail(const std::exception& error) {
  return Fail(ErrorText(error, ErrorVoice::kCommandLine));
}

LaunchSettings SettingsForRequest(const LaunchSettings& fromFile, const RenderRequest& r) {
  LaunchSettings settings = fromFile;
  if (r.frames) settings.frameCount = *r.frames;
  if (r.start) settings.startTime = *r.start;
  if (r.interval) settings.frameInterval = *r.interval;
  if (r.gravity) settings.gravity = *r.gravity;
  // Held to the limits as the scene holds them: the frames selected and
  // --dry-run see the same values.
  settings = WithinLaunchLimits(settings);
  settings.autosave = true;
  settings.autosaveName = r.prefix;
  return settings;
}

// Frames done, frames per second and time left, redrawn on one line.
class ProgressLine {
 public:
  // Shown on a terminal unless --quiet.
  ProgressLine(const RenderRequest& r, const FrameRange& frames)
      : shown_(!r.quiet && isatty(STDERR_FILENO)),
        total_(std::max<int64_t>(frames.last - frames.first + 1, 0)),
        start_(std::chrono::steady_clock::now()) {}
  ~ProgressLine() { End(); }
  // Ends the line, so that a message can follow.
  void End() {
    if (shown_) std::fputc('\n', stderr);
    shown_ = false;
  }
  // Follows the frames drawn; never stops them.
  ExportProgress Follow() {
    return [this](int64_t done, int64_t, int64_t frame) {
      if (done > 0) Show(done, frame);
      return true;
    };
  }

 private:
  void Show(int64_t done, int64_t frame) {
    if (!shown_) return;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    const double left = rate > 0 ? static_cast<double>(total_ - done) / rate : 0;
    // The line starts over at its beginning ("\r") each time.
    Print(stderr,
          QLatin1Char('\r') + QCoreApplication::translate(
                                  "kirabel::cli", "frame %1  %2/%3 done  %4 frames/s  %5 s left   ")
                                  .arg(QString::number(frame), QString::number(done),
                                       QString::number(total_), QString::number(rate, 'f', 1),
                                       QString::number(left, 'f', 0)));
  }

  bool shown_;
  int64_t total_;
  std::chrono::steady_clock::time_point start_;
};

// The first launch after start-up.
Scene SceneForRequest(const ParticleList& list, const LaunchSettings& settings,
                      const RenderRequest& r, const Look& look) {
  return MakeScene(list, settings, RandomGenerator(), {r.width, r.height, r.drawing, r.jobs},
                   MakeFrameDeveloper(look));
}

// Draws and writes the selected frames of the first launch after start-up
// (or stacks them into one picture).
int RenderFrames(const ParticleList& list, const LaunchSettings& settings, const ShowSettings& show,
                 const Look& look, const RenderRequest& r) {
  const FrameRange frames = SelectFrames(FrameCount(settings.frameCount), r.range, r.shard);
  // --fps, --audio, --audio-offset and --no-audio stand in for the list's show.
  const ExportJob job = MakeExportJob(
      SceneForRequest(list, settings, r, look), frames.first, frames.last,
      {r.format, r.skipExisting, r.animation, r.prefix, r.longExposure, r.prefix, r.alpha, r.video},
      show, {r.rate, r.audio, r.audioOffset, r.noAudio});
  ProgressLine progress(r, frames);
  try {
    RunExport(job, progress.Follow());
  } catch (const std::exception& e) {
    progress.End();
    return Fail(e);
  }
  return kExitDone;
}

// Draws the selected frames of the first launch after start-up and writes
// the fullest of them to the output file.
int RenderFullestFrame(const ParticleList& list, const LaunchSettings& settings, const Look& look,
                       const RenderRequest& r) {
  if (r.skipExisting && std::filesystem::exists(r.prefix)) return kExitDone;
  const FrameRange frames = SelectFrames(FrameCount(settings.frameCount), r.range, r.shard);
  ProgressLine progress(r, frames);
  FrameLoopHooks hooks;
  hooks.beforeFrame = progress.Follow();
  try {
    const Scene scene = SceneForRequest(list, settings, r, look);
    const std::optional<FullestFrame> fullest =
        DrawFullestFrame(scene, frames.first, frames.last, hooks);
    progress.End();
    if (fullest->frame == 0) {
      return Fail(
          QCoreApplication::translate("kirabel::cli", "%1: the launch has no frame to choose from")
              .arg(FromLocal(r.input)));
    }
    WriteFrame(fullest->space, fullest->picture, r.prefix, r.format, scene.developer.get(),
               r.alpha);
  } catch (const std::exception& e) {
    progress.End();
    return Fail(e);
  }
  return kExitDone;
}

// Stacks the selected frames of the first launch after start-up into the
// output file; a range without frames is a failure that writes nothing.
int RenderLongExposure(const ParticleList& list, const LaunchSettings& settings,
                       const ShowSettings& show, const Look& look, const RenderRequest& r) {
  if (r.skipExisting && std::filesystem::exists(r.prefix)) return kExitDone;
  const FrameRange frames = SelectFrames(FrameCount(settings.frameCount), r.range, r.shard);
  if (frames.first > frames.last) {
    return Fail(QCoreApplication::translate("kirabel::cli", "%1: the launch has no frame to stack")
                    .arg(FromLocal(r.input)));
  }
  return RenderFrames(list, settings, show, look, r);
}

int Render(const RenderRequest& r) {
  const PclContents read = ReadPclFile(r.input);
  const ParticleList& list = read.sets;
  const LaunchSettings settings = SettingsForRequest(read.settings, r);
  const ParticleEstimate estimate = EstimateParticles(list);
  if (r.dryRun) {
    PrintDryRun(stdout, r, list, settings, estimate);
    return kExitDone;
  }
  if (list.empty()) {
    return Fail(QCoreApplication::translate("kirabel::cli", "%1: the file holds no particle sets")
                    .arg(FromLocal(r.input)));
  }
  if (r.maxParticles && estimate.Total() >= *r.maxParticles) {
    return Fail(QCoreApplication::translate("kirabel::cli",
                                            "%1 particles reach the limit --max-particles %2")
                    .arg(estimate.Total())
                    .arg(*r.maxParticles));
  }
  Look look = read.look;
  if (const std::optional<QString> error = ApplyLookOverrides(r.look, look)) return Fail(*error);
  look = WithinLookLimits(look);
  if (r.fullest) return RenderFullestFrame(list, settings, look, r);
  if (r.longExposure) return RenderLongExposure(list, settings, read.show, look, r);
  return RenderFrames(list, settings, read.show, look, r);
}

int Main(const std::vector<std::string>& args) {
  const ParseResult parsed = ParseCommandLine(args, AvailableCores());
  switch (parsed.outcome) {
    case ParseOutcome::kHelp:
      Print(stdout, parsed.message);
      return kExitDone;
    case ParseOutcome::kVersion:
      std::printf("kirabel-render %s\n", KIRABEL_VERSION);
      return kExitDone;
    case ParseOutcome::kError:
      PrintError(parsed.message);
      Print(stderr, QCoreApplication::translate("kirabel::cli", "Try 'kirabel-render --help'.\n"));
      return kExitUsage;
    case ParseOutcome::kRender:
      break;
  }
  try {
    return Render(parsed.request);
  } catch (const std::exception& e) {
    return Fail(e);
  }
}

}  // namespace

}  // namespace kirabel::cli

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  QCoreApplication application(argc, argv);
  // QCoreApplication takes the whole locale from the environment; numbers
  // stay in the C notation.
  std::setlocale(LC_NUMERIC, "C");
  kirabel::InstallTranslations(kirabel::CommandLineLanguage(), QStringLiteral("kirabel_en"),
                               QStringLiteral("kirabel-render_ja"));
  return kirabel::cli::Main(args);
}

// kirabel-render: renders the first launch of a PCL file without a window,
// frame by frame, byte for byte as the desktop program's automatic saving
// writes it.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "cli/command_line.h"
#include "cli/dry_run.h"
#include "image/picture.h"
#include "model/launch_limits.h"
#include "model/pcl_file.h"
#include "picture_io/exporter.h"
#include "picture_io/frame_writer.h"
#include "simulation/launch.h"
#include "simulation/random.h"
#include "simulation/space_buffer.h"

#ifndef KIRABEL_VERSION
#define KIRABEL_VERSION "0.1.0"
#endif

namespace kirabel::cli {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int Fail(const std::string& message) {
  std::fprintf(stderr, "kirabel-render: %s\n", message.c_str());
  return kExitFailed;
}

LaunchSettings SettingsForRequest(const LaunchSettings& fromFile, const RenderRequest& r) {
  LaunchSettings env = fromFile;
  if (r.frames) env.frameCount = *r.frames;
  if (r.start) env.startTime = *r.start;
  if (r.interval) env.frameInterval = *r.interval;
  if (r.gravity) env.gravity = *r.gravity;
  env = WithinLaunchLimits(env);
  env.autosave = true;
  env.autosaveName = r.prefix;
  return env;
}

// Frames done, frames per second and time left, redrawn on one line.
class ProgressLine {
 public:
  ProgressLine(bool shown, int64_t total)
      : shown_(shown), total_(total), start_(std::chrono::steady_clock::now()) {}
  ~ProgressLine() { End(); }
  // Ends the line, so that a message can follow.
  void End() {
    if (shown_) std::fputc('\n', stderr);
    shown_ = false;
  }
  void Show(int64_t done, int64_t frame) {
    if (!shown_) return;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    const double left = rate > 0 ? static_cast<double>(total_ - done) / rate : 0;
    std::fprintf(stderr, "\rframe %lld  %lld/%lld done  %.1f frames/s  %.0f s left   ",
                 static_cast<long long>(frame), static_cast<long long>(done),
                 static_cast<long long>(total_), rate, left);
  }

 private:
  bool shown_;
  int64_t total_;
  std::chrono::steady_clock::time_point start_;
};

// Draws and writes the selected frames of the first launch after start-up.
int RenderFrames(const ParticleList& list, const LaunchSettings& env, const RenderRequest& r) {
  ExportJob job;
  job.sets = list;
  job.settings = env;
  job.width = r.width;
  job.height = r.height;
  job.options = {r.antiAlias, r.wrap};
  job.jobs = r.jobs;
  const FrameRange frames = SelectFrames(FrameCount(env.frameCount), r.range, r.shard);
  job.firstFrame = frames.first;
  job.lastFrame = frames.last;
  job.format = r.format;
  job.skipExisting = r.skipExisting;
  job.animation = r.animation;
  job.animationPath = r.prefix;
  job.fps = r.fps;
  ProgressLine progress(!r.quiet && isatty(STDERR_FILENO),
                        std::max<int64_t>(frames.last - frames.first + 1, 0));
  int64_t particles = 0;
  try {
    const ExportEnd end = RunExport(
        job,
        [&](int64_t done, int64_t, int64_t frame) {
          if (done > 0) progress.Show(done, frame);
          return true;
        },
        &particles);
    if (end == ExportEnd::kTooLarge) {
      progress.End();
      return Fail(std::to_string(particles) + " particles do not fit into this machine's memory");
    }
  } catch (const std::exception& e) {
    progress.End();
    return Fail(e.what());
  }
  return kExitDone;
}

int Render(const RenderRequest& r) {
  const std::optional<PclContents> read = ReadPclFile(r.input);
  if (!read) return Fail(r.input + ": cannot be read as a PCL file");
  const ParticleList& list = read->sets;
  const LaunchSettings env = SettingsForRequest(read->settings, r);
  const ParticleEstimate estimate = EstimateParticles(list);
  if (r.dryRun) {
    PrintDryRun(stdout, r, list, env, estimate);
    return kExitDone;
  }
  if (list.empty())
    return Fail(r.input + ": パーティクルがありません (the file holds no particle sets)");
  if (r.maxParticles && estimate.particles >= *r.maxParticles) {
    return Fail(std::to_string(estimate.particles) + " particles reach the limit --max-particles " +
                std::to_string(*r.maxParticles));
  }
  return RenderFrames(list, env, r);
}

int Main(const std::vector<std::string>& args) {
  const unsigned cores = std::thread::hardware_concurrency();
  const ParseResult parsed = ParseCommandLine(args, cores == 0 ? 1 : static_cast<int>(cores));
  switch (parsed.outcome) {
    case ParseOutcome::kHelp:
      std::fputs(parsed.message.c_str(), stdout);
      return kExitDone;
    case ParseOutcome::kVersion:
      std::printf("kirabel-render %s\n", KIRABEL_VERSION);
      return kExitDone;
    case ParseOutcome::kError:
      std::fprintf(stderr, "kirabel-render: %s\nTry 'kirabel-render --help'.\n",
                   parsed.message.c_str());
      return kExitUsage;
    case ParseOutcome::kRender:
      break;
  }
  try {
    return Render(parsed.request);
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}

}  // namespace

}  // namespace kirabel::cli

int main(int argc, char** argv) {
  return kirabel::cli::Main(std::vector<std::string>(argv + 1, argv + argc));
}

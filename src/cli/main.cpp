// kirabel-render: renders the first launch of a PCL file without a window,
// frame by frame, byte for byte as the desktop program's automatic saving
// writes it.
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "cli/command_line.h"
#include "cli/confirmed_settings.h"
#include "cli/dry_run.h"
#include "cli/headless_host.h"
#include "model/pcl_file.h"
#include "simulation/launch.h"
#include "simulation/population.h"

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

TEnvironment LaunchSettings(const TEnvironment& fromFile, const RenderRequest& r) {
  TEnvironment env = fromFile;
  if (r.frames) env.NF = *r.frames;
  if (r.start) env.ST = *r.start;
  if (r.interval) env.IT = *r.interval;
  if (r.gravity) env.G = *r.gravity;
  env = ConfirmedSettings(env);
  env.AUTOSAVE = true;
  env.NAME = r.prefix;
  return env;
}

int Launch(const ParticleList& list, const TEnvironment& env, const RenderRequest& r) {
  const bool showProgress = !r.quiet && isatty(STDERR_FILENO);
  HeadlessHost host(r, showProgress);
  LaunchList launchList;
  const LaunchEnd end = RunLaunch(list, env, launchList, host, r.jobs);
  if (showProgress) std::fputc('\n', stderr);
  switch (end) {
    case LaunchEnd::Completed:
      return kExitDone;
    case LaunchEnd::SaveFailed:
      return Fail("frame " + std::to_string(host.FramesWritten() + 1) +
                  " not written: " + host.SaveError());
    default:
      return kExitFailed;  // refused; the reason is already on stderr
  }
}

int Render(const RenderRequest& r) {
  ParticleList list;
  TEnvironment fromFile;
  if (!LoadListFromFile(r.input, list, fromFile, nullptr)) {
    return Fail(r.input + ": cannot be read as a PCL file");
  }
  const TEnvironment env = LaunchSettings(fromFile, r);
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
  return Launch(list, env, r);
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

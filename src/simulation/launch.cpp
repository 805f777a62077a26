#include "simulation/launch.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <memory>

#include "image/dibs.h"
#include "simulation/launch_host.h"
#include "simulation/parallel_renderer.h"
#include "simulation/renderer.h"
#include "simulation/space.h"

namespace kirabel {

const char* const kSaveFailedWarning =
    "ディスクの空き容量が足りないか、指定されたファイルに書き込めません";

namespace {

// Leaves the window idle with an empty launch list on every way out.
class LaunchScope {
 public:
  LaunchScope(LaunchList& launchList, LaunchHost& host) : launchList_(launchList), host_(host) {}
  ~LaunchScope() {
    FreeLaunchList(launchList_);
    host_.SetBusy(false);
  }
  LaunchScope(const LaunchScope&) = delete;
  LaunchScope& operator=(const LaunchScope&) = delete;

 private:
  LaunchList& launchList_;
  LaunchHost& host_;
};

// Draws one frame, on this thread with progress steps or with several threads.
bool DrawFrame(const LaunchList& launchList, long double t, long double g, LaunchHost& host,
               ParallelRenderer* parallel) {
  if (!parallel) return RenderFrame(launchList, t, g, host);
  host.SetWaitCursor(true);
  host.SetBusy(true);
  const RenderOptions options{host.AntiAliasing(), host.WrapSpace()};
  parallel->Render(launchList, t, g, options, host.Space(), host.Bitmap());
  host.SetProgress(0);
  host.ShowFrame();
  host.SetWaitCursor(false);
  return true;
}

bool SaveFrame(const TEnvironment& env, int64_t frame, LaunchHost& host) {
  try {
    host.SaveFrame(host.Bitmap(), AutoSaveFileName(env.NAME, frame));
    return true;
  } catch (const std::exception&) {
    host.ShowWarning(kSaveFailedWarning);
    return false;
  }
}

}  // namespace

std::string DrawingCaption(int64_t frame, int64_t count) {
  char text[96];
  std::snprintf(text, sizeof text, "作画中です...%lld/%lld", static_cast<long long>(frame),
                static_cast<long long>(count));
  return text;
}

std::string RemoveExtension(const std::string& name) {
  const std::size_t cut = name.find_last_of(".\\/");
  if (cut == std::string::npos || name[cut] != '.') return name;
  return name.substr(0, cut);
}

std::string AutoSaveFileName(const std::string& name, int64_t frame) {
  char number[32];
  std::snprintf(number, sizeof number, "%.5lld.BMP", static_cast<long long>(frame));
  return RemoveExtension(name) + number;
}

int64_t FrameCount(long double nf) {
  if (!(nf >= 1)) return 0;
  constexpr long double kMaxFrames = 9223372036854775807.0L;
  return nf >= kMaxFrames ? INT64_MAX : static_cast<int64_t>(nf);
}

void FreeLaunchList(LaunchList& launchList) {
  while (!launchList.empty()) launchList.pop_back();
}

LaunchEnd RunLaunch(const ParticleList& list, const TEnvironment& settings, LaunchList& launchList,
                    LaunchHost& host, int jobs) {
  // Commands that run inside a progress step (a file dropped on the window)
  // may replace the settings; the launch keeps those it started with.
  const TEnvironment env = settings;
  host.SetBusy(true);
  LaunchScope scope(launchList, host);
  long double t = env.ST;
  if (!BuildLaunchList(list, env.G, host, launchList, jobs)) return LaunchEnd::Declined;
  std::unique_ptr<ParallelRenderer> parallel;
  if (jobs > 1) parallel = std::make_unique<ParallelRenderer>(jobs);
  const int64_t count = FrameCount(env.NF);
  for (int64_t i = 1; i <= count; ++i) {
    host.SetViewerCaption(DrawingCaption(i, count));
    host.Space().Clear();
    if (!DrawFrame(launchList, t, env.G, host, parallel.get())) return LaunchEnd::Stopped;
    t = t + env.IT;
    if (env.AUTOSAVE && !SaveFrame(env, i, host)) return LaunchEnd::SaveFailed;
  }
  return LaunchEnd::Completed;
}

}  // namespace kirabel

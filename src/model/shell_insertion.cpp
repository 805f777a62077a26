#include "model/shell_insertion.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/launch_limits.h"
#include "model/shell_gravity.h"

namespace kirabel {

namespace {

// A launch settings' own rounding of a frame time: a frame needed only by
// that little more is not added.
constexpr long double kFrameTolerance = 1e-9L;

// The birth time of the first rising set, or 0 without one.
long double RisingBirth(const ParticleList& sets) {
  const std::size_t rising = FirstRisingSet(sets);
  return rising < sets.size() ? sets[rising].birthTime : 0;
}

// The list's settings with the shell's gravity, start, interval, frame
// count, wind and random streams; its automatic saving stays the list's.
LaunchSettings WithShellLaunch(LaunchSettings list, const LaunchSettings& shell) {
  list.gravity = shell.gravity;
  list.startTime = shell.startTime;
  list.frameInterval = shell.frameInterval;
  list.frameCount = shell.frameCount;
  list.wind = shell.wind;
  list.ownRandom = shell.ownRandom;
  return list;
}

}  // namespace

long double LastFrameTime(const LaunchSettings& settings) {
  const long double frames = std::max(std::floor(settings.frameCount), 1.0L);
  return settings.startTime + (frames - 1) * settings.frameInterval;
}

long double FramesReaching(const LaunchSettings& settings, long double time) {
  const long double interval = settings.frameInterval;
  if (!(interval > 0) || !std::isfinite(time)) return settings.frameCount;
  const long double needed =
      std::ceil((time - settings.startTime) / interval - kFrameTolerance) + 1;
  if (!(needed > settings.frameCount)) return settings.frameCount;
  return HeldWithinLimits(needed, LaunchSettingLimits(LaunchSetting::kFrameCount));
}

ShellInsertion FitShellIntoList(Shell shell, bool listHasSets, const LaunchSettings& listSettings,
                                const ShellPlace& place) {
  if (!listHasSets) {
    PlaceShell(shell.sets, place.column, place.spaceHeight, std::nullopt);
    return {std::move(shell.sets), WithShellLaunch(listSettings, shell.settings), false};
  }
  const bool scaled =
      !GravityScaleBetween(shell.settings.gravity, listSettings.gravity).changesNothing();
  shell = ScaledToGravity(std::move(shell), listSettings.gravity);
  const long double birthBefore = RisingBirth(shell.sets);
  PlaceShell(shell.sets, place.column, place.spaceHeight, place.birthTime);
  const long double shift = RisingBirth(shell.sets) - birthBefore;
  LaunchSettings settings = listSettings;
  settings.frameCount = FramesReaching(listSettings, LastFrameTime(shell.settings) + shift);
  return {std::move(shell.sets), settings, scaled};
}

}  // namespace kirabel

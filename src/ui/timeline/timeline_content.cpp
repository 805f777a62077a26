#include "ui/timeline/timeline_content.h"

#include <algorithm>
#include <cmath>

#include "model/launch_limits.h"
#include "simulation/launch.h"

namespace kirabel {

namespace {

void Cover(const TimeSpan& span, long double& earliest, long double& latest) {
  const long double from = span.birth - span.birthSpread, to = span.death + span.deathSpread;
  if (std::isfinite(from)) earliest = std::min(earliest, from);
  if (std::isfinite(to)) latest = std::max(latest, to);
}

}  // namespace

TimelineContent::TimelineContent(const DocumentData& data)
    : settings(WithinLaunchLimits(data.settings)),
      clock(settings, data.show),
      frameCount(std::max<int64_t>(FrameCount(settings.frameCount), 1)),
      firstTime(clock.FrameTime(1)),
      lastTime(clock.FrameTime(frameCount)),
      audioOffset(data.show.audioOffset) {
  // Generations are worth listing while they appear within the launch.
  rows = ListTiming(data.sets, lastTime);
  earliest = firstTime;
  latest = lastTime;
  for (const SetTiming& row : rows) {
    Cover(row.span, earliest, latest);
    for (const GenerationSpan& generation : row.generations)
      Cover(generation.span, earliest, latest);
  }
  names.reserve(data.sets.size());
  colours.reserve(data.sets.size());
  for (const ParticleSet& set : data.sets) {
    names.push_back(QString::fromStdString(set.name));
    colours.emplace_back(set.red, set.green, set.blue);
  }
}

std::optional<std::size_t> TimelineContent::rowOf(std::size_t set) const {
  const auto found =
      std::lower_bound(rows.begin(), rows.end(), set,
                       [](const SetTiming& row, std::size_t s) { return row.set < s; });
  if (found == rows.end() || found->set != set) return std::nullopt;
  return static_cast<std::size_t>(found - rows.begin());
}

}  // namespace kirabel

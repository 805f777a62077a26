#include "model/shell_gravity.h"

#include <cmath>
#include <utility>

#include "model/launch_limits.h"
#include "model/set_number_limits.h"
#include "model/shell_file.h"

namespace kirabel {

namespace {

struct ScaledNumber {
  long double ParticleSet::*member;
  SetNumber number;
};

// Every time of a set, in its own unit of time.
constexpr ScaledNumber kTimes[] = {
    {&ParticleSet::birthTime, SetNumber::kBirthTime},
    {&ParticleSet::birthSpread, SetNumber::kBirthSpread},
    {&ParticleSet::lifetime, SetNumber::kLifetime},
    {&ParticleSet::lifetimeSpread, SetNumber::kLifetimeSpread},
    {&ParticleSet::trailLength, SetNumber::kTrailLength},
};

// Every speed of a set.
constexpr ScaledNumber kSpeeds[] = {
    {&ParticleSet::speed, SetNumber::kSpeed},
    {&ParticleSet::speedSpread, SetNumber::kSpeedSpread},
};

void Scale(ParticleSet& set, const ScaledNumber& field, long double factor) {
  set.*field.member = StoredWithinLimits(field.number, set.*field.member * factor);
}

// The set's star effects (drag and spark rates per time unit, fade, flash,
// strobe, second colour and spark times, spark speed) scale here alike once
// a set carries them: times by scale.time, rates and speeds by scale.speed.
void ScaleStarEffects(ParticleSet& /*set*/, const GravityScale& /*scale*/) {}

}  // namespace

GravityScale GravityScaleBetween(long double from, long double to) {
  if (!std::isfinite(from) || !std::isfinite(to) || from == to) return {};
  const long double ratio = from / to;  // not finite when `to` is 0
  if (!(ratio > 0) || !std::isfinite(ratio)) return {};
  return {std::sqrt(ratio), std::sqrt(to / from)};
}

ParticleSet ScaledSet(const ParticleSet& set, const GravityScale& scale) {
  ParticleSet scaled = set;
  if (scale.changesNothing()) return scaled;
  for (const ScaledNumber& time : kTimes) Scale(scaled, time, scale.time);
  for (const ScaledNumber& speed : kSpeeds) Scale(scaled, speed, scale.speed);
  ScaleStarEffects(scaled, scale);
  return scaled;
}

Shell ScaledToGravity(Shell shell, long double gravity) {
  const GravityScale scale = GravityScaleBetween(shell.settings.gravity, gravity);
  if (scale.changesNothing()) return shell;
  for (ParticleSet& set : shell.sets) set = ScaledSet(set, scale);
  // The launch's wind, a speed, scales here too once the settings carry it.
  shell.settings.gravity = gravity;
  shell.settings.startTime *= scale.time;
  shell.settings.frameInterval *= scale.time;
  shell.settings = WithinLaunchLimits(shell.settings);
  return shell;
}

}  // namespace kirabel

#include "model/shell_gravity.h"

#include <cmath>
#include <utility>

#include "model/launch_limits.h"
#include "model/set_number_limits.h"
#include "model/shell_file.h"
#include "model/star_effect_fields.h"

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

// Every time of a set's star effects.
constexpr long double StarEffects::*kEffectTimes[] = {
    &StarEffects::fadeIn,       &StarEffects::fadeOut,           &StarEffects::flashTime,
    &StarEffects::strobePeriod, &StarEffects::secondColourBlend, &StarEffects::sparkLifetime,
};

// Every speed and every rate per time unit of a set's star effects.
constexpr long double StarEffects::*kEffectSpeeds[] = {
    &StarEffects::drag,
    &StarEffects::sparkRate,
    &StarEffects::sparkSpeed,
};

// The star effects scaled alike; the flash, the strobe's lit share and the
// colours have no unit of time. A negative second colour age (none) stays.
void ScaleStarEffects(ParticleSet& set, const GravityScale& scale) {
  if (!set.HasEffects()) return;
  StarEffects effects = set.Effects();
  for (const auto time : kEffectTimes) effects.*time *= scale.time;
  for (const auto speed : kEffectSpeeds) effects.*speed *= scale.speed;
  if (effects.secondColourAge >= 0) effects.secondColourAge *= scale.time;
  set.SetEffects(WithinEffectLimits(effects));
}

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
  shell.settings.gravity = gravity;
  shell.settings.wind *= scale.speed;
  shell.settings.startTime *= scale.time;
  shell.settings.frameInterval *= scale.time;
  shell.settings = WithinLaunchLimits(shell.settings);
  return shell;
}

}  // namespace kirabel

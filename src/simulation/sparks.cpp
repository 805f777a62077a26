#include "simulation/sparks.h"

#include <algorithm>
#include <cmath>

#include "model/star_effect_fields.h"
#include "simulation/counter_random.h"
#include "simulation/space_plot.h"

namespace kirabel {

namespace {

constexpr long double kTwoPi = 6.2831853071795864769L;

// The index of the last spark shed by `age` at `rate`, within [-1, kMaxSparksPerStar - 1].
int64_t LastSparkBy(long double age, long double rate) {
  const long double last = std::floor(age * rate);
  if (!(last >= 0)) return -1;
  return last >= kMaxSparksPerStar - 1 ? kMaxSparksPerStar - 1 : static_cast<int64_t>(last);
}

}  // namespace

SparkSet::SparkSet(const ParticleSet& set) {
  const StarEffects effects = WithinEffectLimits(set.Effects());
  if (!(effects.sparkRate > 0 && effects.sparkLifetime > 0)) return;
  rate_ = effects.sparkRate;
  lifetime_ = effects.sparkLifetime;
  speed_ = effects.sparkSpeed;
  colour_[0] = effects.sparkRed * 128.0L;
  colour_[1] = effects.sparkGreen * 128.0L;
  colour_[2] = effects.sparkBlue * 128.0L;
}

void SparkSet::Draw(const ParticleState& p, uint64_t key, long double t, const Forces& forces,
                    const RenderOptions& options, SpaceBuffer& space) const {
  if (!Sheds()) return;
  const long double age = t - p.birth;
  const long double life = p.death - p.birth;
  const int64_t last = LastSparkBy(std::min(age, life), rate_);
  const int64_t first = LastSparkBy(age - lifetime_, rate_) + 1;
  const PixelTarget target(space);
  for (int64_t j = std::max<int64_t>(first - 1, 0); j <= last; ++j) {
    const long double shed = static_cast<long double>(j) / rate_;
    const long double sparkAge = age - shed;
    if (!(sparkAge >= 0 && sparkAge < lifetime_)) continue;
    const SpacePoint from = PositionAtAge(p, shed, forces);
    const SpacePoint velocity = VelocityAtAge(p, shed, forces);
    const long double theta = kTwoPi * UnitRandom(key, static_cast<uint64_t>(j));
    ParticleState spark;
    spark.x0 = from.x;
    spark.y0 = from.y;
    spark.vx = velocity.x - std::sin(theta) * speed_;
    spark.vy = velocity.y - std::cos(theta) * speed_;
    const SpacePoint at = PositionAtAge(spark, sparkAge, forces);
    int32_t px, py;
    if (!ToFixedPoint(at.x, px) || !ToFixedPoint(at.y, py)) continue;
    const long double fade = 1 - sparkAge / lifetime_;
    const auto amount = [&](int c) { return static_cast<uint64_t>(colour_[c] * fade); };
    PlotLight(target, options.antiAlias, options.wrap, px, py,
              PackColour(amount(0), amount(1), amount(2)));
  }
}

int64_t SparksPerStar(const ParticleSet& set) {
  const StarEffects effects = WithinEffectLimits(set.Effects());
  if (!(effects.sparkRate > 0 && effects.sparkLifetime > 0)) return 0;
  const long double longestLife = set.lifetime + std::fabs(set.lifetimeSpread);
  return LastSparkBy(longestLife, effects.sparkRate) + 1;
}

}  // namespace kirabel

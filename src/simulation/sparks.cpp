#include "simulation/sparks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/star_effect_fields.h"
#include "simulation/counter_random.h"
#include "simulation/space_plot.h"
#include "simulation/star_plotter.h"

namespace kirabel {

namespace {

constexpr double kTwoPi = 6.2831853071795864769;

// A direction as its sine and cosine.
struct UnitVector {
  float x;
  float y;
};

// Directions evenly round the circle; a spark takes the one that the top
// bits of its random number pick, finer than any picture shows.
class UnitCircle {
 public:
  UnitCircle() {
    for (std::size_t i = 0; i < vectors_.size(); ++i) {
      const double angle = kTwoPi * static_cast<double>(i) / static_cast<double>(vectors_.size());
      vectors_[i] = {static_cast<float>(std::sin(angle)), static_cast<float>(std::cos(angle))};
    }
  }
  const UnitVector& At(uint64_t randomBits) const { return vectors_[randomBits >> (64 - kBits)]; }

 private:
  static constexpr int kBits = 12;
  std::array<UnitVector, std::size_t{1} << kBits> vectors_;
};

const UnitCircle& TheUnitCircle() {
  static const UnitCircle circle;
  return circle;
}

// The index of the last spark shed by `age` at `rate`, within [-1, kMaxSparksPerStar - 1].
int64_t LastSparkBy(long double age, long double rate) {
  const long double last = std::floor(age * rate);
  if (!(last >= 0)) return -1;
  return last >= kMaxSparksPerStar - 1 ? kMaxSparksPerStar - 1 : static_cast<int64_t>(last);
}

}  // namespace

SparkSet::SparkSet(const ParticleSet& set, const Forces& forces) {
  const StarEffects effects = WithinEffectLimits(set.Effects());
  if (!(effects.sparkRate > 0 && effects.sparkLifetime > 0)) return;
  rate_ = effects.sparkRate;
  interval_ = static_cast<double>(1 / rate_);
  lifetime_ = effects.sparkLifetime;
  speed_ = static_cast<double>(effects.sparkSpeed);
  colour_[0] = effects.sparkRed * 128.0;
  colour_[1] = effects.sparkGreen * 128.0;
  colour_[2] = effects.sparkBlue * 128.0;
  forces_ = forces;
  shedStep_ = MotionStep(forces, interval_);
}

MovingPoint SparkSet::Advanced(MovingPoint star) const {
  star.Advance(shedStep_);
  return star;
}

void SparkSet::Draw(const ParticleState& p, uint64_t key, long double t,
                    const RenderOptions& options, SpaceBuffer& space) const {
  if (!Sheds()) return;
  WithPointPlotter(space, options, [&](const auto& plot) { DrawWith(p, key, t, plot); });
}

template <class Plotter>
void SparkSet::DrawWith(const ParticleState& p, uint64_t key, long double t,
                        const Plotter& plot) const {
  const long double age = t - p.birth;
  const long double life = p.death - p.birth;
  const int64_t last = LastSparkBy(std::min(age, life), rate_);
  const int64_t first = std::max<int64_t>(LastSparkBy(age - lifetime_, rate_), 0);
  if (first > last) return;
  // The star is followed from shedding to shedding; each spark flies from
  // there by the closed form over its own age.
  const UnitCircle& circle = TheUnitCircle();
  const double starAge = static_cast<double>(age);
  const auto starAt = [&](int64_t j) {
    return PointAtAge(p, static_cast<double>(j) * interval_, forces_);
  };
  MovingPoint star = starAt(first);
  for (int64_t j = first; j <= last; ++j, star = shedStep_.usable ? Advanced(star) : starAt(j)) {
    const double sparkAge = starAge - static_cast<double>(j) * interval_;
    if (!(sparkAge >= 0 && sparkAge < static_cast<double>(lifetime_))) continue;
    const UnitVector& away = circle.At(CombineKeys(key, static_cast<uint64_t>(j)));
    PlotSpark(star, away.x, away.y, sparkAge, plot);
  }
}

template <class Plotter>
void SparkSet::PlotSpark(const MovingPoint& star, double awayX, double awayY, double sparkAge,
                         const Plotter& plot) const {
  MovingPoint spark = star;
  spark.airX -= awayX * speed_;
  spark.vy -= awayY * speed_;
  spark.Advance(MotionStep(forces_, sparkAge));
  int32_t px, py;
  if (!ToFixedPoint(spark.x, px) || !ToFixedPoint(spark.y, py)) return;
  const double fade = 1 - sparkAge / static_cast<double>(lifetime_);
  const auto amount = [&](int c) {  // within 16 bits, through a 32-bit integer
    return static_cast<uint64_t>(static_cast<int32_t>(colour_[c] * fade));
  };
  plot(px, py, PackColour(amount(0), amount(1), amount(2)));
}

int64_t SparksPerStar(const ParticleSet& set) {
  const StarEffects effects = WithinEffectLimits(set.Effects());
  if (!(effects.sparkRate > 0 && effects.sparkLifetime > 0)) return 0;
  const long double longestLife = set.lifetime + std::fabs(set.lifetimeSpread);
  return LastSparkBy(longestLife, effects.sparkRate) + 1;
}

}  // namespace kirabel

#include "simulation/set_shaping.h"

#include <cmath>

#include "model/angles.h"
#include "model/set_number_limits.h"
#include "simulation/flight_path.h"

namespace kirabel {

namespace {

constexpr long double kFullTurn = 2 * kPi;

// A field without negatives would take a negative number's magnitude; a
// point dragged beyond the space's edge stops at 0 instead.
long double NotNegative(long double x) {
  return x < 0 ? 0 : x;
}

}  // namespace

ParticleSet WithOrigin(const ParticleSet& set, long double x, long double y) {
  ParticleSet changed = set;
  changed.originX = StoredWithinLimits(SetNumber::kOriginX, NotNegative(x));
  changed.originY = StoredWithinLimits(SetNumber::kOriginY, NotNegative(y));
  return changed;
}

ParticleSet WithDirectionAndSpeed(const ParticleSet& set, long double direction,
                                  long double speed) {
  ParticleSet changed = set;
  changed.direction = StoredWithinLimits(SetNumber::kDirection, direction);
  changed.speed = StoredWithinLimits(SetNumber::kSpeed, NotNegative(speed));
  return changed;
}

ParticleSet WithDirectionSpread(const ParticleSet& set, long double spread) {
  ParticleSet changed = set;
  changed.directionSpread = StoredWithinLimits(SetNumber::kDirectionSpread, spread);
  return changed;
}

long double DirectionOfStep(long double dx, long double dy, long double near) {
  const long double theta = DirectionOfVelocity(dx, dy);
  if (!std::isfinite(near)) return theta;
  return theta + kFullTurn * std::round((near - theta) / kFullTurn);
}

long double SnappedAngle(long double radians, long double stepDegrees) {
  const long double degrees = RadiansToDegrees(radians);
  return DegreesToRadians(std::round(degrees / stepDegrees) * stepDegrees);
}

long double AngleBetween(long double a, long double b) {
  const long double d = std::fmod(std::fabs(a - b), kFullTurn);
  return d > kPi ? kFullTurn - d : d;
}

std::optional<std::size_t> PickSet(const ParticleList& list, const Forces& air, long double x,
                                   long double y, long double reach) {
  std::optional<std::size_t> nearest;
  long double nearestDistance = 0;
  const auto consider = [&](std::size_t set, long double px, long double py) {
    const long double distance = std::hypot(px - x, py - y);
    if (distance <= reach && (!nearest || distance < nearestDistance)) {
      nearest = set;
      nearestDistance = distance;
    }
  };
  for (std::size_t set = 0; set < list.size(); ++set) {
    if (!list[set].visible) continue;
    consider(set, list[set].originX, list[set].originY);
    const std::vector<MeanFlight> chain = MeanFlightChain(list, set, air, 2);
    if (chain.size() >= 2) consider(set, chain[1].particle.x0, chain[1].particle.y0);
  }
  return nearest;
}

}  // namespace kirabel

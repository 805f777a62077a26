#pragma once
// Shaping a set by hand (dragging its handles, moving it by keys): its
// origin, its direction and speed, its direction spread, each held within
// what the properties dialog's fields accept, and the set picked by a point
// of the space.
#include <cstddef>
#include <optional>

#include "model/particle.h"
#include "simulation/particle_motion.h"

namespace kirabel {

// The set with its origin moved to (x, y).
ParticleSet WithOrigin(const ParticleSet& set, long double x, long double y);
// The set with its direction (radians, relative to what it is measured
// from) and its mean speed replaced.
ParticleSet WithDirectionAndSpeed(const ParticleSet& set, long double direction, long double speed);
// The set with its direction spread (radians) replaced.
ParticleSet WithDirectionSpread(const ParticleSet& set, long double spread);

// The direction of motion (0 = up, counter-clockwise, y downwards) of the
// step (dx, dy), taken as the equivalent angle nearest to `near`.
long double DirectionOfStep(long double dx, long double dy, long double near);
// The angle on the nearest multiple of `stepDegrees`.
long double SnappedAngle(long double radians, long double stepDegrees);
// The angle between two directions, from 0 to pi.
long double AngleBetween(long double a, long double b);

// The visible set whose origin or mean burst point (when it bursts) lies
// nearest to (x, y), within `reach`; none when every set is farther.
std::optional<std::size_t> PickSet(const ParticleList& list, const Forces& air, long double x,
                                   long double y, long double reach);

}  // namespace kirabel

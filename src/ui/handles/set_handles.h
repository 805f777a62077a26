#pragma once
// The handles of the selected set over the picture, in the space's
// coordinates (x to the right, y downwards; one unit is one picture pixel):
// its origin, an arrow in its direction whose length shows its mean speed,
// the two edges of its direction spread, and the mean flights of its chain.
// A set that is only ever a child has its arrow and edges at its parent's
// mean burst point, turned by the parent's direction there.
#include <QPointF>
#include <cstddef>
#include <optional>
#include <vector>

#include "model/particle.h"
#include "simulation/flight_path.h"

namespace kirabel {

// Space pixels of arrow per unit of speed.
constexpr qreal kArrowPerSpeed = 8;
// The spread edges are at least this long (space pixels).
constexpr qreal kShortestSpreadEdge = 48;

enum class HandlePart { kNone, kOrigin, kTip, kSpreadLow, kSpreadHigh };

struct SetHandles {
  std::size_t set = 0;
  bool originMovable = false;     // a visible set: its own origin is the anchor
  QPointF anchor;                 // where the arrow starts
  long double baseDirection = 0;  // what the set's direction is measured from
  QPointF tip;
  QPointF spreadLow;   // end of the edge at direction - spread
  QPointF spreadHigh;  // end of the edge at direction + spread
  std::vector<MeanFlight> flights;
};

// The handles of set `set` in the launch's air; none when there is no such set
// or it never flies.
std::optional<SetHandles> HandlesOfSet(const ParticleList& list, std::size_t set,
                                       const Forces& air);

// The handle nearest to `point` within `reach` (all in space pixels).
HandlePart HandleAt(const SetHandles& handles, QPointF point, qreal reach);

}  // namespace kirabel

#include "ui/handles/set_handles.h"

#include <QLineF>
#include <cmath>

#include "model/angles.h"

namespace kirabel {

namespace {

// The point `length` away from `from` in direction theta, as the launch sets
// a particle's motion.
QPointF Along(QPointF from, long double theta, qreal length) {
  const Velocity step = VelocityFromDirection(theta, 1);
  return from + QPointF(static_cast<qreal>(step.x) * length, static_cast<qreal>(step.y) * length);
}

}  // namespace

std::optional<SetHandles> HandlesOfSet(const ParticleList& list, std::size_t set,
                                       const Forces& air) {
  if (set >= list.size()) return std::nullopt;
  const ParticleSet& shown = list[set];
  SetHandles handles;
  handles.set = set;
  handles.flights = FlightsOfSet(list, set, air);
  handles.originMovable = shown.visible;
  if (shown.visible) {
    handles.anchor = QPointF(static_cast<qreal>(shown.originX), static_cast<qreal>(shown.originY));
  } else if (!handles.flights.empty()) {
    const MeanFlight& own = handles.flights.front();
    handles.anchor =
        QPointF(static_cast<qreal>(own.particle.x0), static_cast<qreal>(own.particle.y0));
    handles.baseDirection = own.baseDirection;
  } else {
    return std::nullopt;
  }
  const long double direction = handles.baseDirection + shown.direction;
  const qreal arrow = static_cast<qreal>(shown.speed) * kArrowPerSpeed;
  const qreal edge = std::max(arrow, kShortestSpreadEdge);
  handles.tip = Along(handles.anchor, direction, arrow);
  handles.spreadLow = Along(handles.anchor, direction - shown.directionSpread, edge);
  handles.spreadHigh = Along(handles.anchor, direction + shown.directionSpread, edge);
  return handles;
}

HandlePart HandleAt(const SetHandles& handles, QPointF point, qreal reach) {
  HandlePart nearest = HandlePart::kNone;
  qreal nearestDistance = reach;
  const auto consider = [&](HandlePart part, QPointF handle) {
    const qreal distance = QLineF(handle, point).length();
    if (distance <= nearestDistance) {
      nearest = part;
      nearestDistance = distance;
    }
  };
  // Later ones win ties: a tip on the origin (no speed) is still the origin.
  consider(HandlePart::kSpreadLow, handles.spreadLow);
  consider(HandlePart::kSpreadHigh, handles.spreadHigh);
  consider(HandlePart::kTip, handles.tip);
  if (handles.originMovable) consider(HandlePart::kOrigin, handles.anchor);
  return nearest;
}

}  // namespace kirabel

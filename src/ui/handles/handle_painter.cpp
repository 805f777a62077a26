#include "ui/handles/handle_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace kirabel {

namespace {

// Points along each generation's path.
constexpr int kPathSegments = 64;
constexpr qreal kHandleRadius = 5;  // logical pixels
const QColor kPathColour(255, 220, 120);
const QColor kArrowColour(255, 255, 120);
const QColor kSpreadColour(120, 220, 255);
const QColor kOutline(0, 0, 0, 200);

bool IsFinite(const SpacePoint& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// A line around which a dark outline keeps it readable on a bright picture.
void DrawOutlined(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width) {
  painter.strokePath(path, QPen(kOutline, width + 2, Qt::SolidLine, Qt::RoundCap));
  painter.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
}

void DrawHandle(QPainter& painter, QPointF at, const QColor& fill) {
  painter.setPen(QPen(kOutline, 1.5));
  painter.setBrush(fill);
  painter.drawEllipse(at, kHandleRadius, kHandleRadius);
}

void DrawFlights(QPainter& painter, const std::vector<MeanFlight>& flights, qreal ratio) {
  int alpha = 230;
  for (const MeanFlight& flight : flights) {
    QPainterPath path;
    bool open = false;
    for (const SpacePoint& point : PathPoints(flight.particle, flight.forces, kPathSegments)) {
      if (!IsFinite(point)) {
        open = false;
        continue;
      }
      const QPointF at(static_cast<qreal>(point.x) / ratio, static_cast<qreal>(point.y) / ratio);
      if (open) {
        path.lineTo(at);
      } else {
        path.moveTo(at);
        open = true;
      }
    }
    QColor colour = kPathColour;
    colour.setAlpha(alpha);
    DrawOutlined(painter, path, colour, 1.5);
    if (open) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      painter.drawEllipse(path.currentPosition(), 3, 3);
    }
    alpha = std::max(60, alpha * 2 / 3);
  }
}

void DrawSetHandles(QPainter& painter, const SetHandles& handles, qreal ratio) {
  const QPointF anchor = handles.anchor / ratio;
  QPainterPath edges;
  for (QPointF end : {handles.spreadLow, handles.spreadHigh}) {
    edges.moveTo(anchor);
    edges.lineTo(end / ratio);
  }
  DrawOutlined(painter, edges, kSpreadColour, 1);
  const QPointF tip = handles.tip / ratio;
  QPainterPath arrow;
  arrow.moveTo(anchor);
  arrow.lineTo(tip);
  const QLineF shaft(tip, anchor);
  if (shaft.length() > 1) {
    for (qreal turn : {-25.0, 25.0}) {
      QLineF barb = shaft;
      barb.setLength(8);
      barb.setAngle(shaft.angle() + turn);
      arrow.moveTo(tip);
      arrow.lineTo(barb.p2());
    }
  }
  DrawOutlined(painter, arrow, kArrowColour, 2);
  DrawHandle(painter, handles.spreadLow / ratio, kSpreadColour);
  DrawHandle(painter, handles.spreadHigh / ratio, kSpreadColour);
  DrawHandle(painter, tip, kArrowColour);
  DrawHandle(painter, anchor, handles.originMovable ? Qt::white : QColor(160, 160, 160));
}

}  // namespace

HandleScene MakeHandleScene(const ParticleList& list, std::optional<std::size_t> selected,
                            const Forces& air) {
  HandleScene scene;
  scene.air = air;
  for (const ParticleSet& set : list) {
    if (set.visible)
      scene.origins.emplace_back(static_cast<qreal>(set.originX), static_cast<qreal>(set.originY));
  }
  if (selected) scene.selected = HandlesOfSet(list, *selected, air);
  return scene;
}

void PaintHandles(QPainter& painter, const HandleScene& scene, qreal ratio) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(255, 255, 255, 140), 1));
  painter.setBrush(Qt::NoBrush);
  for (const QPointF& origin : scene.origins) painter.drawEllipse(origin / ratio, 3, 3);
  if (scene.selected) {
    DrawFlights(painter, scene.selected->flights, ratio);
    DrawSetHandles(painter, *scene.selected, ratio);
  }
  painter.restore();
}

}  // namespace kirabel

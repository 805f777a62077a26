#pragma once
// Draws the handles over the picture: faint marks at the origins of the
// visible sets, and for the selected set its origin, its arrow, its spread
// edges and the mean paths of its chain, each generation lighter. Drawn by
// the viewer over the picture, never into it.
#include <QPointF>
#include <cstddef>
#include <optional>
#include <vector>

#include "ui/handles/set_handles.h"

class QPainter;

namespace kirabel {

// Everything the overlay shows, in space pixels.
struct HandleScene {
  std::vector<QPointF> origins;        // of the visible sets
  std::optional<SetHandles> selected;  // the selected set's handles
  Forces air;                          // the launch's gravity and wind
};

// The scene of a list: the visible sets' origins and the handles of set
// `selected` (none when no set is selected) in the launch's air.
HandleScene MakeHandleScene(const ParticleList& list, std::optional<std::size_t> selected,
                            const Forces& air);

// Paints the scene with a painter in logical pixels; `ratio` space pixels
// make one logical pixel.
void PaintHandles(QPainter& painter, const HandleScene& scene, qreal ratio);

}  // namespace kirabel

#include "simulation/renderer.h"

#include <algorithm>

#include "image/picture.h"
#include "simulation/space_buffer.h"
#include "simulation/star_drawer.h"

namespace kirabel {

int64_t TotalParticles(const LaunchList& launchList) {
  int64_t total = 0;
  for (const LaunchedSet& set : launchList) total += static_cast<int64_t>(set.states.size());
  return total;
}

void CopySpaceToPicture(const SpaceBuffer& space, Picture& picture) {
  CopySpaceRows(space, picture, 0, space.Height());
}

void CopySpaceRows(const SpaceBuffer& space, Picture& picture, int32_t firstRow, int32_t lastRow) {
  const int32_t w = std::min(space.Width(), picture.Width());
  const int32_t h = std::min({space.Height(), picture.Height(), lastRow});
  for (int32_t y = std::max(firstRow, 0); y < h; ++y) {
    uint8_t* row = picture.Row(y);
    const uint16_t* pixel = space.Pixel(0, y);
    for (int32_t x = 0; x < w; ++x, pixel += SpaceBuffer::kValuesPerPixel) {
      row[3 * x + 0] = static_cast<uint8_t>(pixel[2] >> 8);
      row[3 * x + 1] = static_cast<uint8_t>(pixel[1] >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(pixel[0] >> 8);
    }
  }
}

bool RenderFrame(const LaunchList& launchList, long double t, const Forces& air,
                 const RenderOptions& options, const ProgressStep& step, SpaceBuffer& space) {
  const int64_t interval =
      std::max<int64_t>(TotalParticles(launchList) / kProgressStepsPerFrame, 1);
  int64_t counter = 1;
  StarDrawer stars;
  for (const LaunchedSet& launched : launchList) {
    stars.Load(launched, air);
    const int64_t count = static_cast<int64_t>(launched.states.size());
    for (int64_t i = 0; i < count; ++i) {
      stars.Draw(launched.states[static_cast<std::size_t>(i)], i, t, options, space);
      if (counter++ % interval == 0 && step && !step()) return false;
    }
  }
  return true;
}

}  // namespace kirabel

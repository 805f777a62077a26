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

namespace {

inline uint8_t PictureByte(uint16_t value) {
  return static_cast<uint8_t>(value >> 8);
}
inline uint8_t PictureByte(uint32_t value) {
  return static_cast<uint8_t>(value >= 65535u ? 255u : value >> 8);
}

template <class Value>
void CopyRows(const Value* pixels, int32_t spaceWidth, Picture& picture, int32_t width,
              int32_t firstRow, int32_t lastRow) {
  for (int32_t y = firstRow; y < lastRow; ++y) {
    uint8_t* row = picture.Row(y);
    const Value* pixel = pixels + static_cast<std::size_t>(y) *
                                      static_cast<std::size_t>(spaceWidth) *
                                      SpaceBuffer::kValuesPerPixel;
    for (int32_t x = 0; x < width; ++x, pixel += SpaceBuffer::kValuesPerPixel) {
      row[3 * x + 0] = PictureByte(pixel[2]);
      row[3 * x + 1] = PictureByte(pixel[1]);
      row[3 * x + 2] = PictureByte(pixel[0]);
    }
  }
}

}  // namespace

void CopySpaceRows(const SpaceBuffer& space, Picture& picture, int32_t firstRow, int32_t lastRow) {
  const int32_t w = std::min(space.Width(), picture.Width());
  const int32_t h = std::min({space.Height(), picture.Height(), lastRow});
  const int32_t y0 = std::max(firstRow, 0);
  if (space.Linear()) {
    CopyRows(space.LinearData(), space.Width(), picture, w, y0, h);
  } else {
    CopyRows(space.Data(), space.Width(), picture, w, y0, h);
  }
}

bool RenderFrame(const LaunchList& launchList, long double t, const Forces& air,
                 const RenderOptions& options, const ProgressStep& step, SpaceBuffer& space,
                 const StopRequest& stop) {
  const int64_t interval =
      std::max<int64_t>(TotalParticles(launchList) / kProgressStepsPerFrame, 1);
  int64_t counter = 1;
  StopPoller poller(stop);
  StarDrawer stars;
  for (const LaunchedSet& launched : launchList) {
    stars.Load(launched, air);
    const int64_t count = static_cast<int64_t>(launched.states.size());
    for (int64_t i = 0; i < count; ++i) {
      stars.Draw(launched.states[static_cast<std::size_t>(i)], i, t, options, space);
      if (counter++ % interval == 0 && step && !step()) return false;
      if (poller.Poll(stars.Work())) return false;
    }
  }
  return true;
}

}  // namespace kirabel

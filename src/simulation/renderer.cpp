#include "simulation/renderer.h"

#include <algorithm>

#include "image/dibs.h"
#include "simulation/space.h"

namespace kirabel {

int64_t TotalParticles(const LaunchList& launchList) {
  int64_t total = 0;
  for (const TParticle& set : launchList) total += static_cast<int64_t>(set.states.size());
  return total;
}

FrameProgress::FrameProgress(LaunchHost& host, int64_t totalParticles) : host_(host) {
  const int64_t max = std::max<int64_t>(host.ProgressMax(), 1);
  step_ = totalParticles / max;
  if (step_ == 0) step_ = 1;
}

bool FrameProgress::StepProgress() {
  if (counter_ % step_ == 0) {
    host_.AdvanceProgress();
    if (!host_.IsBusy()) {
      host_.SetProgress(0);
      host_.ShowFrame();
      host_.SetWaitCursor(false);
      return false;
    }
  }
  ++counter_;
  return true;
}

void CopySpaceToBitmap(const TSpace& space, TDIBitmap& bitmap) {
  CopySpaceRows(space, bitmap, 0, space.Height());
}

void CopySpaceRows(const TSpace& space, TDIBitmap& bitmap, int32_t firstRow, int32_t lastRow) {
  const int32_t w = std::min(space.Width(), bitmap.Width());
  const int32_t h = std::min({space.Height(), bitmap.Height(), lastRow});
  for (int32_t y = std::max(firstRow, 0); y < h; ++y) {
    uint8_t* row = bitmap.Bits() + static_cast<std::size_t>(bitmap.Height() - 1 - y) *
                                       static_cast<std::size_t>(bitmap.RowBytes());
    const uint16_t* pixel = space.Pixel(0, y);
    for (int32_t x = 0; x < w; ++x, pixel += TSpace::kValuesPerPixel) {
      row[3 * x + 0] = static_cast<uint8_t>(pixel[2] >> 8);
      row[3 * x + 1] = static_cast<uint8_t>(pixel[1] >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(pixel[0] >> 8);
    }
  }
}

bool RenderFrame(const LaunchList& launchList, long double t, long double g, LaunchHost& host) {
  host.SetWaitCursor(true);
  host.SetBusy(true);
  TSpace& space = host.Space();
  FrameProgress progress(host, TotalParticles(launchList));
  TrailSet set;
  for (const TParticle& launched : launchList) {
    set.Load(launched);
    for (const TParticleState& particle : launched.states) {
      const RenderOptions options{host.AntiAliasing(), host.WrapSpace()};
      DrawTrail(set, particle, t, g, options, space);
      if (!progress.StepProgress()) return false;
    }
  }
  CopySpaceToBitmap(space, host.Bitmap());
  host.SetProgress(0);
  host.ShowFrame();
  host.SetWaitCursor(false);
  return true;
}

}  // namespace kirabel

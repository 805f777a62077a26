#pragma once
// The frame renderer: draws the trail of every particle of the launch list
// into the space buffer, turns the buffer into the viewer's picture and shows
// it, advancing the host's progress bar and stopping when the user cancels.
#include <cstdint>

#include "simulation/launch_host.h"
#include "simulation/population.h"
#include "simulation/trail.h"

namespace kirabel {

class TSpace;
class TDIBitmap;

// The number of particles of the launch list.
int64_t TotalParticles(const LaunchList& launchList);

// The progress steps of one frame: after every particle, every step-th call
// advances the progress bar and lets the host process events; it returns
// false once the busy state has been cleared (the user stopped the launch).
class FrameProgress {
 public:
  FrameProgress(LaunchHost& host, int64_t totalParticles);
  // Call after each particle. On a stop: progress bar to 0, viewer repainted
  // with the bitmap as it was, default cursor, and false.
  bool StepProgress();
  int64_t Step() const { return step_; }

 private:
  LaunchHost& host_;
  int64_t step_;
  int64_t counter_ = 1;
};

// Writes the picture of the buffer into the bitmap: picture row y (0 at the
// top) goes to the stored row Height - 1 - y, each pixel blue, green, red =
// plane 2, 1, 0 value / 256. Row padding is left alone. Only the part both
// share is written.
void CopySpaceToBitmap(const TSpace& space, TDIBitmap& bitmap);
// The same for the picture rows firstRow .. lastRow - 1 only.
void CopySpaceRows(const TSpace& space, TDIBitmap& bitmap, int32_t firstRow, int32_t lastRow);

// Draws the frame for time t under gravity g into host.Space() (cleared by
// the caller), on the calling thread, with a progress step after every
// particle; the drawing options are read from the host for every particle.
// Returns true when the frame is complete and shown (copied into
// host.Bitmap(), viewer repainted), false when the user stopped it; the
// buffer then keeps what was drawn and the bitmap is not touched.
bool RenderFrame(const LaunchList& launchList, long double t, long double g, LaunchHost& host);

}  // namespace kirabel

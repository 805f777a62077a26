#pragma once
// The frame renderer: draws the trail of every particle of the launch list
// into the space buffer and turns the buffer into the picture.
#include <cstdint>
#include <functional>

#include "simulation/particle_motion.h"
#include "simulation/population.h"
#include "simulation/stop_request.h"
#include "simulation/trail.h"

namespace kirabel {

class SpaceBuffer;
class Picture;

// Called while a frame is drawn, about kProgressStepsPerFrame times a frame
// (after every so many particles); returns false to stop the frame. This is
// where the desktop program moves its progress bar and handles events.
using ProgressStep = std::function<bool()>;
constexpr int64_t kProgressStepsPerFrame = 100;

// The number of particles of the launch list.
int64_t TotalParticles(const LaunchList& launchList);

// Writes the picture of the buffer: space row y goes to picture row y, each
// pixel blue, green, red = plane 2, 1, 0 value / 256. Row padding is left
// alone. Only the part both share is written. The values of a space in linear
// mode are held at 65535 first.
void CopySpaceToPicture(const SpaceBuffer& space, Picture& picture);
// The same for the picture rows firstRow .. lastRow - 1 only.
void CopySpaceRows(const SpaceBuffer& space, Picture& picture, int32_t firstRow, int32_t lastRow);

// Draws the frame for time t under the launch's gravity and wind (air) into
// space (cleared by the caller) on the calling thread. options is read again for every particle,
// so a change made in a progress step acts at once. Returns false when a
// progress step or the stop request stopped the frame; space then keeps what
// was drawn.
bool RenderFrame(const LaunchList& launchList, long double t, const Forces& air,
                 const RenderOptions& options, const ProgressStep& step, SpaceBuffer& space,
                 const StopRequest& stop = {});

}  // namespace kirabel

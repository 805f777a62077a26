#pragma once
// A frame renderer for several threads. The particles of a frame are dealt
// out in chunks; each thread draws into a buffer of its own and the buffers
// are then added with saturation. Saturating sums of non-negative amounts do
// not depend on their order, so the picture is the same byte for byte for
// every number of threads and equal to the single-threaded RenderFrame.
// There are no progress steps, but every thread asks the stop request every
// so many particles and a stop abandons the frame. The threads are started
// once with the renderer and kept for every frame.
#include <memory>
#include <vector>

#include "simulation/particle_motion.h"
#include "simulation/population.h"
#include "simulation/stop_request.h"
#include "simulation/trail.h"

namespace kirabel {

class SpaceBuffer;
class Picture;
class WorkerTeam;

class ParallelRenderer {
 public:
  // jobs < 1 counts as 1.
  explicit ParallelRenderer(int jobs);
  ~ParallelRenderer();
  int Jobs() const;

  // Draws the frame for time t under the launch's gravity and wind into space
  // (cleared by the caller) and copies the result into picture when given.
  // Returns false when stop stopped the frame: picture is then left as it was.
  bool Render(const LaunchList& launchList, long double t, const Forces& air,
              const RenderOptions& options, SpaceBuffer& space, Picture* picture,
              const StopRequest& stop = {});

 private:
  // The buffer of thread index + 1, of the size of like (not cleared).
  SpaceBuffer& Scratch(int index, const SpaceBuffer& like);

  std::unique_ptr<WorkerTeam> team_;
  std::vector<std::unique_ptr<SpaceBuffer>> scratch_;
};

}  // namespace kirabel

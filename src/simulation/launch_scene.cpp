#include "simulation/launch_scene.h"

#include <thread>

namespace kirabel {

int AvailableCores() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

}  // namespace kirabel

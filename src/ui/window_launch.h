#pragma once
// A launch run in the desktop program: builds the launch from the window's
// list and settings, then draws the frames one after the other into the
// space viewer, with the progress bar, the viewer caption, the wait cursor
// and automatic saving, until the last frame, a stop or a failed save.
// Events are handled only at the frame's progress steps; that is where the
// stop button, Escape and option toggles take effect.
#include <cstdint>

#include "simulation/trail.h"

namespace kirabel {

class Launch;
class RandomGenerator;
class LaunchSettings;
class MainWindow;

class WindowLaunch {
 public:
  explicit WindowLaunch(MainWindow& window);
  // Puts the default cursor back.
  ~WindowLaunch();
  WindowLaunch(const WindowLaunch&) = delete;
  WindowLaunch& operator=(const WindowLaunch&) = delete;

  // Runs the launch of the window's list with these settings, drawing from
  // random. The window is busy while it runs and idle again afterwards;
  // errors (memory) leave through an exception.
  void run(const LaunchSettings& settings, RandomGenerator& random);

 private:
  bool confirmParticleCount(int64_t particles);
  // Draws frame (of count) and shows it; false when the user stopped it.
  bool drawFrame(Launch& launch, int64_t frame, int64_t count);
  // Automatic saving of the frame just drawn; false (after a warning) when
  // it could not be written.
  bool saveFrame(const LaunchSettings& settings, int64_t frame);
  // A progress step: the bar moves on, pending events run; false once the
  // user has stopped the launch.
  bool step();
  // The drawing options as the window's options stand now.
  void readOptions();
  void setWaitCursor(bool wait);
  void showFrame();

  MainWindow& window_;
  RenderOptions options_;
  bool waitCursor_ = false;
};

}  // namespace kirabel

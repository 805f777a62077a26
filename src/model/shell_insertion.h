#pragma once
// What inserting a shell does to a list. Into a list without sets the shell
// brings its launch settings (gravity, start, interval, frame count, wind and
// its sets' own random streams; automatic saving stays the list's), so it
// plays at once as it does in the library. Into any other list it keeps its
// picture under the list's gravity (model/shell_gravity), and the list gets
// frames enough to show the shell to its last frame.
#include <optional>

#include "model/launch_settings.h"
#include "model/particle.h"
#include "model/shell_file.h"

namespace kirabel {

// Where the shell's first rising set starts: a column of the space's bottom
// edge and, when given, a birth time (a list without sets keeps the shell's
// own times).
struct ShellPlace {
  long double column = 0;
  long double spaceHeight = 0;
  std::optional<long double> birthTime;
};

struct ShellInsertion {
  ParticleList sets;        // to append, placed, their links counting within them
  LaunchSettings settings;  // the list's launch settings afterwards
  bool scaled = false;      // the shell's times and speeds follow the list's gravity
};

ShellInsertion FitShellIntoList(Shell shell, bool listHasSets, const LaunchSettings& listSettings,
                                const ShellPlace& place);

// The time of the last frame a launch with these settings draws.
long double LastFrameTime(const LaunchSettings& settings);

// The settings' frame count, raised where needed so that the last frame
// comes at `time` or later (never lowered; as it is without a positive
// interval).
long double FramesReaching(const LaunchSettings& settings, long double time);

}  // namespace kirabel

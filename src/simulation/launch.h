#pragma once
// The launch driver: from the confirmed launch settings to the last frame.
// Builds the launch list, draws the frames one after the other at ST,
// ST + IT, ... (the time accumulated frame by frame), saves each frame when
// automatic saving is on, and leaves the window idle with an empty launch
// list however the launch ends.
#include <cstdint>
#include <string>

#include "model/environment.h"
#include "model/particle.h"
#include "simulation/population.h"

namespace kirabel {

class LaunchHost;

// How a launch ended.
enum class LaunchEnd {
  Declined,    // the particle count was declined or refused; nothing drawn
  Completed,   // every frame drawn (and saved)
  Stopped,     // the user stopped it during a frame
  SaveFailed,  // a frame could not be saved; earlier frames stay on disk
};

// "作画中です...%d/%d"
std::string DrawingCaption(int64_t frame, int64_t count);

// Shown when a frame cannot be saved:
// "ディスクの空き容量が足りないか、指定されたファイルに書き込めません"
extern const char* const kSaveFailedWarning;

// name without its extension: the part from the last period of the file
// name on (a period in a folder name does not count).
std::string RemoveExtension(const std::string& name);

// The file of frame number `frame`: "%s%.5d.BMP" with name's extension
// removed ("fire.bmp", 3 -> "fire00003.BMP"; never cut to five digits).
std::string AutoSaveFileName(const std::string& name, int64_t frame);

// The number of frames of NF: its integer part, 0 for a value below 1 or
// not a number.
int64_t FrameCount(long double nf);

// Empties the launch list, last launched set first.
void FreeLaunchList(LaunchList& launchList);

// Runs a launch of list with the confirmed settings, through host (steps
// from going busy to going idle again). The settings are copied at the start,
// the particle list is read only before the first frame. launchList must be empty; it is empty
// again on return, also when an error (for instance OutOfMemoryError) leaves
// this function. jobs > 1 draws each frame with that many threads (same
// pictures, no progress steps, frames cannot be stopped half-way); jobs <= 1
// draws on the calling thread with progress steps and stopping.
LaunchEnd RunLaunch(const ParticleList& list, const TEnvironment& settings, LaunchList& launchList,
                    LaunchHost& host, int jobs = 1);

}  // namespace kirabel

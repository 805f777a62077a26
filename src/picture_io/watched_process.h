#pragma once
// Waiting for an ffmpeg or ffprobe run that may never end on its own: a
// soundtrack that is a named pipe or a stalled network file keeps them
// reading forever. The wait gives up after a time limit, or as soon as the
// caller no longer wants the answer (a newer request, the program ending),
// and then stops the process.
#include <QProcess>
#include <chrono>
#include <functional>

namespace kirabel {

// Whether the caller still wants the process's answer; empty: always.
using KeepWaiting = std::function<bool()>;

enum class ProcessEnd {
  kFinished,   // it ended by itself
  kTimedOut,   // it took longer than the limit and was stopped
  kAbandoned,  // the caller gave up and it was stopped
};

// Waits for the process to end within `limit`.
ProcessEnd WaitForProcess(QProcess& process, std::chrono::milliseconds limit,
                          const KeepWaiting& keepWaiting);

// Waits for output to read: true when some came; false when the process has
// ended. A process silent for longer than `limit`, or one the caller gives up
// on, is stopped and `end` tells which.
bool WaitForOutput(QProcess& process, std::chrono::milliseconds limit,
                   const KeepWaiting& keepWaiting, ProcessEnd& end);

}  // namespace kirabel

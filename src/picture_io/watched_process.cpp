#include "picture_io/watched_process.h"

#include <QElapsedTimer>

namespace kirabel {

namespace {

// How often the caller is asked whether it still waits.
constexpr int kSliceMilliseconds = 50;

ProcessEnd Stop(QProcess& process, ProcessEnd why) {
  process.kill();
  process.waitForFinished(-1);
  return why;
}

}  // namespace

ProcessEnd WaitForProcess(QProcess& process, std::chrono::milliseconds limit,
                          const KeepWaiting& keepWaiting) {
  QElapsedTimer waited;
  waited.start();
  while (process.state() != QProcess::NotRunning) {
    if (process.waitForFinished(kSliceMilliseconds)) break;
    if (keepWaiting && !keepWaiting()) return Stop(process, ProcessEnd::kAbandoned);
    if (waited.elapsed() >= limit.count()) return Stop(process, ProcessEnd::kTimedOut);
  }
  return ProcessEnd::kFinished;
}

bool WaitForOutput(QProcess& process, std::chrono::milliseconds limit,
                   const KeepWaiting& keepWaiting, ProcessEnd& end) {
  QElapsedTimer silent;
  silent.start();
  end = ProcessEnd::kFinished;
  for (;;) {
    if (process.bytesAvailable() > 0 || process.waitForReadyRead(kSliceMilliseconds)) return true;
    if (process.state() == QProcess::NotRunning) return false;
    if (keepWaiting && !keepWaiting()) {
      end = Stop(process, ProcessEnd::kAbandoned);
      return false;
    }
    if (silent.elapsed() >= limit.count()) {
      end = Stop(process, ProcessEnd::kTimedOut);
      return false;
    }
  }
}

}  // namespace kirabel

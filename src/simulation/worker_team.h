#pragma once
// A team of worker threads started once and given one piece of work after
// another: a launch drawn on several threads keeps its team for every frame
// instead of starting threads anew.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kirabel {

class WorkerTeam {
 public:
  // Starts jobs - 1 helper threads (the caller's thread is the first job). A
  // helper that cannot be started leaves its job to the calling thread.
  explicit WorkerTeam(int jobs);
  // Ends the helpers (no work may be running).
  ~WorkerTeam();
  WorkerTeam(const WorkerTeam&) = delete;
  WorkerTeam& operator=(const WorkerTeam&) = delete;

  int Jobs() const { return jobs_; }
  // Runs work(0) .. work(jobs - 1) at the same time, work(0) on the calling
  // thread, and returns when all have finished. jobs is at most Jobs().
  void Run(int jobs, const std::function<void(int job)>& work);

 private:
  void Serve(int job);

  int jobs_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable finished_;
  const std::function<void(int)>* work_ = nullptr;
  int activeJobs_ = 0;      // jobs of the current work
  int helpersRunning_ = 0;  // helpers still at the current work
  uint64_t round_ = 0;      // counts the pieces of work handed out
  bool stopping_ = false;
  std::vector<std::thread> helpers_;
};

}  // namespace kirabel

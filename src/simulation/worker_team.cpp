#include "simulation/worker_team.h"

#include <algorithm>
#include <system_error>

namespace kirabel {

WorkerTeam::WorkerTeam(int jobs) : jobs_(std::max(jobs, 1)) {
  for (int job = 1; job < jobs_; ++job) {
    try {
      helpers_.emplace_back([this, job] { Serve(job); });
    } catch (const std::system_error&) {
      break;  // the remaining jobs run on the calling thread
    }
  }
}

WorkerTeam::~WorkerTeam() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& helper : helpers_) helper.join();
}

void WorkerTeam::Run(int jobs, const std::function<void(int job)>& work) {
  jobs = std::clamp(jobs, 1, jobs_);
  const int helping = std::min(jobs - 1, static_cast<int>(helpers_.size()));
  {
    std::lock_guard<std::mutex> lock(mutex_);
    work_ = &work;
    activeJobs_ = helping;
    helpersRunning_ = helping;
    ++round_;
  }
  if (helping > 0) wake_.notify_all();
  work(0);
  for (int job = helping + 1; job < jobs; ++job) work(job);
  std::unique_lock<std::mutex> lock(mutex_);
  finished_.wait(lock, [this] { return helpersRunning_ == 0; });
  work_ = nullptr;
}

void WorkerTeam::Serve(int job) {
  uint64_t seen = 0;
  for (;;) {
    const std::function<void(int)>* work = nullptr;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [&] { return stopping_ || round_ != seen; });
      if (stopping_) return;
      seen = round_;
      if (job > activeJobs_) continue;
      work = work_;
    }
    (*work)(job);
    std::lock_guard<std::mutex> lock(mutex_);
    if (--helpersRunning_ == 0) finished_.notify_all();
  }
}

}  // namespace kirabel

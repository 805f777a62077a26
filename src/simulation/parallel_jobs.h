#pragma once
// Running a piece of work on several threads at once.
#include <functional>

namespace kirabel {

// Runs work(0) .. work(jobs - 1) at the same time, work(0) on the calling
// thread, and returns when all have finished. A job whose thread cannot be
// started runs on the calling thread instead.
void RunJobs(int jobs, const std::function<void(int job)>& work);

}  // namespace kirabel

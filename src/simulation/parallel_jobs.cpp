#include "simulation/parallel_jobs.h"

#include <system_error>
#include <thread>
#include <vector>

namespace kirabel {

void RunJobs(int jobs, const std::function<void(int job)>& work) {
  std::vector<std::thread> threads;
  std::vector<int> inlineJobs{0};
  for (int j = 1; j < jobs; ++j) {
    try {
      threads.emplace_back(work, j);
    } catch (const std::system_error&) {
      inlineJobs.push_back(j);
    }
  }
  for (int j : inlineJobs) work(j);
  for (std::thread& thread : threads) thread.join();
}

}  // namespace kirabel

// The worker team runs every job of each piece of work exactly once, on as
// many threads as asked, again and again with the same threads.
#include "simulation/worker_team.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace kirabel {
namespace {

TEST(WorkerTeamTest, RunsEveryJobOnceWithTheSameThreadsEachTime) {
  WorkerTeam team(4);
  ASSERT_EQ(team.Jobs(), 4);
  std::set<std::thread::id> threadsSeen;
  for (int jobs : {4, 1, 3, 9, 0, 4}) {  // beyond the team: all of it; none: one
    std::vector<std::atomic<int>> runs(4);
    std::mutex mutex;
    team.Run(jobs, [&](int job) {
      ++runs[static_cast<std::size_t>(job)];
      std::lock_guard<std::mutex> lock(mutex);
      threadsSeen.insert(std::this_thread::get_id());
    });
    const int expected = std::clamp(jobs, 1, 4);
    for (int job = 0; job < 4; ++job) EXPECT_EQ(runs[job], job < expected ? 1 : 0) << jobs;
  }
  EXPECT_EQ(threadsSeen.size(), 4u);  // the caller and three helpers, never new ones
}

}  // namespace
}  // namespace kirabel

// The background worker: only the newest request is answered, on the owner's
// thread; a failure arrives as the error raised; a cancelled or outdated job
// is told so and never reports; going away waits for the job running.
#include "document/background_worker.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/errors.h"
#include "texts/error_texts.h"

namespace kirabel {
namespace {

using namespace std::chrono_literals;

// A job that holds its thread until opened, then answers its request (or
// raises for a negative one).
struct Gate {
  std::atomic<bool> open{false};
  std::atomic<int> started{0};
  std::atomic<bool> sawOutdated{false};

  int work(int request, const StillWanted& stillWanted) {
    ++started;
    while (!open) std::this_thread::sleep_for(1ms);
    if (!stillWanted()) sawOutdated = true;
    if (request < 0) throw PclReadError("broken.pcl", PclReadError::Reason::kNotPcl);
    return request;
  }
};

class BackgroundWorkerTest : public ::testing::Test {
 protected:
  void waitUntilAnswered() {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !worker_.busy(); }, 10000));
    QCoreApplication::processEvents();  // anything posted late would arrive now
  }

  Gate gate_;
  std::vector<int> results_;
  std::vector<std::exception_ptr> failures_;
  std::vector<QThread*> threads_;
  BackgroundWorker<int, int> worker_{[this](const int& request, const StillWanted& stillWanted) {
                                       return gate_.work(request, stillWanted);
                                     },
                                     [this](const int& result) {
                                       results_.push_back(result);
                                       threads_.push_back(QThread::currentThread());
                                     },
                                     [this](const std::exception_ptr& error) {
                                       failures_.push_back(error);
                                       threads_.push_back(QThread::currentThread());
                                     }};
};

TEST_F(BackgroundWorkerTest, OnlyTheNewestRequestIsAnsweredOnTheOwnersThread) {
  worker_.request(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return gate_.started == 1; }, 5000));
  worker_.request(2);  // waits, then is replaced
  worker_.request(3);
  EXPECT_TRUE(worker_.busy());
  gate_.open = true;
  waitUntilAnswered();
  EXPECT_EQ(results_, std::vector<int>{3});
  EXPECT_EQ(gate_.started, 2);     // 2 was never worked on
  EXPECT_TRUE(gate_.sawOutdated);  // 1 was told it is no longer wanted
  EXPECT_EQ(threads_, std::vector<QThread*>{QThread::currentThread()});
  EXPECT_TRUE(failures_.empty());
}

TEST_F(BackgroundWorkerTest, AFailureArrivesAsTheErrorRaised) {
  gate_.open = true;
  worker_.request(-1);
  waitUntilAnswered();
  ASSERT_EQ(failures_.size(), 1u);
  EXPECT_TRUE(results_.empty());
  EXPECT_EQ(ErrorText(failures_[0]),
            ErrorText(PclReadError("broken.pcl", PclReadError::Reason::kNotPcl)));
  EXPECT_EQ(ErrorText(std::exception_ptr()), QString());

  worker_.request(4);  // and the worker goes on
  waitUntilAnswered();
  EXPECT_EQ(results_, std::vector<int>{4});
}

TEST_F(BackgroundWorkerTest, ACancelledRequestNeverReports) {
  worker_.request(5);
  ASSERT_TRUE(QTest::qWaitFor([&] { return gate_.started == 1; }, 5000));
  worker_.cancel();
  EXPECT_FALSE(worker_.busy());
  gate_.open = true;
  QTest::qWait(100);
  EXPECT_TRUE(results_.empty());
  EXPECT_TRUE(gate_.sawOutdated);
}

TEST(BackgroundWorkerLifetimeTest, GoingAwayStopsTheJobOrWaitsForIt) {
  std::atomic<bool> stopped{false};
  int reports = 0;
  {
    BackgroundWorker<int, int> worker(
        [&](const int&, const StillWanted& stillWanted) {
          while (stillWanted()) std::this_thread::sleep_for(1ms);
          stopped = true;
          return 0;
        },
        [&](const int&) { ++reports; }, [&](const std::exception_ptr&) { ++reports; });
    worker.request(1);
    QTest::qWait(50);
  }
  EXPECT_TRUE(stopped);

  std::atomic<bool> drawn{false};
  {
    BackgroundWorker<int, int> worker(
        [&](const int&, const StillWanted&) {
          std::this_thread::sleep_for(200ms);  // a frame that cannot be stopped
          drawn = true;
          return 0;
        },
        [&](const int&) { ++reports; }, [&](const std::exception_ptr&) { ++reports; });
    worker.request(1);
    QTest::qWait(50);
  }
  EXPECT_TRUE(drawn);
  QCoreApplication::processEvents();
  EXPECT_EQ(reports, 0);
}

}  // namespace
}  // namespace kirabel

#pragma once
// A thread of its own for work that must not hold up the interface, where
// only the newest request counts: a request still waiting is replaced by a
// newer one, and the job running for an older one is outdated (it can ask
// whether it is still wanted and stop) and never reports. Each answer, a
// result or the failure the job raised, is handed over on the thread that
// made the worker, through its event loop, and only while its request is
// still the newest one.
#include <QMetaObject>
#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace kirabel {

// Whether the answer of the job running is still wanted: false once a newer
// request came, the request was cancelled or the worker is going away.
using StillWanted = std::function<bool()>;

template <typename Request, typename Result>
class BackgroundWorker {
 public:
  // Runs on the worker's thread; what it raises is handed to `fail`.
  using Work = std::function<Result(const Request& request, const StillWanted& stillWanted)>;
  using Deliver = std::function<void(const Result& result)>;
  using Fail = std::function<void(const std::exception_ptr& error)>;

  BackgroundWorker(Work work, Deliver deliver, Fail fail)
      : work_(std::move(work)),
        deliver_(std::move(deliver)),
        fail_(std::move(fail)),
        thread_([this] { run(); }) {}

  // Outdates the job running, waits until it has returned and stops the
  // thread; nothing more is reported.
  ~BackgroundWorker() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
      waiting_.reset();
      wanted_ = 0;
    }
    wake_.notify_all();
    thread_.join();
  }

  BackgroundWorker(const BackgroundWorker&) = delete;
  BackgroundWorker& operator=(const BackgroundWorker&) = delete;

  // Replaces the request still waiting, if any, and outdates the job running.
  void request(Request request) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      waiting_.emplace(Numbered{++newest_, std::move(request)});
      wanted_ = newest_;
      unanswered_ = true;
    }
    wake_.notify_all();
  }

  // Forgets the request asked last: it is not worked on, or stops if it asks,
  // and never reports.
  void cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_.reset();
    wanted_ = ++newest_;
    unanswered_ = false;
  }

  // Whether the newest request has not been answered yet.
  bool busy() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return unanswered_;
  }

 private:
  struct Numbered {
    uint64_t serial;
    Request request;
  };

  std::optional<Numbered> next() {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait(lock, [this] { return stopping_ || waiting_.has_value(); });
    if (stopping_) return std::nullopt;
    std::optional<Numbered> job = std::move(waiting_);
    waiting_.reset();
    return job;
  }

  void run() {
    while (std::optional<Numbered> job = next()) {
      const uint64_t serial = job->serial;
      const StillWanted stillWanted = [this, serial] { return wanted_.load() == serial; };
      std::function<void()> report;
      try {
        Result result = work_(job->request, stillWanted);
        report = [this, serial, result = std::move(result)] {
          if (answers(serial)) deliver_(result);
        };
      } catch (...) {
        report = [this, serial, error = std::current_exception()] {
          if (answers(serial)) fail_(error);
        };
      }
      QMetaObject::invokeMethod(&receiver_, std::move(report), Qt::QueuedConnection);
    }
  }

  // On the owner's thread: whether the job's answer is the one awaited.
  bool answers(uint64_t serial) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (serial != newest_ || !unanswered_) return false;
    unanswered_ = false;
    return true;
  }

  // Lives on the owner's thread; answers posted to it and not handed over
  // yet go with it.
  QObject receiver_;
  Work work_;
  Deliver deliver_;
  Fail fail_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<Numbered> waiting_;
  uint64_t newest_ = 0;  // the serial of the newest request (or cancellation)
  bool unanswered_ = false;
  bool stopping_ = false;
  std::atomic<uint64_t> wanted_{0};  // the serial whose answer is wanted; 0: none
  std::thread thread_;
};

}  // namespace kirabel

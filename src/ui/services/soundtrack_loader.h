#pragma once
// Looks at the document's soundtrack off the interface thread: decodes it into
// its outline whenever the show's soundtrack changes, and estimates its beats
// when asked. A newer soundtrack or request outdates the work still running
// for an older one, which stops and never reports. Results come back on the
// thread that owns the loader.
#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "audio/beat_detection.h"
#include "audio/waveform.h"

namespace kirabel {

class Document;

// What the beat detection of one soundtrack found.
struct DetectedBeats {
  std::string path;
  std::optional<BeatEstimate> estimate;  // nothing: no steady beat, or the error
  std::exception_ptr error;              // the soundtrack could not be decoded
};

class SoundtrackLoader : public QObject {
  Q_OBJECT
 public:
  explicit SoundtrackLoader(const Document& document, QObject* parent = nullptr);
  // Stops the work running and waits for the worker.
  ~SoundtrackLoader() override;

  // The outline of the document's soundtrack; null while it is decoded,
  // without a soundtrack, or when it cannot be decoded.
  const std::shared_ptr<const Waveform>& waveform() const { return waveform_; }
  // Estimates the beats of the soundtrack at `path`; beatsDetected follows
  // unless another request comes first.
  void detectBeats(const std::string& path);
  // Forgets the beat detection asked last: it stops and never reports.
  void cancelBeats();
  // Whether an outline or beats are being worked on.
  bool busy() const;

 signals:
  // The soundtrack changed (null at once) or its outline is ready.
  void waveformReady(std::shared_ptr<const kirabel::Waveform> waveform);
  void beatsDetected(const kirabel::DetectedBeats& beats);

 private:
  struct Job {
    enum class Kind { kWaveform, kBeats } kind;
    std::string path;
    uint64_t serial;
  };
  void followDocument();
  void post(Job::Kind kind, const std::string& path);
  void work();
  std::optional<Job> nextJob();
  bool current(const Job& job) const;
  void makeWaveform(const Job& job);
  void findBeats(const Job& job);
  // Runs `report` on the loader's thread, then counts the job finished.
  void finish(std::function<void()> report);

  const Document& document_;
  std::string soundtrack_;  // the document's, as last seen
  std::shared_ptr<const Waveform> waveform_;

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<Job> waitingWaveform_, waitingBeats_;
  int unfinished_ = 0;  // jobs asked for whose end has not come back yet
  bool stopping_ = false;
  // The newest request of each kind; the worker's job is outdated once they move on.
  std::atomic<uint64_t> waveformSerial_{0}, beatsSerial_{0};
  std::thread worker_;
};

}  // namespace kirabel

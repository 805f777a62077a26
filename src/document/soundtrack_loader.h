#pragma once
// Looks at the document's soundtrack off the interface thread: whenever the
// show's soundtrack changes, measures its length and decodes it into its
// outline, and estimates its beats when asked. Each kind of work has its own
// BackgroundWorker: a newer soundtrack or request outdates the work still
// running for an older one, which stops and never reports. Results come back
// on the thread that owns the loader.
#include <QObject>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "audio/beat_detection.h"
#include "audio/waveform.h"
#include "document/background_worker.h"

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
  // Stops the work running and waits for the workers.
  ~SoundtrackLoader() override;

  // The outline of the document's soundtrack; null while it is decoded,
  // without a soundtrack, or when it cannot be decoded.
  const std::shared_ptr<const Waveform>& waveform() const { return waveform_; }
  // The length of the document's soundtrack in seconds, once measured.
  const std::optional<long double>& soundtrackSeconds() const { return seconds_; }
  // Why the length cannot be had (SoundtrackError); null otherwise.
  const std::exception_ptr& lengthError() const { return lengthError_; }
  // Whether the document has a soundtrack whose length is still measured.
  bool measuring() const;
  // Estimates the beats of the soundtrack at `path`; beatsDetected follows
  // unless another request comes first.
  void detectBeats(const std::string& path);
  // Forgets the beat detection asked last: it stops and never reports.
  void cancelBeats();
  // Whether an outline, a length or beats are being worked on.
  bool busy() const;

 signals:
  // The soundtrack changed (null at once) or its outline is ready.
  void waveformReady(std::shared_ptr<const kirabel::Waveform> waveform);
  // The soundtrack changed (its length unknown at once) or its length, or
  // why it cannot be had, is known.
  void lengthChanged();
  void beatsDetected(const kirabel::DetectedBeats& beats);

 private:
  void followDocument();
  void showWaveform(const std::shared_ptr<const Waveform>& waveform);
  void showLength(long double seconds);
  void showLengthError(const std::exception_ptr& error);
  void showBeatsError(const std::exception_ptr& error);

  const Document& document_;
  std::string soundtrack_;  // the document's, as last seen
  std::shared_ptr<const Waveform> waveform_;
  std::optional<long double> seconds_;
  std::exception_ptr lengthError_;
  std::string beatsPath_;  // of the beat detection asked last
  BackgroundWorker<std::string, std::shared_ptr<const Waveform>> waveforms_;
  BackgroundWorker<std::string, long double> lengths_;
  BackgroundWorker<std::string, DetectedBeats> beats_;
};

}  // namespace kirabel

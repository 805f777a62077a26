#include "ui/services/soundtrack_loader.h"

#include <vector>

#include "audio/waveform_builder.h"
#include "document/document.h"
#include "picture_io/soundtrack_decoder.h"

namespace kirabel {

SoundtrackLoader::SoundtrackLoader(const Document& document, QObject* parent)
    : QObject(parent), document_(document) {
  worker_ = std::thread([this] { work(); });
  connect(&document, &Document::showSettingsChanged, this, &SoundtrackLoader::followDocument);
  followDocument();
}

SoundtrackLoader::~SoundtrackLoader() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  ++waveformSerial_;
  ++beatsSerial_;
  wake_.notify_all();
  worker_.join();
}

void SoundtrackLoader::followDocument() {
  const std::string& soundtrack = document_.showSettings().audio;
  if (soundtrack == soundtrack_) return;
  soundtrack_ = soundtrack;
  waveform_.reset();
  emit waveformReady(waveform_);
  post(Job::Kind::kWaveform, soundtrack_);
}

void SoundtrackLoader::detectBeats(const std::string& path) {
  post(Job::Kind::kBeats, path);
}

void SoundtrackLoader::cancelBeats() {
  std::lock_guard<std::mutex> lock(mutex_);
  ++beatsSerial_;
  if (waitingBeats_) {
    waitingBeats_.reset();
    --unfinished_;
  }
}

bool SoundtrackLoader::busy() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return unfinished_ > 0;
}

void SoundtrackLoader::post(Job::Kind kind, const std::string& path) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    const bool beats = kind == Job::Kind::kBeats;
    std::optional<Job>& waiting = beats ? waitingBeats_ : waitingWaveform_;
    if (!waiting) ++unfinished_;
    waiting = Job{kind, path, ++(beats ? beatsSerial_ : waveformSerial_)};
  }
  wake_.notify_all();
}

std::optional<SoundtrackLoader::Job> SoundtrackLoader::nextJob() {
  std::unique_lock<std::mutex> lock(mutex_);
  wake_.wait(lock, [this] { return stopping_ || waitingWaveform_ || waitingBeats_; });
  if (stopping_) return std::nullopt;
  std::optional<Job>& waiting = waitingWaveform_ ? waitingWaveform_ : waitingBeats_;
  std::optional<Job> job = std::move(waiting);
  waiting.reset();
  return job;
}

void SoundtrackLoader::work() {
  while (std::optional<Job> job = nextJob()) {
    if (job->kind == Job::Kind::kWaveform)
      makeWaveform(*job);
    else
      findBeats(*job);
  }
}

bool SoundtrackLoader::current(const Job& job) const {
  const auto& serial = job.kind == Job::Kind::kWaveform ? waveformSerial_ : beatsSerial_;
  return job.serial == serial.load();
}

void SoundtrackLoader::finish(std::function<void()> report) {
  QMetaObject::invokeMethod(
      this,
      [this, report = std::move(report)] {
        report();
        std::lock_guard<std::mutex> lock(mutex_);
        --unfinished_;
      },
      Qt::QueuedConnection);
}

void SoundtrackLoader::makeWaveform(const Job& job) {
  std::shared_ptr<Waveform> waveform;
  if (!job.path.empty()) {
    try {
      WaveformBuilder builder(kWaveformSampleRate, kWaveformBucketSamples);
      const bool whole = DecodeSoundtrack(job.path, kWaveformSampleRate,
                                          [&](const float* samples, std::size_t count) {
                                            builder.add(samples, count);
                                            return current(job);
                                          });
      if (whole) waveform = std::make_shared<Waveform>(builder.waveform());
    } catch (const std::exception&) {  // missing or undecodable: no outline
    }
  }
  finish([this, job, waveform] {
    if (!current(job) || !waveform) return;  // null was announced with the change
    waveform_ = waveform;
    emit waveformReady(waveform_);
  });
}

void SoundtrackLoader::findBeats(const Job& job) {
  DetectedBeats beats;
  beats.path = job.path;
  try {
    std::vector<float> samples;
    const auto keepGoing = [&] { return current(job); };
    if (DecodeSoundtrack(job.path, kBeatSampleRate, [&](const float* piece, std::size_t count) {
          samples.insert(samples.end(), piece, piece + count);
          return keepGoing();
        }))
      beats.estimate = DetectBeats(samples, kBeatSampleRate, keepGoing);
  } catch (const std::exception&) {
    beats.error = std::current_exception();
  }
  finish([this, job, beats] {
    if (current(job)) emit beatsDetected(beats);
  });
}

}  // namespace kirabel

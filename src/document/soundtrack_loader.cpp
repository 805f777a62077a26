#include "document/soundtrack_loader.h"

#include <vector>

#include "audio/waveform_builder.h"
#include "document/document.h"
#include "picture_io/soundtrack.h"
#include "picture_io/soundtrack_decoder.h"

namespace kirabel {

namespace {

// The whole soundtrack's outline; null when the decoding was stopped.
std::shared_ptr<const Waveform> DecodeWaveform(const std::string& path,
                                               const StillWanted& stillWanted) {
  WaveformBuilder builder(kWaveformSampleRate, kWaveformBucketSamples);
  const bool whole = DecodeSoundtrack(
      path, kWaveformSampleRate,
      [&](const float* samples, std::size_t count) {
        builder.add(samples, count);
        return stillWanted();
      },
      stillWanted);
  return whole ? std::make_shared<Waveform>(builder.waveform()) : nullptr;
}

DetectedBeats FindBeats(const std::string& path, const StillWanted& stillWanted) {
  DetectedBeats beats;
  beats.path = path;
  std::vector<float> samples;
  if (DecodeSoundtrack(
          path, kBeatSampleRate,
          [&](const float* piece, std::size_t count) {
            samples.insert(samples.end(), piece, piece + count);
            return stillWanted();
          },
          stillWanted))
    beats.estimate = DetectBeats(samples, kBeatSampleRate, stillWanted);
  return beats;
}

}  // namespace

SoundtrackLoader::SoundtrackLoader(const Document& document, QObject* parent)
    : QObject(parent),
      document_(document),
      waveforms_(
          DecodeWaveform,
          [this](const std::shared_ptr<const Waveform>& waveform) { showWaveform(waveform); },
          [](const std::exception_ptr&) {}),  // missing or undecodable: no outline
      lengths_([](const std::string& path,
                  const StillWanted& stillWanted) { return SoundtrackSeconds(path, stillWanted); },
               [this](long double seconds) { showLength(seconds); },
               [this](const std::exception_ptr& error) { showLengthError(error); }),
      beats_(
          FindBeats, [this](const DetectedBeats& beats) { emit beatsDetected(beats); },
          [this](const std::exception_ptr& error) { showBeatsError(error); }) {
  connect(&document, &Document::showSettingsChanged, this, &SoundtrackLoader::followDocument);
  followDocument();
}

SoundtrackLoader::~SoundtrackLoader() = default;

// A new soundtrack is announced without outline and length at once.
void SoundtrackLoader::followDocument() {
  const std::string& soundtrack = document_.showSettings().audio;
  if (soundtrack == soundtrack_) return;
  soundtrack_ = soundtrack;
  waveform_.reset();
  seconds_.reset();
  lengthError_ = nullptr;
  if (soundtrack_.empty()) {
    waveforms_.cancel();
    lengths_.cancel();
  } else {
    waveforms_.request(soundtrack_);
    lengths_.request(soundtrack_);
  }
  emit waveformReady(waveform_);
  emit lengthChanged();
}

bool SoundtrackLoader::measuring() const {
  return !soundtrack_.empty() && !seconds_ && !lengthError_;
}

void SoundtrackLoader::detectBeats(const std::string& path) {
  beatsPath_ = path;
  beats_.request(path);
}

void SoundtrackLoader::cancelBeats() {
  beats_.cancel();
}

bool SoundtrackLoader::busy() const {
  return waveforms_.busy() || lengths_.busy() || beats_.busy();
}

void SoundtrackLoader::showWaveform(const std::shared_ptr<const Waveform>& waveform) {
  if (!waveform) return;  // null was announced with the change
  waveform_ = waveform;
  emit waveformReady(waveform_);
}

void SoundtrackLoader::showLength(long double seconds) {
  seconds_ = seconds;
  emit lengthChanged();
}

void SoundtrackLoader::showLengthError(const std::exception_ptr& error) {
  lengthError_ = error;
  emit lengthChanged();
}

void SoundtrackLoader::showBeatsError(const std::exception_ptr& error) {
  DetectedBeats beats;
  beats.path = beatsPath_;
  beats.error = error;
  emit beatsDetected(beats);
}

}  // namespace kirabel

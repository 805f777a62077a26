#include "ui/preview/sound_playback.h"

#include "ui/preview/media_sound_output.h"

namespace kirabel {

SoundPlayback::SoundPlayback() : output_(std::make_unique<MediaSoundOutput>()) {
  elapsed_.start();
  systemClock_ = [this] { return static_cast<double>(elapsed_.nsecsElapsed()) / 1e9; };
}

SoundPlayback::~SoundPlayback() = default;

void SoundPlayback::setSystemClock(std::function<double()> seconds) {
  systemClock_ = std::move(seconds);
}

void SoundPlayback::setOutput(std::unique_ptr<SoundOutput> output) {
  stop();
  output_ = std::move(output);
  openedFile_.clear();
}

void SoundPlayback::start(const ShowSettings& show, int64_t frame) {
  stop();
  show_ = show;
  clock_ = PlaybackClock(show.fps);
  const QString file = QString::fromStdString(show.audio);
  if (file != openedFile_ || !audible_) {
    audible_ = !file.isEmpty() && output_->open(file);
    openedFile_ = file;
  }
  running_ = true;
  jumpTo(frame);
}

bool SoundPlayback::runsWith(const ShowSettings& show) const {
  return running_ && show.fps == show_.fps && show.audio == show_.audio &&
         show.audioOffset == show_.audioOffset;
}

void SoundPlayback::jumpTo(int64_t frame) {
  if (!running_) return;
  output_->stop();
  soundStarted_ = false;
  const double now = systemClock_();
  clock_.Start(frame, now);
  startSoundWhenDue(clock_.VideoTime(now));
}

void SoundPlayback::stop() {
  if (running_) output_->stop();
  running_ = false;
  soundStarted_ = false;
}

void SoundPlayback::startSoundWhenDue(double videoSeconds) {
  if (!audible_ || soundStarted_ || !(videoSeconds >= audioOffset())) return;
  output_->play(videoSeconds - audioOffset());
  soundStarted_ = true;
}

int64_t SoundPlayback::frameDue(int64_t frameCount) {
  const double now = systemClock_();
  if (soundStarted_) {
    if (const auto heard = output_->position()) clock_.Follow(audioOffset() + *heard, now);
  }
  const PlaybackClock::Step step = clock_.Advance(now, frameCount);
  if (step.wrapped) {
    output_->stop();
    soundStarted_ = false;
  }
  startSoundWhenDue(clock_.VideoTime(now));
  return step.frame;
}

}  // namespace kirabel

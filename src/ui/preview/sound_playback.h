#pragma once
// Playback of a list with a soundtrack: the soundtrack is heard from the
// playhead's video time (silence before its first sample and after its
// last), and the frame due is read from the sound's position, or from the
// system clock while no sound is heard (none yet, none left, no device).
// Both clocks can be replaced, so that playback can be tested without
// waiting and without a sound card.
#include <QElapsedTimer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "model/show_settings.h"
#include "ui/preview/playback_clock.h"

namespace kirabel {

class SoundOutput;

class SoundPlayback {
 public:
  SoundPlayback();
  ~SoundPlayback();

  // Seconds that run on steadily from some moment.
  void setSystemClock(std::function<double()> seconds);
  void setOutput(std::unique_ptr<SoundOutput> output);

  // Starts at frame with the show's rate and soundtrack.
  void start(const ShowSettings& show, int64_t frame);
  // The playhead was moved while playing.
  void jumpTo(int64_t frame);
  void stop();
  bool running() const { return running_; }
  // Whether it runs with the rate and soundtrack of show (a beat grid is no
  // matter to it).
  bool runsWith(const ShowSettings& show) const;
  // Whether the soundtrack can be heard (else playback is silent).
  bool audible() const { return audible_; }

  // The frame due now, of frameCount frames; starts the sound when its time
  // comes, and again from the top when playback starts over.
  int64_t frameDue(int64_t frameCount);

 private:
  void startSoundWhenDue(double videoSeconds);
  double audioOffset() const { return static_cast<double>(show_.audioOffset); }

  std::function<double()> systemClock_;
  QElapsedTimer elapsed_;
  std::unique_ptr<SoundOutput> output_;
  PlaybackClock clock_;
  ShowSettings show_;
  QString openedFile_;
  bool running_ = false;
  bool audible_ = false;
  bool soundStarted_ = false;
};

}  // namespace kirabel

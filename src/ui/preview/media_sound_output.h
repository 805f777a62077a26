#pragma once
// The soundtrack heard through Qt Multimedia on the default audio device.
// Without a device nothing is made at all (the media backends do not survive
// playing without one), and a file the backend fails on falls silent.
#include <QObject>
#include <memory>

#include "ui/preview/sound_output.h"

class QAudioOutput;
class QMediaPlayer;

namespace kirabel {

// Chooses Qt Multimedia's FFmpeg backend unless the environment names one.
// It changes the environment, so it runs first in main(), before any thread
// (a worker starting ffmpeg reads the environment) exists.
void ChooseMediaBackend();

class MediaSoundOutput : public QObject, public SoundOutput {
  Q_OBJECT
 public:
  MediaSoundOutput();
  ~MediaSoundOutput() override;

  bool open(const QString& file) override;
  void play(double seconds) override;
  void stop() override;
  std::optional<double> position() const override;

 private:
  void makePlayer();
  void startWhenLoaded();

  std::unique_ptr<QMediaPlayer> player_;
  std::unique_ptr<QAudioOutput> audio_;
  QString file_;
  bool failed_ = false;
  bool loaded_ = false;
  std::optional<qint64> pendingStart_;        // milliseconds, until the file is loaded
  mutable std::optional<qint64> seekTarget_;  // milliseconds, until the player reports it
};

}  // namespace kirabel

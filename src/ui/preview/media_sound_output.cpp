#include "ui/preview/media_sound_output.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <cmath>

namespace kirabel {

namespace {

// A seek is done once the player reports a position this near its target;
// until then a reading may still be the one from before.
constexpr qint64 kSeekReachedMs = 500;

bool IsLoaded(QMediaPlayer::MediaStatus status) {
  return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia ||
         status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::EndOfMedia;
}

}  // namespace

// Soundtracks are whatever ffmpeg decodes, and Qt Multimedia's FFmpeg backend
// needs nothing beyond the library itself (its GStreamer backend fails
// without GStreamer's plugins). A backend the user chose stays.
void ChooseMediaBackend() {
  if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

MediaSoundOutput::MediaSoundOutput() = default;

MediaSoundOutput::~MediaSoundOutput() {
  player_.reset();  // before the output it plays into
}

bool MediaSoundOutput::open(const QString& file) {
  stop();
  failed_ = false;
  if (!QFileInfo(file).isFile()) return false;
  if (QMediaDevices::defaultAudioOutput().isNull()) return false;
  makePlayer();
  if (file != file_) {
    file_ = file;
    player_->setSource(QUrl::fromLocalFile(file));
  }
  return !failed_;
}

void MediaSoundOutput::makePlayer() {
  if (player_) return;
  player_ = std::make_unique<QMediaPlayer>();
  audio_ = std::make_unique<QAudioOutput>();
  player_->setAudioOutput(audio_.get());
  connect(player_.get(), &QMediaPlayer::errorOccurred, this, [this] {
    failed_ = true;
    pendingStart_.reset();
  });
  connect(player_.get(), &QMediaPlayer::mediaStatusChanged, this,
          [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::InvalidMedia) failed_ = true;
            startWhenLoaded();
          });
}

void MediaSoundOutput::play(double seconds) {
  if (!player_ || failed_) return;
  pendingStart_ = std::llround(seconds * 1000);
  startWhenLoaded();
}

void MediaSoundOutput::startWhenLoaded() {
  if (!pendingStart_ || failed_ || !IsLoaded(player_->mediaStatus())) return;
  const qint64 start = *pendingStart_;
  pendingStart_.reset();
  if (player_->duration() > 0 && start >= player_->duration()) return;  // past its end
  seekTarget_ = start;
  player_->setPosition(start);
  player_->play();
}

void MediaSoundOutput::stop() {
  pendingStart_.reset();
  seekTarget_.reset();
  if (player_) player_->stop();
}

std::optional<double> MediaSoundOutput::position() const {
  if (!player_ || failed_ || player_->playbackState() != QMediaPlayer::PlayingState ||
      player_->mediaStatus() == QMediaPlayer::EndOfMedia)
    return std::nullopt;
  const qint64 at = player_->position();
  if (seekTarget_) {
    if (std::llabs(at - *seekTarget_) >= kSeekReachedMs) return std::nullopt;
    seekTarget_.reset();
  }
  return static_cast<double>(at) / 1000;
}

}  // namespace kirabel

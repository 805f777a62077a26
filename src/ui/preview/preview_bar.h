#pragma once
// The preview's time bar under the viewer's picture: go to the start, step a
// frame back, play and pause, step a frame forward, a slider over the
// launch's frames, the time as a number (any time may be typed), the frame
// number the time falls on ("3/10"), the playback rate, and the place for the
// launch's word on the particle count (with a button to build anyway).
#include <QWidget>
#include <cstdint>
#include <optional>

#include "simulation/frame_clock.h"

class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;

namespace kirabel {

class NumericField;

class PreviewBar : public QWidget {
  Q_OBJECT
 public:
  explicit PreviewBar(QWidget* parent = nullptr);

  // The launch's frames: frame k at start + (k - 1) x interval.
  void setFrames(long double start, long double interval, int64_t count);
  int64_t frameCount() const { return count_; }

  long double time() const { return time_; }
  // The frame the time falls on, 0 when it lies between frames.
  int64_t frame() const;
  void setTime(long double t);
  void setFrame(int64_t frame);
  // One frame on (or back), wrapping around past the last (or first) frame.
  void stepFrame(int direction);

  bool playing() const { return playing_; }
  void setPlaying(bool playing);
  int framesPerSecond() const;
  // A rate the list fixes is shown and cannot be changed; nothing gives the
  // box and the user's own rate back.
  void setRateLocked(std::optional<int> framesPerSecond);

  // The launch's word on the count: a question with a build button, or a
  // refusal; an empty text hides it.
  void showCountQuestion(const QString& text);
  void showRefusal(const QString& text);

 signals:
  void timeChanged();
  void playingChanged(bool playing);
  void rateChanged(int framesPerSecond);
  void buildRequested();
  // Escape or Enter finished an entry in the time field: the focus goes back.
  void timeEntryFinished();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* addButton(const char* name, int icon, const QString& hint);
  void showTime();

  FrameClock clock_{10, 1};
  int64_t count_ = 1;
  long double time_ = 10;
  bool timeChosen_ = false;
  bool playing_ = false;
  int userRate_ = 30;  // while the rate is locked
  QToolButton *startButton_, *backButton_, *playButton_, *forwardButton_;
  QSlider* slider_;
  NumericField* timeEdit_;
  QLabel* frameLabel_;
  QSpinBox* rate_;
  QLabel* message_;
  QPushButton* buildButton_;
};

}  // namespace kirabel

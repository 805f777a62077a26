#pragma once
// The preview's time bar under the viewer's picture: go to the start, step a
// frame back, play and pause, step a frame forward, a slider over the
// launch's frames, the time as a number (any time may be typed), the frame
// number the time falls on ("3/10"), the playback rate, and the place for the
// launch's word on the particle count (with a button to build anyway). The
// controls share one row where it is wide enough for them and a slider of
// kLeastSliderWidth; a narrower bar (a small picture on a high-DPI screen)
// puts the slider on a row of its own above them.
#include <QWidget>
#include <cstdint>
#include <optional>

#include "simulation/frame_clock.h"

class QHBoxLayout;
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
  // The least width the slider is given, in either arrangement.
  static constexpr int kLeastSliderWidth = 100;

  explicit PreviewBar(QWidget* parent = nullptr);

  // Adds a control at the end of the controls' row.
  void addControl(QWidget* control);
  // One row from its least width on; two below it, down to the width of
  // the controls alone.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

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
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* addButton(const char* name, int icon, const QString& hint);
  void showTime();
  // The least width of the controls' row without the slider, and of one
  // row holding them and the slider.
  int controlsWidth() const;
  int oneRowWidth() const;
  // Puts the slider into the controls' row or onto its own row above it.
  void placeSlider(bool inControlsRow);

  FrameClock clock_{10, 1};
  int64_t count_ = 1;
  long double time_ = 10;
  bool timeChosen_ = false;
  bool playing_ = false;
  int userRate_ = 30;  // while the rate is locked
  QToolButton *startButton_, *backButton_, *playButton_, *forwardButton_;
  QHBoxLayout* sliderRow_;  // the slider when the bar is narrow
  QHBoxLayout* controls_;   // the buttons, fields and labels (and the slider when wide)
  QSlider* slider_;
  NumericField* timeEdit_;
  QLabel* frameLabel_;
  QSpinBox* rate_;
  QLabel* message_;
  QPushButton* buildButton_;
};

}  // namespace kirabel

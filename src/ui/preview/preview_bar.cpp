#include "ui/preview/preview_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "ui/widgets/numeric_field.h"

namespace kirabel {

namespace {

constexpr int64_t kLargestSliderFrame = std::numeric_limits<int>::max();

}  // namespace

PreviewBar::PreviewBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("previewBar"));
  setAutoFillBackground(true);
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(2, 2, 2, 2);
  rows->setSpacing(2);
  sliderRow_ = new QHBoxLayout;
  controls_ = new QHBoxLayout;
  controls_->setSpacing(2);
  rows->addLayout(sliderRow_);
  rows->addLayout(controls_);
  startButton_ = addButton("previewStartButton", QStyle::SP_MediaSkipBackward, tr("最初へ (Home)"));
  backButton_ =
      addButton("previewBackButton", QStyle::SP_MediaSeekBackward, tr("1フレーム戻る (←)"));
  playButton_ = addButton("previewPlayButton", QStyle::SP_MediaPlay, tr("再生/一時停止 (Space)"));
  forwardButton_ =
      addButton("previewForwardButton", QStyle::SP_MediaSeekForward, tr("1フレーム進む (→)"));
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setObjectName(QStringLiteral("previewSlider"));
  slider_->setFocusPolicy(Qt::NoFocus);
  slider_->setMinimumWidth(kLeastSliderWidth);
  timeEdit_ = new NumericField(this);
  timeEdit_->setObjectName(QStringLiteral("previewTimeEdit"));
  timeEdit_->setShowZero(true);
  timeEdit_->setFixedWidth(90);
  frameLabel_ = new QLabel(this);
  frameLabel_->setObjectName(QStringLiteral("previewFrameLabel"));
  frameLabel_->setMinimumWidth(60);
  rate_ = new QSpinBox(this);
  rate_->setObjectName(QStringLiteral("previewRate"));
  rate_->setRange(1, 120);
  rate_->setValue(30);
  rate_->setSuffix(QStringLiteral(" fps"));
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("previewMessage"));
  buildButton_ = new QPushButton(tr("計算する"), this);
  buildButton_->setObjectName(QStringLiteral("previewBuildButton"));
  for (QWidget* widget : {static_cast<QWidget*>(slider_), static_cast<QWidget*>(timeEdit_),
                          static_cast<QWidget*>(frameLabel_), static_cast<QWidget*>(rate_),
                          static_cast<QWidget*>(message_), static_cast<QWidget*>(buildButton_)})
    controls_->addWidget(widget, widget == slider_ ? 1 : 0);
  message_->hide();
  buildButton_->hide();

  connect(startButton_, &QToolButton::clicked, this, [this] { setFrame(1); });
  connect(backButton_, &QToolButton::clicked, this, [this] { stepFrame(-1); });
  connect(forwardButton_, &QToolButton::clicked, this, [this] { stepFrame(+1); });
  connect(playButton_, &QToolButton::clicked, this, [this] { setPlaying(!playing_); });
  connect(slider_, &QSlider::valueChanged, this, [this](int frame) { setFrame(frame); });
  connect(timeEdit_, &QLineEdit::editingFinished, this, [this] { setTime(timeEdit_->value()); });
  timeEdit_->installEventFilter(this);
  connect(rate_, qOverload<int>(&QSpinBox::valueChanged), this, &PreviewBar::rateChanged);
  connect(buildButton_, &QPushButton::clicked, this, &PreviewBar::buildRequested);
  setFrames(10, 1, 1);
}

QToolButton* PreviewBar::addButton(const char* name, int icon, const QString& hint) {
  auto* button = new QToolButton(this);
  button->setObjectName(QLatin1String(name));
  button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)));
  button->setToolTip(hint);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(true);
  controls_->addWidget(button);
  return button;
}

void PreviewBar::addControl(QWidget* control) {
  controls_->addWidget(control);
  updateGeometry();
}

int PreviewBar::controlsWidth() const {
  const bool sliderInRow = controls_->indexOf(slider_) >= 0;
  const int slider = sliderInRow ? slider_->minimumWidth() + controls_->spacing() : 0;
  const QMargins margins = layout()->contentsMargins();
  return controls_->minimumSize().width() - slider + margins.left() + margins.right();
}

int PreviewBar::oneRowWidth() const {
  return controlsWidth() + controls_->spacing() + kLeastSliderWidth;
}

QSize PreviewBar::sizeHint() const {
  return {oneRowWidth(), heightForWidth(oneRowWidth())};
}

QSize PreviewBar::minimumSizeHint() const {
  const QMargins margins = layout()->contentsMargins();
  const int width = std::max(controlsWidth(), kLeastSliderWidth + margins.left() + margins.right());
  return {width, heightForWidth(width)};
}

int PreviewBar::heightForWidth(int width) const {
  const QMargins margins = layout()->contentsMargins();
  int height = margins.top() + margins.bottom() + controls_->sizeHint().height();
  if (width < oneRowWidth()) height += layout()->spacing() + slider_->sizeHint().height();
  return height;
}

void PreviewBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeSlider(width() >= oneRowWidth());
}

// The slider's place in the controls' row: after the stepping buttons.
void PreviewBar::placeSlider(bool inControlsRow) {
  if ((controls_->indexOf(slider_) >= 0) == inControlsRow) return;
  (inControlsRow ? sliderRow_ : controls_)->removeWidget(slider_);
  if (inControlsRow) {
    controls_->insertWidget(controls_->indexOf(forwardButton_) + 1, slider_, 1);
  } else {
    sliderRow_->addWidget(slider_);
  }
  layout()->activate();
  updateGeometry();
}

// Escape and Enter end an entry in the time field once the field has dealt
// with them (Escape brings back the time it showed, Enter takes the number).
bool PreviewBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == timeEdit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
      QTimer::singleShot(0, this, [this] {
        if (timeEdit_->hasFocus()) emit timeEntryFinished();
      });
    }
  }
  return QWidget::eventFilter(watched, event);
}

void PreviewBar::setFrames(long double start, long double interval, int64_t count) {
  clock_ = FrameClock(start, interval);
  count_ = std::max<int64_t>(count, 1);
  {
    const QSignalBlocker blocker(slider_);
    slider_->setRange(1, static_cast<int>(std::min(count_, kLargestSliderFrame)));
  }
  // Until a time is chosen the bar stands at the first frame; a chosen time
  // stays where it is.
  if (!timeChosen_) time_ = clock_.Time(1);
  showTime();
}

int64_t PreviewBar::frame() const {
  return clock_.FrameAt(time_, count_);
}

void PreviewBar::setTime(long double t) {
  time_ = t;
  timeChosen_ = true;
  showTime();
  emit timeChanged();
}

void PreviewBar::setFrame(int64_t frame) {
  setTime(clock_.Time(std::clamp<int64_t>(frame, 1, count_)));
}

void PreviewBar::stepFrame(int direction) {
  const int64_t current = frame();
  int64_t next = current == 0 ? 1 : current + direction;
  if (next > count_) next = 1;
  if (next < 1) next = count_;
  setFrame(next);
}

void PreviewBar::setPlaying(bool playing) {
  if (playing == playing_) return;
  playing_ = playing;
  playButton_->setIcon(
      style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
  emit playingChanged(playing);
}

int PreviewBar::framesPerSecond() const {
  return rate_->value();
}

void PreviewBar::setRateLocked(std::optional<int> framesPerSecond) {
  const QSignalBlocker blocker(rate_);
  if (framesPerSecond) {
    if (rate_->isEnabled()) userRate_ = rate_->value();
    rate_->setValue(*framesPerSecond);
  } else if (!rate_->isEnabled()) {
    rate_->setValue(userRate_);
  }
  rate_->setEnabled(!framesPerSecond);
}

void PreviewBar::showCountQuestion(const QString& text) {
  message_->setText(text);
  message_->setVisible(!text.isEmpty());
  buildButton_->setVisible(!text.isEmpty());
}

void PreviewBar::showRefusal(const QString& text) {
  message_->setText(text);
  message_->setVisible(!text.isEmpty());
  buildButton_->hide();
}

void PreviewBar::showTime() {
  const int64_t onFrame = frame();
  frameLabel_->setText(onFrame > 0 ? QStringLiteral("%1/%2").arg(onFrame).arg(count_)
                                   : QStringLiteral("-/%1").arg(count_));
  {
    const QSignalBlocker blocker(slider_);
    if (onFrame > 0) slider_->setValue(static_cast<int>(std::min(onFrame, kLargestSliderFrame)));
  }
  if (!timeEdit_->hasFocus()) timeEdit_->setValue(time_);
}

}  // namespace kirabel

#pragma once
// The timeline's picture and what the pointer and the keys do on it: the
// ruler chooses the preview's time, a row chooses its set, dragging a bar or
// its right end times the set (snapped to frames and beats, Alt: freely),
// dragging the soundtrack's outline moves the soundtrack. With a row
// selected, Ctrl+Left/Right move its birth time by a frame interval and
// Ctrl+Shift+Left/Right by a beat; Up and Down choose the row above or below.
// The ruler spans the launch's frames and every bar; Ctrl and the wheel zoom.
#include <QAbstractScrollArea>
#include <cstddef>
#include <memory>
#include <optional>

#include "ui/timeline/timeline_content.h"
#include "ui/timeline/timeline_geometry.h"

namespace kirabel {

class Document;
class TimingDrag;

class TimelineView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit TimelineView(Document& document, QWidget* parent = nullptr);
  ~TimelineView() override;

  void setWaveform(std::shared_ptr<const Waveform> waveform);
  void setPlayhead(std::optional<long double> time);
  // The selected set (a position in the list), if it has a row here.
  std::optional<std::size_t> selectedSet() const { return content_.selectedSet; }
  // Selects the row of set `set`, or none when it has no row; no signal.
  void showSelectedSet(std::optional<std::size_t> set);
  // Selects the first row when none is selected (announced as a choice).
  void selectSomeRow();

  const TimelineContent& content() const { return content_; }
  const TimelineGeometry& geometry() const { return geometry_; }

 signals:
  // The user chose the row of set `set`.
  void setChosen(std::size_t set);
  // The user chose a time on the ruler (list time).
  void timeChosen(long double time);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void reload();
  void layoutRows();
  void scrollToSelectedRow();
  void chooseRow(std::size_t row);
  void stepRow(int direction);
  void moveSelectedSet(long double delta);
  void startDrag(QPoint at, std::size_t row);
  void dragTo(QPoint at, Qt::KeyboardModifiers modifiers);
  void endDrag();
  QString timingStep() const;

  Document& document_;
  TimelineContent content_;
  TimelineGeometry geometry_;
  std::unique_ptr<TimingDrag> timingDrag_;
  QPoint pressedAt_;
  bool dragging_ = false;  // the pointer moved since it was pressed
  bool choosingTime_ = false;
  // A drag of the soundtrack: where it was grabbed (video seconds) and its offset then.
  std::optional<long double> soundtrackGrab_;
  long double soundtrackStart_ = 0;
};

}  // namespace kirabel

#pragma once
// The timeline window ("タイムライン"): the launch's frames along a ruler, one
// row per visible set, the soundtrack and the beat grid, over the main
// window's document. Its selected row follows the grid's and the other way
// round; the ruler moves the preview's time, and the playhead follows it.
#include <QWidget>
#include <cstddef>
#include <memory>

#include "audio/waveform.h"

namespace kirabel {

class MainWindow;
class TimelineView;

class TimelineWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TimelineWindow(MainWindow& window);
  ~TimelineWindow() override;

  // Shows the window in front with the keyboard focus and a selected row.
  void open();
  // The soundtrack's outline to draw along the ruler; null draws none.
  void setWaveform(std::shared_ptr<const Waveform> waveform);
  TimelineView& view() { return *view_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void followGridSelection();
  void followPreview();
  void showPlayhead();
  void chooseTime(long double time);

  MainWindow& window_;
  TimelineView* view_;
  bool followingPreview_ = false;
};

}  // namespace kirabel

#pragma once
// The timeline window ("タイムライン"): the launch's frames along a ruler, one
// row per visible set, the soundtrack and the beat grid, over a document. Its
// selected row shows the document's selection and chooses it; the ruler
// asks for a frame of the preview, and the playhead follows the preview.
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "audio/waveform.h"

namespace kirabel {

class Document;
class PreviewBar;
class SetSelection;
class TimelineView;

class TimelineWindow : public QWidget {
  Q_OBJECT
 public:
  TimelineWindow(Document& document, SetSelection& selection);
  ~TimelineWindow() override;

  // Shows the window in front with the keyboard focus and a selected row.
  void open();
  // The soundtrack's outline to draw along the ruler; null draws none.
  void setWaveform(std::shared_ptr<const Waveform> waveform);
  // The playhead follows the preview's time from now on.
  void followPreview(const PreviewBar& bar);
  TimelineView& view() { return *view_; }

 signals:
  // A time was chosen on the ruler: the preview is to show this frame.
  void frameChosen(int64_t frame);

 private:
  void showSelection();
  void chooseTime(long double time);

  SetSelection& selection_;
  TimelineView* view_;
};

}  // namespace kirabel

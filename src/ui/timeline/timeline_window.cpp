#include "ui/timeline/timeline_window.h"

#include <QVBoxLayout>
#include <algorithm>

#include "document/document.h"
#include "document/set_selection.h"
#include "ui/preview/preview_bar.h"
#include "ui/services/window_placement.h"
#include "ui/timeline/timeline_view.h"

namespace kirabel {

namespace {

// The designed size of the window's client area.
const QSize kDesignedSize(640, 300);

}  // namespace

TimelineWindow::TimelineWindow(Document& document, SetSelection& selection)
    : QWidget(nullptr, Qt::Window), selection_(selection), view_(new TimelineView(document, this)) {
  setObjectName(QStringLiteral("timelineWindow"));
  setWindowTitle(tr("タイムライン"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  setFocusProxy(view_);
  resize(kDesignedSize);
  connect(&selection_, &SetSelection::changed, this, &TimelineWindow::showSelection);
  connect(view_, &TimelineView::setChosen, &selection_, &SetSelection::select);
  connect(view_, &TimelineView::timeChosen, this, &TimelineWindow::chooseTime);
  // After the rows changed (a new list, a set shown or hidden), the selection again.
  connect(&document, &Document::setsChanged, this, &TimelineWindow::showSelection);
  showSelection();
}

TimelineWindow::~TimelineWindow() = default;

void TimelineWindow::open() {
  if (!isVisible()) KeepWindowReachable(*this);
  show();
  raise();
  activateWindow();
  view_->setFocus(Qt::ShortcutFocusReason);
  view_->selectSomeRow();
}

void TimelineWindow::setWaveform(std::shared_ptr<const Waveform> waveform) {
  view_->setWaveform(std::move(waveform));
}

// The new-set place has no row here.
void TimelineWindow::showSelection() {
  view_->showSelectedSet(selection_.set());
}

void TimelineWindow::followPreview(const PreviewBar& bar) {
  const auto showPlayhead = [this, &bar] { view_->setPlayhead(bar.time()); };
  connect(&bar, &PreviewBar::timeChanged, this, showPlayhead);
  showPlayhead();
}

// The frame nearest to the time chosen.
void TimelineWindow::chooseTime(long double time) {
  const TimelineContent& content = view_->content();
  emit frameChosen(std::clamp<int64_t>(content.clock.NearestFrame(time), 1, content.frameCount));
}

}  // namespace kirabel

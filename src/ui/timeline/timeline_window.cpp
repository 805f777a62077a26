#include "ui/timeline/timeline_window.h"

#include <QVBoxLayout>
#include <algorithm>

#include "ui/main_window/main_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/services/window_placement.h"
#include "ui/timeline/timeline_view.h"

namespace kirabel {

namespace {

// The designed size of the window's client area.
const QSize kDesignedSize(640, 300);

}  // namespace

TimelineWindow::TimelineWindow(MainWindow& window)
    : QWidget(nullptr, Qt::Window),
      window_(window),
      view_(new TimelineView(window.document(), this)) {
  setObjectName(QStringLiteral("timelineWindow"));
  setWindowTitle(tr("タイムライン"));
  setFont(window.font());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  setFocusProxy(view_);
  resize(kDesignedSize);
  connect(&window_, &MainWindow::selectedRowChanged, this, &TimelineWindow::followGridSelection);
  connect(view_, &TimelineView::setChosen, this,
          [this](std::size_t set) { window_.selectRow(static_cast<int>(set) + 1); });
  connect(view_, &TimelineView::timeChosen, this, &TimelineWindow::chooseTime);
  // After the rows changed (a new list, a set shown or hidden), the grid's row again.
  connect(&window.document(), &Document::setsChanged, this, &TimelineWindow::followGridSelection);
  followGridSelection();
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

void TimelineWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  followPreview();
}

// The grid's row r shows set r - 1; its new-set row has no row here.
void TimelineWindow::followGridSelection() {
  const int set = window_.selectedRow() - 1;
  view_->showSelectedSet(set >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(set))
                                  : std::nullopt);
}

void TimelineWindow::followPreview() {
  if (followingPreview_ || !window_.preview()) return;
  followingPreview_ = true;
  connect(&window_.preview()->bar(), &PreviewBar::timeChanged, this, &TimelineWindow::showPlayhead);
  showPlayhead();
}

void TimelineWindow::showPlayhead() {
  view_->setPlayhead(window_.preview()->bar().time());
}

// The frame nearest to the time chosen, shown by the preview (turned on).
void TimelineWindow::chooseTime(long double time) {
  window_.startPreview();
  window_.turnPreviewOn();
  followPreview();
  if (!window_.preview()) return;
  const TimelineContent& content = view_->content();
  window_.preview()->bar().setFrame(
      std::clamp<int64_t>(content.clock.NearestFrame(time), 1, content.frameCount));
}

}  // namespace kirabel

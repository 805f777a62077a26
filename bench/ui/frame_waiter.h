#pragma once
// Waits until the viewer shows a new preview frame: a paint of the picture
// whose bytes differ from those shown before. Paints of the picture alone
// (the handles drawn again over it) do not count.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <functional>
#include <string_view>

#include "image/picture.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel::bench {

class FrameWaiter : public QObject {
 public:
  explicit FrameWaiter(SpaceViewer& viewer) : viewer_(viewer) {
    viewer_.pictureView->installEventFilter(this);
  }
  ~FrameWaiter() override { viewer_.pictureView->removeEventFilter(this); }

  void waitForNewFrame() {
    const std::size_t before = shown_;
    while (shown_ == before) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const std::size_t now = pictureHash();
      if (now != shown_) shown_ = now;
    }
    return false;
  }

 private:
  std::size_t pictureHash() const {
    const Picture& picture = viewer_.picture();
    if (!picture.Bits()) return 0;
    const std::string_view bytes(
        reinterpret_cast<const char*>(picture.Bits()),
        static_cast<std::size_t>(picture.RowBytes()) * static_cast<std::size_t>(picture.Height()));
    return std::hash<std::string_view>()(bytes);
  }

  SpaceViewer& viewer_;
  std::size_t shown_ = 0;
};

}  // namespace kirabel::bench

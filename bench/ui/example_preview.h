#pragma once
// A main window and its viewer showing the preview of one of the example
// lists at the middle of its launch, where the bursts are, with that frame
// drawn: the starting point of the drag-to-frame benchmarks.
#include <QAction>
#include <string>

#include "frame_waiter.h"
#include "ui/main_window/main_window.h"
#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui/widgets/space_viewer.h"

namespace kirabel::bench {

inline const char* const kExamples[] = {"chrysanthemum", "willow", "ring", "finale"};

struct ExamplePreview {
  explicit ExamplePreview(const std::string& name) {
    window.startPreview();
    window.applyResolution(512, 512);
    viewer.show();
    window.findChild<QAction*>(QStringLiteral("actionPreview"))->trigger();  // the preview on
    window.loadStartFile(std::string(KIRABEL_EXAMPLES) + "/" + name + ".pcl");
    PreviewBar& bar = window.preview()->bar();
    bar.setFrame((bar.frameCount() + 1) / 2);
    frames.waitForNewFrame();
  }
  ~ExamplePreview() { viewer.setCloseAllowed(true); }

  SpaceViewer viewer;
  MainWindow window{&viewer};
  FrameWaiter frames{viewer};
};

}  // namespace kirabel::bench

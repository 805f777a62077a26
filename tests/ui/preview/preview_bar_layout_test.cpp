// The preview's time bar keeps every control usable under a picture of any
// width: at the viewer's width after start-up and at widths a user sizes the
// window to, no control covers another or is squeezed below its least size,
// and the slider keeps room to be dragged. ctest runs this suite again under
// QT_SCALE_FACTOR=1.5 and 2, where a 512-pixel picture is only 341 or 256
// logical pixels wide.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSlider>
#include <QToolButton>

#include "ui/preview/preview_bar.h"
#include "ui/preview/preview_controller.h"
#include "ui_support/child_widget.h"
#include "ui_support/started_app_fixture.h"

namespace kirabel::testing {
namespace {

constexpr int kLeastSliderWidth = 100;

std::string Describe(const QWidget& widget) {
  const QRect r = widget.geometry();
  return widget.objectName().toStdString() + " at " + std::to_string(r.x()) + "," +
         std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" + std::to_string(r.height());
}

void ExpectRoomForEveryControl(const PreviewBar& bar) {
  SCOPED_TRACE("bar " + std::to_string(bar.width()) + "x" + std::to_string(bar.height()));
  QList<QWidget*> shown;
  for (QWidget* child : bar.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->isVisibleTo(&bar)) shown << child;
  ASSERT_GE(shown.size(), 8);
  for (int i = 0; i < shown.size(); ++i) {
    const QWidget& control = *shown[i];
    EXPECT_TRUE(bar.rect().contains(control.geometry())) << Describe(control);
    EXPECT_GE(control.width(), control.minimumSizeHint().width()) << Describe(control);
    for (int j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(control.geometry().intersects(shown[j]->geometry()))
          << Describe(control) << " covers " << Describe(*shown[j]);
  }
  EXPECT_GE(Child<QSlider>(bar, "previewSlider")->width(), kLeastSliderWidth);
}

class HighDpiPreviewBarTest : public StartedAppFixture {};

TEST_F(HighDpiPreviewBarTest, EveryControlHasRoomAtTheViewersWidth) {
  Start();  // a first start: the preview is on, its bar under the picture
  QApplication::processEvents();
  PreviewBar& bar = mainWindow().preview()->bar();
  ASSERT_TRUE(bar.isVisibleTo(&viewer()));
  EXPECT_EQ(bar.width(), viewer().width());
  ExpectRoomForEveryControl(bar);
}

TEST(HighDpiPreviewBarWidthTest, ANarrowBarPutsTheSliderAboveTheOtherControls) {
  QWidget viewer;  // placing the bar as the viewer does, by its geometry
  viewer.resize(1200, 200);
  PreviewBar bar(&viewer);
  bar.addControl(new QToolButton);  // as the handles add their button
  viewer.show();
  const auto sliderAbove = [&] {
    return Child<QSlider>(bar, "previewSlider")->geometry().bottom() <
           Child<QToolButton>(bar, "previewPlayButton")->geometry().top();
  };
  const int least = bar.minimumSizeHint().width();
  for (const int width : {least, least + 30, bar.sizeHint().width() - 1, bar.sizeHint().width(),
                          bar.sizeHint().width() + 200}) {
    SCOPED_TRACE(width);
    bar.resize(width, bar.heightForWidth(width));
    QApplication::processEvents();
    ExpectRoomForEveryControl(bar);
    EXPECT_EQ(sliderAbove(), width < bar.sizeHint().width());
  }
}

}  // namespace
}  // namespace kirabel::testing

// The space viewer: the bottom-up picture drawn the right way up, fitting to
// a new picture size, the size limit, and closing only with the program.
#include "ui/widgets/space_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

#include "image/picture.h"

namespace kirabel {
namespace {

class SpaceViewerTest : public ::testing::Test {
 protected:
  ~SpaceViewerTest() override { viewer_.setCloseAllowed(true); }
  SpaceViewer viewer_;
};

TEST_F(SpaceViewerTest, CreatedShownWithACaptionAndAPictureOfTheClientSize) {
  EXPECT_TRUE(viewer_.isVisible());
  EXPECT_EQ(viewer_.pos(), QPoint(374, 107));
  EXPECT_EQ(viewer_.frameGeometry().size(), QSize(648, 507));
  EXPECT_EQ(viewer_.windowTitle(), QStringLiteral("空間ビューワ"));
  EXPECT_EQ(viewer_.picture().Width(), viewer_.viewport()->width());
  EXPECT_EQ(viewer_.picture().Height(), viewer_.viewport()->height());
  EXPECT_EQ(ViewerDrawingCaption(3, 10), QStringLiteral("作画中です...3/10"));
}

TEST_F(SpaceViewerTest, PaintsThePictureTopRowFirst) {
  viewer_.fitToPicture(5, 3);
  Picture& picture = viewer_.picture();
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      uint8_t* pixel = picture.Row(y) + 3 * x;
      pixel[0] = static_cast<uint8_t>(10 * x);  // blue
      pixel[1] = static_cast<uint8_t>(50 * y);  // green
      pixel[2] = 200;                           // red
    }
  const QImage shown = viewer_.pictureView->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(5, 3));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(shown.pixelColor(x, y), QColor(200, 50 * y, 10 * x)) << x << "," << y;
}

TEST_F(SpaceViewerTest, NewPictureIsBlackAndTheWindowFitsIt) {
  viewer_.fitToPicture(64, 48);
  Picture& picture = viewer_.picture();
  EXPECT_EQ(picture.Width(), 64);
  EXPECT_EQ(picture.Height(), 48);
  EXPECT_EQ(viewer_.pictureView->size(), QSize(64, 48));
  for (int i = 0; i < picture.RowBytes() * picture.Height(); ++i) ASSERT_EQ(picture.Bits()[i], 0);
  EXPECT_EQ(viewer_.size(), QSize(64, 48));
  QApplication::processEvents();  // the scroll bars go once the layout settles
  // Never larger than picture plus border.
  EXPECT_EQ(viewer_.maximumSize(), QSize(64, 48));
  viewer_.resize(200, 200);
  EXPECT_EQ(viewer_.size(), QSize(64, 48));
}

// A picture too long for the screen on one side: that side keeps the window's
// length and scrolls; the other side leaves room for the scroll bar, so that
// the picture shows whole across it.
TEST_F(SpaceViewerTest, PictureLongerThanTheScreenScrollsOneWayAndShowsWholeTheOther) {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  const struct {
    bool wide;  // too wide for the screen, else too tall
    QSize picture;
  } cases[] = {{true, {screen.width() + 100, 50}},
               {false, {screen.width() / 2, screen.height() * 2}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wide ? "wide" : "tall");
    SpaceViewer viewer;
    viewer.setCloseAllowed(true);
    viewer.resize(300, 200);
    viewer.fitToPicture(c.picture.width(), c.picture.height());
    QApplication::processEvents();
    QScrollBar* along = c.wide ? viewer.horizontalScrollBar() : viewer.verticalScrollBar();
    QScrollBar* across = c.wide ? viewer.verticalScrollBar() : viewer.horizontalScrollBar();
    EXPECT_EQ(c.wide ? viewer.width() : viewer.height(), c.wide ? 300 : 200);
    EXPECT_GT(along->maximum(), 0);
    EXPECT_FALSE(across->isVisible());
    const QSize shown = viewer.viewport()->size();
    EXPECT_EQ(c.wide ? shown.height() : shown.width(),
              c.wide ? c.picture.height() : c.picture.width());
    EXPECT_LE(viewer.maximumTrackingSize().width(), screen.width());
    EXPECT_LE(viewer.maximumTrackingSize().height(), screen.height());
  }
}

// A picture narrower than the time bar: the window widens to the bar while it
// shows, and fits the picture again once it goes.
TEST_F(SpaceViewerTest, TimeBarUnderANarrowPictureShowsWhole) {
  auto* bar = new QLabel(QStringLiteral("a time bar wider than the picture"));
  viewer_.setTimeBar(bar);
  viewer_.fitToPicture(64, 48);
  const QSize picture = viewer_.pictureView->size();
  viewer_.showTimeBar(true);
  QApplication::processEvents();
  EXPECT_EQ(viewer_.size(),
            QSize(bar->sizeHint().width(), picture.height() + bar->sizeHint().height()));
  EXPECT_EQ(bar->width(), viewer_.width());
  EXPECT_EQ(viewer_.maximumSize(), viewer_.size());
  viewer_.showTimeBar(false);
  QApplication::processEvents();
  EXPECT_EQ(viewer_.size(), picture);
}

TEST_F(SpaceViewerTest, EmptyPictureDrawsNothingAndFailsNothing) {
  viewer_.fitToPicture(0, 0);
  EXPECT_EQ(viewer_.picture().Width(), 0);
  // The window stays on the screen (a window of no size would be unmapped).
  QApplication::processEvents();
  EXPECT_EQ(viewer_.size(), QSize(1, 1));
  EXPECT_TRUE(viewer_.windowHandle()->isVisible());
  viewer_.repaintPicture();
  viewer_.fitToPicture(-5, 7);
  EXPECT_EQ(viewer_.picture().Width(), 0);
  EXPECT_EQ(viewer_.picture().Height(), 7);
  viewer_.repaintPicture();
}

TEST_F(SpaceViewerTest, RefusesToCloseUntilAllowed) {
  EXPECT_FALSE(viewer_.close());
  EXPECT_TRUE(viewer_.isVisible());
  viewer_.setCloseAllowed(true);
  EXPECT_TRUE(viewer_.close());
  EXPECT_FALSE(viewer_.isVisible());
}

}  // namespace
}  // namespace kirabel

// The program's pictures: every tool button has a 16 × 16 normal and a
// distinct disabled picture; the about and application pictures exist.
#include "ui/main_window/tool_icons.h"

#include <gtest/gtest.h>

#include <QImage>

namespace kirabel {
namespace {

TEST(ToolIconsTest, EveryToolButtonHasNormalAndDisabledPictures) {
  for (const char* button :
       {"openButton", "saveButton", "saveImageButton", "cutButton", "copyButton", "pasteButton",
        "addSetButton", "changeSetButton", "deleteSetButton", "launchButton", "stopButton"}) {
    const QString name = QLatin1String(button);
    const QIcon icon = ToolIcon(name);
    ASSERT_FALSE(icon.isNull()) << name.toStdString();
    const QImage normal = icon.pixmap(16, 16, QIcon::Normal).toImage();
    const QImage disabled = icon.pixmap(16, 16, QIcon::Disabled).toImage();
    EXPECT_EQ(normal.size(), QSize(16, 16)) << name.toStdString();
    EXPECT_EQ(disabled.size(), QSize(16, 16)) << name.toStdString();
    EXPECT_NE(normal, disabled) << name.toStdString();
  }
  EXPECT_TRUE(ToolIcon(QStringLiteral("noSuchButton")).isNull());
  EXPECT_TRUE(ToolIcon(QString()).isNull());
}

TEST(ToolIconsTest, DisabledPictureIsGreyAndFaded) {
  QImage red(2, 1, QImage::Format_ARGB32);
  red.setPixel(0, 0, qRgba(255, 0, 0, 255));
  red.setPixel(1, 0, qRgba(0, 0, 0, 0));
  const QImage grey = DisabledPicture(QPixmap::fromImage(red)).toImage();
  const QRgb pixel = grey.pixel(0, 0);
  EXPECT_EQ(qRed(pixel), qGreen(pixel));
  EXPECT_EQ(qGreen(pixel), qBlue(pixel));
  EXPECT_LT(qAlpha(pixel), 255);
  EXPECT_EQ(qAlpha(grey.pixel(1, 0)), 0);
}

TEST(ToolIconsTest, ApplicationAndAboutPictures) {
  EXPECT_EQ(AboutPicture().size(), QSize(128, 128));
  const QPixmap sharp = AboutPicture(2.0);  // a 200 % screen: 256 device pixels
  EXPECT_EQ(sharp.size(), QSize(256, 256));
  EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(128, 128));
  const QIcon app = AppIcon();
  ASSERT_FALSE(app.isNull());
  for (int size : {16, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(app.availableSizes().contains(QSize(size, size))) << size;
  }
}

}  // namespace
}  // namespace kirabel

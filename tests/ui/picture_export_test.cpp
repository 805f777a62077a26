// Saving the space picture: BMP by default, PNG by name, and a failed PNG
// write that leaves an older file as it was.
#include "ui/picture_export.h"

#include <gtest/gtest.h>

#include <QImage>

#include "image/dibs.h"
#include "platform/errors.h"
#include "support/file_size_limit.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

// A 3 x 2 picture whose pixel (x, y) is red x * 80, green y * 100, blue 7.
TDIBitmap SmallPicture() {
  TDIBitmap bitmap;
  bitmap.SetHeight(2);
  bitmap.SetWidth(3);
  for (int y = 0; y < 2; ++y) {
    uint8_t* row = bitmap.Bits() + (1 - y) * bitmap.RowBytes();
    for (int x = 0; x < 3; ++x) {
      row[3 * x] = 7;
      row[3 * x + 1] = static_cast<uint8_t>(y * 100);
      row[3 * x + 2] = static_cast<uint8_t>(x * 80);
    }
  }
  return bitmap;
}

TEST(PictureExportTest, PngNameWritesTheSamePixelsTopDown) {
  ScratchFolder folder;
  const TDIBitmap bitmap = SmallPicture();
  const QString name = QString::fromStdString(folder.File("picture.PNG"));
  SavePicture(bitmap, name);
  const QImage image(name, "PNG");
  ASSERT_EQ(image.size(), QSize(3, 2));
  EXPECT_EQ(image.pixel(2, 1), qRgb(160, 100, 7));
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 7));

  // Any other name is a 24-bit BMP file.
  const std::string bmp = folder.File("picture.bmp");
  SavePicture(bitmap, QString::fromStdString(bmp));
  EXPECT_EQ(ReadBytes(bmp).substr(0, 2), "BM");
}

TEST(PictureExportTest, FailedPngWriteKeepsTheOldFile) {
  ScratchFolder folder;
  const std::string name = folder.File("old.png");
  testing::WriteBytes(name, "older picture");
  TDIBitmap big;
  big.SetHeight(300);
  big.SetWidth(300);
  for (int i = 0; i < 300 * big.RowBytes(); ++i) big.Bits()[i] = static_cast<uint8_t>(i * 131);
  {
    testing::FileSizeLimit limit(1024);
    EXPECT_THROW(SavePicture(big, QString::fromStdString(name)), WriteError);
  }
  EXPECT_EQ(ReadBytes(name), "older picture");
  EXPECT_EQ(testing::FilesIn(folder.path()), 1);
  EXPECT_THROW(SavePicture(big, QString::fromStdString(folder.File("no/such.png"))), WriteError);
}

}  // namespace
}  // namespace kirabel

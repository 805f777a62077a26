#include "picture_io/sky_photo.h"

#include <gtest/gtest.h>

#include <QImage>

#include "image/picture.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

TEST(SkyPhotoTest, APhotoBecomesAPictureOfItsOwnSize) {
  testing::ScratchFolder folder;
  for (const char* name : {"sky.png", "sky.jpg"}) {
    SCOPED_TRACE(name);
    const std::string path = folder.File(name);
    QImage image(5, 3, QImage::Format_RGB888);
    image.fill(QColor(200, 100, 50));
    ASSERT_TRUE(image.save(QString::fromStdString(path)));
    const auto picture = LoadSkyPhoto(path);
    ASSERT_EQ(picture->Width(), 5);
    ASSERT_EQ(picture->Height(), 3);
    const uint8_t* pixel = picture->Row(2) + 3 * 4;  // blue, green, red
    EXPECT_NEAR(pixel[0], 50, 3);
    EXPECT_NEAR(pixel[1], 100, 3);
    EXPECT_NEAR(pixel[2], 200, 3);
  }
}

TEST(SkyPhotoTest, AMissingOrBrokenPhotoIsAnErrorNamingIt) {
  testing::ScratchFolder folder;
  const std::string broken = folder.File("broken.png");
  testing::WriteBytes(broken, "not a picture");
  for (const std::string& path : {folder.File("missing.jpg"), broken}) {
    try {
      LoadSkyPhoto(path);
      ADD_FAILURE() << path << " was read";
    } catch (const SkyPhotoError& error) {
      EXPECT_EQ(error.fileName(), path);
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace kirabel

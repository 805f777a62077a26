#include "picture_io/sky_photo.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "image/picture.h"
#include "simulation/frame_developer.h"

namespace kirabel {

std::shared_ptr<const Picture> LoadSkyPhoto(const std::string& fileName) {
  const QString name = QString::fromUtf8(fileName.c_str());
  if (!QFileInfo(name).isFile()) throw SkyPhotoError(fileName, true);
  QImageReader reader(name);
  reader.setAutoTransform(true);
  const QImage image = reader.read().convertToFormat(QImage::Format_RGB888);
  if (image.isNull()) throw SkyPhotoError(fileName, false);
  auto photo = std::make_shared<Picture>();
  photo->SetHeight(image.height());
  photo->SetWidth(image.width());
  for (int y = 0; y < image.height(); ++y) {
    const uchar* source = image.constScanLine(y);
    uint8_t* row = photo->Row(y);
    for (int x = 0; x < image.width(); ++x) {
      row[3 * x] = source[3 * x + 2];
      row[3 * x + 1] = source[3 * x + 1];
      row[3 * x + 2] = source[3 * x];
    }
  }
  return photo;
}

std::shared_ptr<const FrameDeveloper> MakeFrameDeveloper(const Look& look) {
  if (!look.Film()) return nullptr;
  return std::make_shared<FrameDeveloper>(
      look, look.skyPhoto.empty() ? nullptr : LoadSkyPhoto(look.skyPhoto));
}

}  // namespace kirabel

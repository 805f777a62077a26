#include "picture_io/sky_photo.h"

#include <QImage>
#include <QImageReader>

#include "image/picture.h"
#include "simulation/frame_developer.h"

namespace kirabel {
namespace {

// The image's pixels into the picture's blue, green, red rows.
std::shared_ptr<const Picture> ToPicture(const QImage& image) {
  auto picture = std::make_shared<Picture>();
  picture->SetHeight(image.height());
  picture->SetWidth(image.width());
  for (int y = 0; y < image.height(); ++y) {
    const uint8_t* from = image.constScanLine(y);
    uint8_t* to = picture->Row(y);
    for (int x = 0; x < image.width(); ++x) {
      to[3 * x] = from[3 * x + 2];
      to[3 * x + 1] = from[3 * x + 1];
      to[3 * x + 2] = from[3 * x];
    }
  }
  return picture;
}

}  // namespace

std::shared_ptr<const Picture> LoadSkyPhoto(const std::string& path) {
  QImageReader reader(QString::fromStdString(path));
  reader.setAutoTransform(true);  // a camera's photo stands the way it was taken
  const QImage image = reader.read();
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) throw SkyPhotoError(path);
  return ToPicture(image.convertToFormat(QImage::Format_RGB888));
}

std::shared_ptr<const FrameDeveloper> MakeFrameDeveloper(const Look& look) {
  if (!look.Film()) return nullptr;
  return std::make_shared<FrameDeveloper>(
      look, look.skyPhoto.empty() ? nullptr : LoadSkyPhoto(look.skyPhoto));
}

}  // namespace kirabel

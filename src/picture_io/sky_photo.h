#pragma once
// The photo a film look puts behind the fireworks, decoded from a PNG or
// JPEG file into a picture (Qt Gui only).
#include <memory>
#include <string>

#include "model/look.h"
#include "platform/errors.h"

namespace kirabel {

class FrameDeveloper;
class Picture;

inline constexpr char kSkyPhotoErrorText[] =
    KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "空の写真 %1 を読み込めません");

// A sky photo that is missing or cannot be decoded; ErrorText words it.
class SkyPhotoError : public KirabelError {
 public:
  explicit SkyPhotoError(const std::string& fileName)
      : KirabelError(FillIn(kSkyPhotoErrorText, fileName)), fileName_(fileName) {}
  const std::string& fileName() const { return fileName_; }

 private:
  std::string fileName_;
};

// The photo at path (UTF-8) as a picture of its own size. Raises
// SkyPhotoError when the file is missing, unreadable or holds no picture.
std::shared_ptr<const Picture> LoadSkyPhoto(const std::string& path);

// The developer of a look with its photo (SkyPhotoError when it cannot be
// read); null for the classic look, which needs none.
std::shared_ptr<const FrameDeveloper> MakeFrameDeveloper(const Look& look);

}  // namespace kirabel

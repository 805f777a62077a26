#pragma once
// The photo behind the film look's fireworks, read with Qt's image readers
// (PNG, JPEG and whatever else they know) and made a developer of.
#include <memory>
#include <string>

#include "model/look.h"
#include "platform/errors.h"

namespace kirabel {

class FrameDeveloper;
class Picture;

// A sky photo that is missing or cannot be read as a picture.
class SkyPhotoError : public KirabelError {
 public:
  SkyPhotoError(const std::string& fileName, bool missing)
      : KirabelError("the sky photo " + fileName +
                     (missing ? " does not exist" : " cannot be read")),
        fileName_(fileName),
        missing_(missing) {}
  const std::string& fileName() const { return fileName_; }
  bool missing() const { return missing_; }

 private:
  std::string fileName_;
  bool missing_;
};

// The photo's pixels (UTF-8 file name). Raises SkyPhotoError.
std::shared_ptr<const Picture> LoadSkyPhoto(const std::string& fileName);

// The developer of a look, its photo loaded (SkyPhotoError when it cannot
// be); null for the classic look, which needs none.
std::shared_ptr<const FrameDeveloper> MakeFrameDeveloper(const Look& look);

}  // namespace kirabel

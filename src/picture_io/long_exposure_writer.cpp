#include "picture_io/long_exposure_writer.h"

#include "picture_io/picture_png.h"
#include "simulation/long_exposure.h"

namespace kirabel {

void WriteLongExposure(const LongExposure& still, const std::string& path, PictureFormat format) {
  if (format == PictureFormat::kPng16) {
    SavePng16File(still.rgb16, still.picture.Width(), still.picture.Height(), path);
  } else {
    WritePicture(still.picture, path, format);
  }
}

}  // namespace kirabel

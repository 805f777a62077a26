#include "picture_io/frame_writer.h"

#include <cstdio>

#include "image/picture.h"
#include "picture_io/picture_png.h"
#include "simulation/frame_developer.h"
#include "simulation/space_buffer.h"

namespace kirabel {

PictureFormat FormatForName(const std::string& name) {
  const std::size_t dot = name.find_last_of("./");
  if (dot == std::string::npos || name[dot] != '.' || name.size() - dot != 4) {
    return PictureFormat::kBmp;
  }
  std::string suffix = name.substr(dot + 1);
  for (char& c : suffix) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return suffix == "png" ? PictureFormat::kPng : PictureFormat::kBmp;
}

std::string RemoveExtension(const std::string& name) {
  const std::size_t cut = name.find_last_of(".\\/");
  if (cut == std::string::npos || name[cut] != '.') return name;
  return name.substr(0, cut);
}

std::string NumberedFrameName(const std::string& name, int64_t frame, PictureFormat format) {
  char number[32];
  std::snprintf(number, sizeof number, "%.5lld", static_cast<long long>(frame));
  return RemoveExtension(name) + number + (format == PictureFormat::kBmp ? ".BMP" : ".png");
}

void WritePicture(const Picture& picture, const std::string& path, PictureFormat format) {
  if (format != PictureFormat::kBmp) {
    SavePngFile(picture, path);
  } else {
    picture.SaveToFile(path);
  }
}

void WriteFrame(const SpaceBuffer& space, const Picture& picture, const std::string& path,
                PictureFormat format, const FrameDeveloper* developer) {
  if (format == PictureFormat::kPng16 && developer && !developer->Classic()) {
    std::vector<uint16_t> rgb;
    developer->Develop16(space, rgb);
    SavePng16File(rgb, space.Width(), space.Height(), path);
  } else if (format == PictureFormat::kPng16) {
    SavePng16File(space, path);
  } else {
    WritePicture(picture, path, format);
  }
}

}  // namespace kirabel

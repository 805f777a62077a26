#include "picture_io/frame_writer.h"

#include <cstdio>

#include "image/picture.h"
#include "picture_io/picture_exr.h"
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

std::optional<PictureFormat> PictureFormatNamed(const std::string& word) {
  std::string lower = word;
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (lower == "bmp") return PictureFormat::kBmp;
  if (lower == "png") return PictureFormat::kPng;
  if (lower == "png16") return PictureFormat::kPng16;
  if (lower == "exr") return PictureFormat::kExr;
  return std::nullopt;
}

std::string RemoveExtension(const std::string& name) {
  const std::size_t cut = name.find_last_of(".\\/");
  if (cut == std::string::npos || name[cut] != '.') return name;
  return name.substr(0, cut);
}

std::string NumberedFrameName(const std::string& name, int64_t frame, PictureFormat format) {
  char number[32];
  std::snprintf(number, sizeof number, "%.5lld", static_cast<long long>(frame));
  const char* extension = format == PictureFormat::kBmp   ? ".BMP"
                          : format == PictureFormat::kExr ? ".exr"
                                                          : ".png";
  return RemoveExtension(name) + number + extension;
}

void WritePicture(const Picture& picture, const std::string& path, PictureFormat format) {
  if (format != PictureFormat::kBmp) {
    SavePngFile(picture, path);
  } else {
    picture.SaveToFile(path);
  }
}

namespace {

template <class Value>
void WritePngWithAlpha(const SpaceBuffer& space, const std::string& path,
                       const FrameDeveloper& developer) {
  std::vector<Value> rgba;
  developer.DevelopWithAlpha(space, rgba);
  SavePngWithAlpha(rgba, space.Width(), space.Height(), path);
}

void WriteFrameWithDeveloper(const SpaceBuffer& space, const std::string& path,
                             PictureFormat format, const FrameDeveloper& developer,
                             bool withAlpha) {
  if (format == PictureFormat::kExr) {
    std::vector<float> rgba;
    developer.LinearLight(space, rgba);
    SaveExrFile(rgba, space.Width(), space.Height(), path);
  } else if (withAlpha && format == PictureFormat::kPng16) {
    WritePngWithAlpha<uint16_t>(space, path, developer);
  } else if (withAlpha) {
    WritePngWithAlpha<uint8_t>(space, path, developer);
  } else {
    std::vector<uint16_t> rgb;
    developer.Develop16(space, rgb);
    SavePng16File(rgb, space.Width(), space.Height(), path);
  }
}

}  // namespace

void WriteFrame(const SpaceBuffer& space, const Picture& picture, const std::string& path,
                PictureFormat format, const FrameDeveloper* developer, bool withAlpha) {
  const bool fromLight = format == PictureFormat::kExr ||
                         (withAlpha && format != PictureFormat::kBmp) ||
                         (format == PictureFormat::kPng16 && developer && !developer->Classic());
  if (fromLight) {
    if (developer) {
      WriteFrameWithDeveloper(space, path, format, *developer, withAlpha);
    } else {
      WriteFrameWithDeveloper(space, path, format, FrameDeveloper(Look{}), withAlpha);
    }
  } else if (format == PictureFormat::kPng16) {
    SavePng16File(space, path);
  } else {
    WritePicture(picture, path, format);
  }
}

}  // namespace kirabel

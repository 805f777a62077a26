#pragma once
// Writing pictures and numbered frames to files, for the desktop program's
// "save image" command and automatic saving and for kirabel-render. Every
// file goes through the safe save path (written beside the old one, put in
// place only when complete).
#include <cstdint>
#include <optional>
#include <string>

namespace kirabel {

class FrameDeveloper;
class Picture;
class SpaceBuffer;

// kPng16: 16 bits per channel, the space buffer's exact values; kExr: the
// linear light in half floats (OpenEXR), premultiplied by its coverage.
enum class PictureFormat { kBmp, kPng, kPng16, kExr };

// The format a chosen picture name asks for: PNG for a name ending in ".png"
// (any letter case), else BMP.
PictureFormat FormatForName(const std::string& name);

// The picture format a word names ("bmp", "png", "png16", "exr", any letter
// case); nothing for any other word.
std::optional<PictureFormat> PictureFormatNamed(const std::string& word);

// name without its extension: the part from the last period of the file
// name on (a period in a folder name does not count).
std::string RemoveExtension(const std::string& name);

// The file of frame number `frame`: name without its extension, the number
// as five digits with leading zeros (never cut), then ".BMP", ".png" or ".exr"
// ("fire.bmp", 3 -> "fire00003.BMP").
std::string NumberedFrameName(const std::string& name, int64_t frame, PictureFormat format);

// Writes picture as a 24-bit BMP or a PNG file. Raises WriteError (a file
// that may not be written) or FileIOError (naming the file and the system's
// reason) when it cannot be written; an older file of that name then stays as
// it was.
void WritePicture(const Picture& picture, const std::string& path, PictureFormat format);

// A drawn frame in any of the formats: kPng16 from the space buffer (its
// values, or developed at 16 bits by a film look's developer), kExr the
// developer's linear light, the others from the picture. withAlpha makes a
// PNG an RGBA one, the fireworks without the sky. A null developer is the
// classic look's.
void WriteFrame(const SpaceBuffer& space, const Picture& picture, const std::string& path,
                PictureFormat format, const FrameDeveloper* developer = nullptr,
                bool withAlpha = false);

}  // namespace kirabel

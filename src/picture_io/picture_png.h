#pragma once
// The space picture as a Qt image and as a PNG file, for the desktop program's
// "save image" command and the headless renderer's PNG frames (Qt Gui only).
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace kirabel {

class Picture;
class SpaceBuffer;

// The picture as an RGB image; a null image for an empty picture. Raises
// OutOfMemoryError when the image cannot be had.
QImage PictureToQImage(const Picture& picture);

// Writes the picture as a PNG file. The file is written beside the old one
// and put in its place only when complete, so a full disk or an unwritable
// folder leaves an older file untouched. Raises WriteError (a file that may
// not be written, a picture that cannot be encoded) or FileIOError (the
// system's reason) on failure.
void SavePngFile(const Picture& picture, const std::string& fileName);

// Writes the space buffer as a 16-bit-per-channel PNG file holding its exact
// values (the picture's bytes are their high bytes), the same safe way.
void SavePng16File(const SpaceBuffer& space, const std::string& fileName);
// 16-bit red, green, blue values (3 a pixel, top row first) as a PNG file,
// the same safe way.
void SavePng16File(const std::vector<uint16_t>& rgb, int32_t width, int32_t height,
                   const std::string& fileName);

// Straight red, green, blue, alpha values (4 a pixel, top row first, 8 or 16
// bits) as an RGBA PNG file, the same safe way.
void SavePngWithAlpha(const std::vector<uint8_t>& rgba, int32_t width, int32_t height,
                      const std::string& fileName);
void SavePngWithAlpha(const std::vector<uint16_t>& rgba, int32_t width, int32_t height,
                      const std::string& fileName);

}  // namespace kirabel

#pragma once
// Writing a long exposure's still, the same way for the window's export and
// kirabel-render.
#include <string>

#include "picture_io/frame_writer.h"

namespace kirabel {

struct LongExposure;

// Writes the still as a BMP, a PNG or a 16-bit PNG file, through the safe
// save path. Raises WriteError or FileIOError as WritePicture does.
void WriteLongExposure(const LongExposure& still, const std::string& path, PictureFormat format);

}  // namespace kirabel

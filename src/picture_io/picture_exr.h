#pragma once
// Linear light as an OpenEXR file: half-float red, green, blue and alpha,
// premultiplied, for compositing and grading in other programs.
#include <cstdint>
#include <string>
#include <vector>

namespace kirabel {

// Writes rgba (4 floats a pixel, top row first) as a half-float RGBA OpenEXR
// file. The file is encoded in memory, then written beside the old one and
// put in place only when complete. Raises WriteError (a file that may not be
// written or an image that cannot be encoded) or FileIOError (the system's
// reason) on failure; an older file then stays as it was.
void SaveExrFile(const std::vector<float>& rgba, int32_t width, int32_t height,
                 const std::string& fileName);

}  // namespace kirabel

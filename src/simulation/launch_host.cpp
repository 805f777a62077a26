#include "simulation/launch_host.h"

#include "image/dibs.h"

namespace kirabel {

void LaunchHost::SaveFrame(const TDIBitmap& bitmap, const std::string& fileName) {
  bitmap.SaveToFile(fileName, 24);
}

}  // namespace kirabel

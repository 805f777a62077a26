// Every way the program saves a file refuses a read-only target with
// "<file> に書き込めません" and leaves it byte for byte as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "image/picture.h"
#include "model/launch_settings.h"
#include "model/particle.h"
#include "model/pcl_file.h"
#include "model/settings_file.h"
#include "picture_io/frame_writer.h"
#include "platform/errors.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

TEST(ReadOnlyTargetsTest, EverySaveRefusesAReadOnlyFile) {
  Picture picture;
  picture.SetHeight(4);
  picture.SetWidth(4);
  const ParticleList list(2);
  const std::pair<const char*, std::function<void(const std::string&)>> saves[] = {
      {"list.pcl", [&](const std::string& f) { SaveListToFile(f, list, LaunchSettings()); }},
      {"kirabel.INI", [](const std::string& f) { SaveSettingsFile(f, Settings()); }},
      {"frame.BMP", [&](const std::string& f) { picture.SaveToFile(f, 24); }},
      {"picture.bmp", [&](const std::string& f) { WritePicture(picture, f, PictureFormat::kBmp); }},
      {"picture.png", [&](const std::string& f) { WritePicture(picture, f, PictureFormat::kPng); }},
  };
  ScratchFolder folder;
  for (const auto& [file, save] : saves) {
    SCOPED_TRACE(file);
    const std::string name = folder.File(file);
    WriteBytes(name, "kept");
    chmod(name.c_str(), 0444);
    try {
      save(name);
      ADD_FAILURE() << "saved";
    } catch (const KirabelError& error) {
      EXPECT_EQ(std::string(error.what()), name + " に書き込めません");
    }
    EXPECT_EQ(ReadBytes(name), "kept");
  }
}

}  // namespace
}  // namespace kirabel

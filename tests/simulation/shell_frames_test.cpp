// Every ready-made shell's launch shows its whole effect and then ends: its
// last frame keeps at most a twentieth of the light of its fullest frame, and
// at most three black frames close it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "model/pcl_file.h"
#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "simulation/random.h"
#include "simulation/shell_files.h"

namespace kirabel {
namespace {

constexpr int32_t kSpace = 512;
constexpr uint64_t kLastLightShare = 20;  // the last frame: at most 1/20 of the fullest
constexpr std::size_t kMostBlackFramesAtTheEnd = 3;

// The sum of the picture's bytes of every frame of the shell's own launch,
// drawn without anti-aliasing or wrapping.
std::vector<uint64_t> LightOfEveryFrame(const std::string& path) {
  const PclContents contents = ReadPclFile(path);
  RandomGenerator random;
  const auto built = Launch::Build(contents.sets, contents.settings, random, INT64_MAX, {});
  testing::Canvas canvas(kSpace, kSpace);
  const uint8_t* bytes = canvas.picture.Bits();
  const std::size_t size = static_cast<std::size_t>(canvas.picture.RowBytes()) * kSpace;
  std::vector<uint64_t> light;
  for (int64_t frame = 1; frame <= FrameCount(contents.settings.frameCount); ++frame) {
    built.launch->DrawFrame(frame, canvas.space, canvas.picture, {false, false});
    light.push_back(std::accumulate(bytes, bytes + size, uint64_t{0}));
  }
  return light;
}

class ShellFramesTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ShellFramesTest, LaunchEndsShortlyAfterItsLightHasGone) {
  const std::vector<uint64_t> light = LightOfEveryFrame(GetParam());
  ASSERT_FALSE(light.empty());
  const uint64_t fullest = *std::max_element(light.begin(), light.end());
  ASSERT_GT(fullest, 0u);
  EXPECT_LE(light.back() * kLastLightShare, fullest)
      << "the launch stops while the shell still shines";
  const auto lit = std::find_if(light.rbegin(), light.rend(), [](uint64_t sum) { return sum > 0; });
  EXPECT_LE(static_cast<std::size_t>(lit - light.rbegin()), kMostBlackFramesAtTheEnd)
      << "the launch goes on in the dark";
}

std::string ShellName(const ::testing::TestParamInfo<std::string>& info) {
  return std::filesystem::path(info.param).stem().string();
}

INSTANTIATE_TEST_SUITE_P(EveryShell, ShellFramesTest, ::testing::ValuesIn(testing::ShellFiles()),
                         ShellName);

}  // namespace
}  // namespace kirabel

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

constexpr uint64_t kLastLightShare = 20;  // the last frame: at most 1/20 of the fullest
constexpr std::size_t kMostBlackFramesAtTheEnd = 3;

// The sum of the picture's bytes of every frame of the shell's own launch,
// drawn without anti-aliasing or wrapping.
std::vector<uint64_t> LightOfEveryFrame(const std::string& path) {
  std::vector<uint64_t> light;
  testing::ForEachShellFrame(
      path, [&](const uint8_t*, std::size_t, uint64_t sum) { light.push_back(sum); });
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

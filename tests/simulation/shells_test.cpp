// The ready-made shells of the shell library: well-formed files whose sets
// start from the bottom of a 512 x 512 space, each drawing a picture unlike
// every other at its fullest moment.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "model/options.h"
#include "model/pcl_file.h"
#include "platform/ini_file.h"
#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "simulation/random.h"
#include "simulation/shell_files.h"

namespace kirabel {
namespace {

constexpr int32_t kSpace = 512;
constexpr std::size_t kLeastShells = 32;

using testing::ShellFiles;

bool IsPrintableAscii(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

// Shells with several rising sets look like one shell only when those sets
// fly exactly alike.
bool FliesLike(const ParticleSet& set, const ParticleSet& first) {
  return set.originX == first.originX && set.originY == first.originY && set.speed == first.speed &&
         set.direction == first.direction && set.birthTime == first.birthTime &&
         set.speedSpread == 0 && set.directionSpread == 0;
}

void ExpectWellFormed(const std::string& path) {
  SCOPED_TRACE(path);
  const IniFile ini(path);
  EXPECT_FALSE(ini.ReadString("SHELL", "NAME", "").empty());
  EXPECT_TRUE(IsPrintableAscii(ini.ReadString("SHELL", "NAMEEN", "")));
  EXPECT_TRUE(IsPrintableAscii(ini.ReadString("SHELL", "NAMEROMAJI", "")));
  EXPECT_TRUE(IsPrintableAscii(std::filesystem::path(path).filename().string()));

  const PclContents contents = ReadPclFile(path);
  const ParticleList& sets = contents.sets;
  ASSERT_FALSE(sets.empty());
  std::set<std::string> names;
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const std::string section = "P" + std::to_string(i);
    const int32_t child = ini.ReadInteger(section, "child", -2);
    EXPECT_TRUE(child >= -1 && child < static_cast<int32_t>(sets.size())) << section;
    EXPECT_TRUE(IsPrintableAscii(ini.ReadString(section, "name", ""))) << section;
    EXPECT_TRUE(names.insert(sets[i].name).second) << "two sets named " << sets[i].name;
  }
  const auto first =
      std::find_if(sets.begin(), sets.end(), [](const ParticleSet& set) { return set.visible; });
  ASSERT_NE(first, sets.end());
  EXPECT_EQ(first->originY, kSpace);
  EXPECT_TRUE(first->originX >= 0 && first->originX <= kSpace);
  const auto risingSets =
      std::count_if(sets.begin(), sets.end(), [](const ParticleSet& set) { return set.visible; });
  for (const ParticleSet& set : sets) {
    if (!set.visible) continue;
    // Placed at a moment, a shell starts then, not before.
    EXPECT_EQ(set.birthSpread, 0) << set.name;
    EXPECT_TRUE(risingSets == 1 || FliesLike(set, *first)) << set.name;
  }
  // Well under the count from which a launch asks first, sparks included.
  EXPECT_LT(EstimateParticles(sets).Total(), Options().warningThreshold);
}

// The frame of the shell's own launch with the largest sum of bytes (the
// first on ties), drawn without anti-aliasing or wrapping.
std::vector<uint8_t> FullestPicture(const std::string& path) {
  std::vector<uint8_t> fullest;
  uint64_t largest = 0;
  testing::ForEachShellFrame(path, [&](const uint8_t* bytes, std::size_t size, uint64_t sum) {
    if (fullest.empty() || sum > largest) {
      fullest.assign(bytes, bytes + size);
      largest = sum;
    }
  });
  return fullest;
}

// Whether more than `least` bytes differ by more than a faint glow.
bool DiffersVisibly(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b,
                    std::size_t least) {
  std::size_t different = 0;
  for (std::size_t i = 0; i < a.size() && different <= least; ++i) {
    different += std::abs(a[i] - b[i]) > 24;
  }
  return different > least;
}

TEST(ShellsTest, EveryShellIsAWellFormedLibraryEntry) {
  const std::vector<std::string> files = ShellFiles();
  EXPECT_GE(files.size(), kLeastShells);
  for (const std::string& path : files) ExpectWellFormed(path);
}

TEST(ShellsTest, EveryShellDrawsAPictureUnlikeAnyOther) {
  const std::vector<std::string> files = ShellFiles();
  std::vector<std::vector<uint8_t>> pictures;
  for (const std::string& path : files) {
    pictures.push_back(FullestPicture(path));
    const auto lit = std::count_if(pictures.back().begin(), pictures.back().end(),
                                   [](uint8_t byte) { return byte > 40; });
    EXPECT_GT(lit, 1500) << path << " draws little";
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    for (std::size_t j = i + 1; j < files.size(); ++j) {
      EXPECT_TRUE(DiffersVisibly(pictures[i], pictures[j], pictures[i].size() / 200))
          << files[i] << " looks like " << files[j];
    }
  }
}

}  // namespace
}  // namespace kirabel

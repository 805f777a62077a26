#pragma once
// The ready-made shells of the shell library: the files under shells/ in the
// source tree, in name order.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "model/pcl_file.h"
#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "simulation/random.h"

namespace kirabel::testing {

inline std::vector<std::string> ShellFiles() {
  const std::filesystem::path folder = std::string(KIRABEL_TEST_DATA) + "/../../shells";
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".pcl") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Draws every frame of the shell's own first launch in a 512 x 512 space
// without anti-aliasing or wrapping and hands each picture's bytes and their
// sum to `visit`.
inline void ForEachShellFrame(
    const std::string& path,
    const std::function<void(const uint8_t* bytes, std::size_t size, uint64_t sum)>& visit) {
  constexpr int32_t kSpace = 512;
  const PclContents contents = ReadPclFile(path);
  RandomGenerator random;
  const auto built = Launch::Build(contents.sets, contents.settings, random, INT64_MAX, {});
  Canvas canvas(kSpace, kSpace);
  const uint8_t* bytes = canvas.picture.Bits();
  const std::size_t size = static_cast<std::size_t>(canvas.picture.RowBytes()) * kSpace;
  for (int64_t frame = 1; frame <= FrameCount(contents.settings.frameCount); ++frame) {
    built.launch->DrawFrame(frame, canvas.space, canvas.picture, {false, false});
    visit(bytes, size, std::accumulate(bytes, bytes + size, uint64_t{0}));
  }
}

}  // namespace kirabel::testing

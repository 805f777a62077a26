#pragma once
// The ready-made shells of the shell library: the files under shells/ in the
// source tree, in name order.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

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

}  // namespace kirabel::testing

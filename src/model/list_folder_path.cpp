#include "model/list_folder_path.h"

#include <filesystem>

namespace kirabel {

namespace fs = std::filesystem;

std::string PathStoredInList(const std::string& path, const std::string& listFolder) {
  if (path.empty() || listFolder.empty()) return path;
  const fs::path relative = fs::path(path).lexically_relative(listFolder);
  if (relative.empty() || *relative.begin() == "..") return path;
  return relative.generic_string();
}

std::string PathFromList(const std::string& stored, const std::string& listFolder) {
  if (stored.empty() || fs::path(stored).is_absolute() || listFolder.empty()) return stored;
  return (fs::path(listFolder) / stored).lexically_normal().string();
}

}  // namespace kirabel

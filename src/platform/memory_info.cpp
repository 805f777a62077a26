#include "platform/memory_info.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "platform/errors.h"

namespace kirabel {

namespace {

constexpr uint64_t kUncheckedBytes = uint64_t{16} << 20;

std::optional<uint64_t> availableForTesting;

// "MemAvailable:  123456 kB" of /proc/meminfo.
std::optional<uint64_t> KernelAvailableBytes() {
  std::ifstream meminfo("/proc/meminfo");
  std::string key, unit;
  uint64_t value = 0;
  while (meminfo >> key >> value >> unit) {
    if (key == "MemAvailable:") return value * 1024;
  }
  return std::nullopt;
}

std::optional<uint64_t> ReadNumber(const char* path) {
  std::ifstream file(path);
  uint64_t value = 0;
  if (file >> value) return value;
  return std::nullopt;  // missing, or "max"
}

// What the process's control group (cgroup v2) still allows.
std::optional<uint64_t> ControlGroupRoomBytes() {
  const auto limit = ReadNumber("/sys/fs/cgroup/memory.max");
  const auto used = ReadNumber("/sys/fs/cgroup/memory.current");
  if (!limit || !used) return std::nullopt;
  return *limit > *used ? *limit - *used : 0;
}

}  // namespace

uint64_t PhysicalMemoryBytes() {
#if defined(_SC_PHYS_PAGES) && defined(_SC_PAGESIZE)
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages > 0 && pageSize > 0) {
    return static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
  }
#endif
  return 0;
}

std::optional<uint64_t> AvailableMemoryBytes() {
  if (availableForTesting) return availableForTesting;
  const auto kernel = KernelAvailableBytes();
  const auto group = ControlGroupRoomBytes();
  if (kernel && group) return std::min(*kernel, *group);
  return kernel ? kernel : group;
}

void RequireAvailableMemory(uint64_t bytes) {
  if (bytes < kUncheckedBytes) return;
  const auto available = AvailableMemoryBytes();
  if (available && bytes > *available) throw OutOfMemoryError();
}

void SetAvailableMemoryForTesting(std::optional<uint64_t> bytes) {
  availableForTesting = bytes;
}

}  // namespace kirabel

#include "platform/memory_info.h"

#include <unistd.h>

namespace kirabel {

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

}  // namespace kirabel

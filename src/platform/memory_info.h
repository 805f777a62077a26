#pragma once
// How much memory the machine has, for refusing work that cannot fit.
#include <cstdint>

namespace kirabel {

// Installed physical memory in bytes; 0 when the system does not say.
uint64_t PhysicalMemoryBytes();

}  // namespace kirabel

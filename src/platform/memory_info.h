#pragma once
// How much memory the machine has, for refusing work that cannot fit.
#include <cstdint>
#include <optional>

namespace kirabel {

// Installed physical memory in bytes; 0 when the system does not say.
uint64_t PhysicalMemoryBytes();

// Memory the process can still take without pushing the system into its
// out-of-memory killer: the kernel's estimate of available memory, or what
// is left below the process's control-group limit when that is less.
// Nothing when the system does not say.
std::optional<uint64_t> AvailableMemoryBytes();

// Raises OutOfMemoryError when a buffer of this many bytes would not fit
// into the available memory. Small buffers are not checked.
void RequireAvailableMemory(uint64_t bytes);

// For tests: pretend this much memory is available (nothing: ask the system).
void SetAvailableMemoryForTesting(std::optional<uint64_t> bytes);

}  // namespace kirabel

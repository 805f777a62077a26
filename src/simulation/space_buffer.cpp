#include "simulation/space_buffer.h"

#include <algorithm>
#include <limits>
#include <new>

#include "platform/errors.h"
#include "platform/memory_info.h"

namespace kirabel {

SpaceBuffer::SpaceBuffer(int32_t width, int32_t height) {
  Width_ = std::max(width, 0);
  Height_ = std::max(height, 0);
  const int64_t planeSize = static_cast<int64_t>(Width_) * Height_;
  if (planeSize > std::numeric_limits<int32_t>::max()) throw OutOfMemoryError();
  PlaneSize_ = static_cast<int32_t>(planeSize);
  RequireAvailableMemory(static_cast<uint64_t>(planeSize) * kValuesPerPixel * sizeof(uint16_t));
  try {
    Data_.resize(kValuesPerPixel * static_cast<std::size_t>(PlaneSize_));
  } catch (const std::bad_alloc&) {
    throw OutOfMemoryError();
  }
}

void SpaceBuffer::Clear() {
  std::fill(Data_.begin(), Data_.end(), uint16_t{0});
}

void SpaceBuffer::AddSaturated(const SpaceBuffer& other, int32_t firstRow, int32_t lastRow) {
  const std::size_t from = Offset(0, std::max(firstRow, 0));
  const std::size_t to = Offset(0, std::min(lastRow, Height_));
  for (std::size_t i = from; i < to; ++i) {
    const uint32_t v = uint32_t{Data_[i]} + other.Data_[i];
    Data_[i] = static_cast<uint16_t>(v > 65535u ? 65535u : v);
  }
}

}  // namespace kirabel

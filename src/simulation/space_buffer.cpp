#include "simulation/space_buffer.h"

#include <algorithm>
#include <limits>
#include <new>

#include "platform/errors.h"
#include "platform/memory_info.h"

namespace kirabel {

SpaceBuffer::SpaceBuffer(int32_t width, int32_t height, bool linear) : linear_(linear) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  const int64_t planeSize = static_cast<int64_t>(width_) * height_;
  if (planeSize > std::numeric_limits<int32_t>::max()) throw OutOfMemoryError();
  planeSize_ = static_cast<int32_t>(planeSize);
  Allocate();
}

void SpaceBuffer::Allocate() {
  const std::size_t values = kValuesPerPixel * static_cast<std::size_t>(planeSize_);
  RequireAvailableMemory(values * (linear_ ? sizeof(uint32_t) : sizeof(uint16_t)));
  try {
    if (linear_) {
      linearData_.assign(values, 0);
    } else {
      data_.assign(values, 0);
    }
  } catch (const std::bad_alloc&) {
    throw OutOfMemoryError();
  }
}

void SpaceBuffer::SetLinear(bool linear) {
  if (linear == linear_) return;
  std::vector<uint16_t>().swap(data_);
  std::vector<uint32_t>().swap(linearData_);
  linear_ = linear;
  try {
    Allocate();
  } catch (...) {
    planeSize_ = width_ = height_ = 0;
    throw;
  }
}

void SpaceBuffer::Clear() {
  std::fill(data_.begin(), data_.end(), uint16_t{0});
  std::fill(linearData_.begin(), linearData_.end(), uint32_t{0});
}

void SpaceBuffer::AddSaturated(const SpaceBuffer& other, int32_t firstRow, int32_t lastRow) {
  const std::size_t from = Offset(0, std::max(firstRow, 0));
  const std::size_t to = Offset(0, std::min(lastRow, height_));
  if (linear_) {
    for (std::size_t i = from; i < to; ++i) {
      const uint32_t v = linearData_[i] + other.linearData_[i];
      linearData_[i] = v < linearData_[i] ? UINT32_MAX : v;
    }
    return;
  }
  for (std::size_t i = from; i < to; ++i) {
    const uint32_t v = uint32_t{data_[i]} + other.data_[i];
    data_[i] = static_cast<uint16_t>(v > 65535u ? 65535u : v);
  }
}

}  // namespace kirabel

#pragma once
// Adding a sample's light to the space buffer's pixels: one pixel, or four
// by bilinear weights with anti-aliasing, with or without wrapping at the
// edges. The amounts of the three planes travel packed as r | g << 16 | b << 32.
// The pixels are the classic 16-bit values (saturating at 65535) or, in a
// space in linear mode, the 32-bit ones of film light (saturating at 2^32 - 1);
// the drawing code is written once for both and picks the kind per trail.
#include <cstddef>
#include <cstdint>

#include "simulation/space_buffer.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kirabel {

// The values of a space's pixels: its 16-bit ones or its linear 32-bit ones.
template <class Value>
Value* ValuesOf(SpaceBuffer& space);
template <>
inline uint16_t* ValuesOf<uint16_t>(SpaceBuffer& space) {
  return space.Data();
}
template <>
inline uint32_t* ValuesOf<uint32_t>(SpaceBuffer& space) {
  return space.LinearData();
}

// The space's pixels with its size, for the inner loop.
template <class Value>
struct PixelTarget {
  explicit PixelTarget(SpaceBuffer& space)
      : pixels(ValuesOf<Value>(space)), w(space.Width()), h(space.Height()) {}
  Value* pixels;
  int32_t w;
  int32_t h;
};

// Adds the amounts r | g << 16 | b << 32 to the pixel's values, each
// saturating at 65535.
inline void AddLight(uint16_t* pixel, uint64_t amounts) {
#if defined(__SSE2__)
  const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(pixel));
  const __m128i c = _mm_cvtsi64_si128(static_cast<long long>(amounts));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(pixel), _mm_adds_epu16(v, c));
#else
  for (int i = 0; i < 3; ++i) {
    const uint32_t v = uint32_t{pixel[i]} + static_cast<uint32_t>((amounts >> (16 * i)) & 0xFFFF);
    pixel[i] = static_cast<uint16_t>(v > 65535u ? 65535u : v);
  }
#endif
}

#if defined(__SSE2__)
// Sets the linear pixel's values that wrapped (all ones in wrapped) to 2^32 - 1.
[[gnu::noinline, gnu::cold]] inline void HoldAtLimit(uint32_t* pixel, __m128i wrapped) {
  __m128i* at = reinterpret_cast<__m128i*>(pixel);
  _mm_storeu_si128(at, _mm_or_si128(_mm_loadu_si128(at), wrapped));
}

// Adds the four 32-bit amounts of light to the linear pixel's values, each
// saturating at 2^32 - 1.
inline void AddLight(uint32_t* pixel, __m128i light) {
  __m128i* at = reinterpret_cast<__m128i*>(pixel);
  const __m128i v = _mm_loadu_si128(at);
  _mm_storeu_si128(at, _mm_add_epi32(v, light));
  // A value wraps when it is above 2^32 - 1 - its amount (compared as
  // unsigned numbers by moving both into the signed range). No real frame
  // gets there, so the sum is stored first and only a wrapped one is held
  // at 2^32 - 1 afterwards: the check stays off the path of the sum.
  const __m128i wraps = _mm_cmpgt_epi32(_mm_xor_si128(v, _mm_set1_epi32(INT32_MIN)),
                                        _mm_xor_si128(light, _mm_set1_epi32(INT32_MAX)));
  if (__builtin_expect(_mm_movemask_epi8(wraps) != 0, 0)) HoldAtLimit(pixel, wraps);
}
#endif

// Adds the amounts r | g << 16 | b << 32 to the linear pixel's values, each
// saturating at 2^32 - 1.
inline void AddLight(uint32_t* pixel, uint64_t amounts) {
#if defined(__SSE2__)
  AddLight(pixel, _mm_unpacklo_epi16(_mm_cvtsi64_si128(static_cast<long long>(amounts)),
                                     _mm_setzero_si128()));
#else
  for (int i = 0; i < 3; ++i) {
    const uint32_t amount = static_cast<uint32_t>((amounts >> (16 * i)) & 0xFFFF);
    const uint32_t sum = pixel[i] + amount;
    pixel[i] = sum < amount ? UINT32_MAX : sum;
  }
#endif
}

// (amount x w) >> 16 for each of the three amounts; w <= 65536.
inline uint64_t Weighted(uint64_t amounts, uint32_t w) {
  if (w >= 65536) return amounts;
#if defined(__SSE2__)
  const __m128i c = _mm_cvtsi64_si128(static_cast<long long>(amounts));
  const __m128i weight = _mm_set1_epi16(static_cast<short>(w));
  return static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_mulhi_epu16(c, weight)));
#else
  uint64_t out = 0;
  for (int i = 0; i < 3; ++i) out |= ((((amounts >> (16 * i)) & 0xFFFF) * w) >> 16) << (16 * i);
  return out;
#endif
}

inline int32_t WrapInto(int32_t v, int32_t size) {
  const int32_t m = v % size;
  return m < 0 ? m + size : m;
}

template <class Value>
inline Value* PixelAt(const PixelTarget<Value>& t, int32_t x, int32_t y) {
  return t.pixels + (static_cast<std::size_t>(y) * static_cast<std::size_t>(t.w) +
                     static_cast<std::size_t>(x)) *
                        SpaceBuffer::kValuesPerPixel;
}

// Pixel (x, y) of the target, with kWrap taken modulo its size; null when
// it lies outside (or the target is empty).
template <bool kWrap, class Value>
inline Value* PixelFor(const PixelTarget<Value>& t, int32_t x, int32_t y) {
  if (kWrap) {
    if (t.w <= 0 || t.h <= 0) return nullptr;
    x = WrapInto(x, t.w);
    y = WrapInto(y, t.h);
  } else if (x < 0 || x >= t.w || y < 0 || y >= t.h) {
    return nullptr;
  }
  return PixelAt(t, x, y);
}

template <bool kWrap, class Value>
inline void Plot(const PixelTarget<Value>& t, int32_t x, int32_t y, uint64_t amounts) {
  if (Value* pixel = PixelFor<kWrap>(t, x, y)) AddLight(pixel, amounts);
}

// One sample spread over four pixels by bilinear weights of its 8-bit
// fractions, in the order (ix, iy), (ix + 1, iy), (ix, iy + 1), (ix + 1, iy + 1).
// A weight of 0 adds nothing and is skipped.
template <bool kWrap, class Value>
inline void PlotAntiAliased(const PixelTarget<Value>& t, int32_t px, int32_t py, uint64_t amounts) {
  const int32_t ix = px >> 8;
  const int32_t iy = py >> 8;
  const uint32_t fx = static_cast<uint32_t>(px) & 255u;
  const uint32_t fy = static_cast<uint32_t>(py) & 255u;
  const uint32_t w00 = (256 - fx) * (256 - fy);
  const uint32_t w10 = fx * (256 - fy);
  const uint32_t w01 = (256 - fx) * fy;
  const uint32_t w11 = fx * fy;
  if (!kWrap && ix >= 0 && iy >= 0 && ix < t.w - 1 && iy < t.h - 1) {
    Value* p = PixelAt(t, ix, iy);
    const std::size_t down = static_cast<std::size_t>(t.w) * SpaceBuffer::kValuesPerPixel;
    constexpr std::size_t right = SpaceBuffer::kValuesPerPixel;
    AddLight(p, Weighted(amounts, w00));
    if (w10) AddLight(p + right, Weighted(amounts, w10));
    if (w01) AddLight(p + down, Weighted(amounts, w01));
    if (w11) AddLight(p + down + right, Weighted(amounts, w11));
    return;
  }
  Plot<kWrap>(t, ix, iy, Weighted(amounts, w00));
  if (w10) Plot<kWrap>(t, ix + 1, iy, Weighted(amounts, w10));
  if (w01) Plot<kWrap>(t, ix, iy + 1, Weighted(amounts, w01));
  if (w11) Plot<kWrap>(t, ix + 1, iy + 1, Weighted(amounts, w11));
}

inline uint64_t PackColour(uint64_t r, uint64_t g, uint64_t b) {
  return r | g << 16 | b << 32;
}

// The 24.8 fixed-point form of a coordinate, trunc(v x 256), when it fits
// into 32 bits; false when it does not or is no number.
inline bool ToFixedPoint(long double v, int32_t& out) {
  const long double scaled = v * 256;
  if (!(scaled > -2147483649.0L && scaled < 2147483648.0L)) return false;
  out = static_cast<int32_t>(scaled);
  return true;
}

inline bool ToFixedPoint(double v, int32_t& out) {
  const double scaled = v * 256;
  if (!(scaled > -2147483649.0 && scaled < 2147483648.0)) return false;
  out = static_cast<int32_t>(scaled);
  return true;
}

// Adds one sample at the 24.8 fixed-point position (px, py): with
// kAntiAlias spread over four pixels, else into pixel (px >> 8, py >> 8).
// trailWeight (the sample's share of the full trail light, 0..1) is what a
// star disc would size itself by; points leave it alone.
template <class Value, bool kAntiAlias, bool kWrap>
struct PointPlotter {
  static constexpr bool kSizesSamples = false;

  explicit PointPlotter(const PixelTarget<Value>& target) : target(target) {}
  void operator()(int32_t px, int32_t py, uint64_t amounts, float /*trailWeight*/ = 1) const {
    if (kAntiAlias) {
      PlotAntiAliased<kWrap>(target, px, py, amounts);
    } else {
      Plot<kWrap>(target, px >> 8, py >> 8, amounts);
    }
  }
  PixelTarget<Value> target;
};

// Calls draw with the point plotter of the options' anti-aliasing and
// wrapping into target, so that a whole trail is drawn by code made for them.
template <class Value, class Draw>
void WithPointPlotter(const PixelTarget<Value>& target, bool antiAlias, bool wrap, Draw&& draw) {
  if (antiAlias) {
    if (wrap)
      draw(PointPlotter<Value, true, true>(target));
    else
      draw(PointPlotter<Value, true, false>(target));
  } else if (wrap) {
    draw(PointPlotter<Value, false, true>(target));
  } else {
    draw(PointPlotter<Value, false, false>(target));
  }
}

}  // namespace kirabel

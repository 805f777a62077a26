#pragma once
// The drawing of one particle's classic trail, written once for every way
// its samples reach the space (the plotters of space_plot.h and
// star_disc.h). Each kind of space has its own source file that makes the
// drawing for it (trail.cpp the classic values, linear_trail.cpp and
// disc_trail.cpp film light), so that the compiler treats each like a small
// file of its own and keeps every sample's work inline.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "simulation/trail.h"

namespace kirabel {

class StarDiscs;

// Draws the trail into a space in linear mode as points (linear_trail.cpp)
// or, with a star radius, as discs from discs (disc_trail.cpp).
void DrawLinearTrail(const TrailSet& set, const ParticleState& p, long double t, long double g,
                     const RenderOptions& options, SpaceBuffer& space);
void DrawDiscTrail(const TrailSet& set, const ParticleState& p, long double t, long double g,
                   const RenderOptions& options, const StarDiscs& discs, SpaceBuffer& space);

// Each file that draws trails gets its own copy, which the compiler inlines
// as freely as the file's own functions.
namespace trail_drawing {
namespace {

constexpr long double kInt32Low = -2147483649.0L;  // exclusive bounds of values whose
constexpr long double kInt32High = 2147483648.0L;  // truncation fits into 32 bits
constexpr int64_t kFixedLimit = int64_t{1} << 61;

inline bool FitsInt32(long double v) {
  return v > kInt32Low && v < kInt32High;
}
inline bool FitsInt32(int64_t v) {
  return v >= INT32_MIN && v <= INT32_MAX;
}

// trunc(v) for a v whose truncation fits into 32 bits. With kFisttp the x87
// instruction that truncates by itself is used (SSE3 processors) instead of
// switching the rounding mode around a rounding store.
template <bool kFisttp>
inline int32_t Trunc32(long double v) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  if (kFisttp) {
    int32_t result;
    asm("fisttpl %0" : "=m"(result) : "t"(v) : "st");
    return result;
  }
#endif
  return static_cast<int32_t>(v);
}

inline bool HasFisttp() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  static const bool has = __builtin_cpu_supports("sse3");
  return has;
#else
  return false;
#endif
}

// trunc(v) when |v| < 2^61; false for larger values and NaN.
inline bool TruncFixed(long double v, int64_t& out) {
  if (!(v > -static_cast<long double>(kFixedLimit) && v < static_cast<long double>(kFixedLimit))) {
    return false;
  }
  out = static_cast<int64_t>(v);
  return true;
}

// The samples k in [0, last] whose fixed-point x, px0 + k * dpx, lies in the
// 32-bit range; false when there are none.
inline bool XRange(int64_t px0, int64_t dpx, int64_t last, int64_t& kLo, int64_t& kHi) {
  if (dpx == 0) {
    kLo = 0;
    kHi = last;
    return FitsInt32(px0);
  }
  auto floorDiv = [](int64_t n, int64_t d) {
    const int64_t q = n / d;
    return (n % d != 0 && ((n < 0) != (d < 0))) ? q - 1 : q;
  };
  auto ceilDiv = [](int64_t n, int64_t d) {
    const int64_t q = n / d;
    return (n % d != 0 && ((n < 0) == (d < 0))) ? q + 1 : q;
  };
  const int64_t toLow = int64_t{INT32_MIN} - px0;
  const int64_t toHigh = int64_t{INT32_MAX} - px0;
  kLo = std::max<int64_t>(0, dpx > 0 ? ceilDiv(toLow, dpx) : ceilDiv(toHigh, dpx));
  kHi = std::min<int64_t>(last, dpx > 0 ? floorDiv(toHigh, dpx) : floorDiv(toLow, dpx));
  return kLo <= kHi;
}

// The fixed-point y of a sample at age a: ((a vy + y0) + (g a a) / 2) x 256.
// The scaled form multiplies vy and y0 by 256 and g by 128 beforehand; as
// scaling by a power of two commutes with rounding, it gives the same value
// with two operations fewer per sample. It is used when the scaled factors
// are finite.
struct LiteralY {
  LiteralY(const ParticleState& p, long double g) : vy(p.vy), y0(p.y0), g(g) {}
  long double operator()(long double a) const { return ((a * vy + y0) + (g * a * a) / 2) * 256; }
  long double vy, y0, g;
};

struct ScaledY {
  ScaledY(const ParticleState& p, long double g) : vy(p.vy * 256), y0(p.y0 * 256), g(g * 128) {}
  bool Usable() const { return std::isfinite(vy) && std::isfinite(y0) && std::isfinite(g); }
  long double operator()(long double a) const { return (a * vy + y0) + (g * a) * a; }
  long double vy, y0, g;
};

// Sample k's share of the full trail light, which sizes a star's disc.
struct TrailWeight {
  explicit TrailWeight(int32_t trailSamples)
      : step(trailSamples > 0 ? 1.0f / static_cast<float>(trailSamples) : 0),
        floor(trailSamples == 0 ? 1.0f : 0) {}
  float operator()(int64_t k) const { return static_cast<float>(k) * step + floor; }
  float step, floor;
};

template <class Plotter, bool kFisttp, class YOf>
class TrailDrawer {
 public:
  TrailDrawer(const TrailSet& set, const YOf& yOf, const Plotter& plot)
      : set_(set), yOf_(yOf), plot_(plot), weight_(set.trailSamples) {}

  // Draws the sample k at age a with fixed-point x px (within 32 bits).
  void Sample(int64_t k, long double a, int64_t px) const {
    const long double y = yOf_(a);
    if (!FitsInt32(y)) return;
    const uint64_t amounts = set_.SampleColour(k);
    const int32_t x32 = static_cast<int32_t>(px);
    const int32_t y32 = Trunc32<kFisttp>(y);
    if constexpr (Plotter::kSizesSamples) {
      plot_(x32, y32, amounts, weight_(k));
    } else {
      plot_(x32, y32, amounts);
    }
  }

  // Samples k = kLo .. kHi at ages a_k (accumulated from a_0 = a) while the
  // particle lives. The age moves monotonically, so the living samples form
  // one run: skip to its start, draw until it ends.
  void Run(long double a, long double life, long double dt, int64_t px0, int64_t dpx, int64_t kLo,
           int64_t kHi) const {
    int64_t k = 0;
    for (; k < kLo; ++k) a = a + dt;
    int64_t px = px0 + k * dpx;
    auto next = [&] {
      a = a + dt;
      px += dpx;
      ++k;
    };
    if (dt > 0) {
      while (k <= kHi && a < 0) next();
      for (; k <= kHi && a <= life; next()) Sample(k, a, px);
    } else if (dt < 0) {
      while (k <= kHi && a > life) next();
      for (; k <= kHi && a >= 0; next()) Sample(k, a, px);
    } else if (dt == 0 && a >= 0 && a <= life) {  // every sample at the same age
      for (; k <= kHi; ++k) Sample(k, a, px);
    } else if (dt != dt && k == 0 && a >= 0 && a <= life) {  // NaN: only a_0 is a number
      Sample(0, a, px);
    }
  }

 private:
  const TrailSet& set_;
  const YOf& yOf_;
  const Plotter& plot_;
  TrailWeight weight_;
};

template <bool kFisttp, class Plotter>
void DrawTrailSamples(const TrailSet& set, const ParticleState& p, long double t, long double g,
                      const Plotter& plot) {
  const long double a = (t - p.birth) - set.trailLength;
  const long double life = p.death - p.birth;
  int64_t px0;
  if (!TruncFixed((a * p.vx + p.x0) * 256, px0)) return;
  int64_t dpx = 0;
  int64_t last = set.trailSamples;
  if (!TruncFixed(set.dt * p.vx * 256, dpx)) last = 0;  // no later sample stays in range
  int64_t kLo, kHi;
  if (!XRange(px0, dpx, last, kLo, kHi)) return;
  const ScaledY scaled(p, g);
  if (scaled.Usable()) {
    TrailDrawer<Plotter, kFisttp, ScaledY>(set, scaled, plot)
        .Run(a, life, set.dt, px0, dpx, kLo, kHi);
  } else {
    const LiteralY literal(p, g);
    TrailDrawer<Plotter, kFisttp, LiteralY>(set, literal, plot)
        .Run(a, life, set.dt, px0, dpx, kLo, kHi);
  }
}

// Draws the trail with plot, with the truncation the processor has.
template <class Plotter>
void DrawTrailWith(const TrailSet& set, const ParticleState& p, long double t, long double g,
                   const Plotter& plot) {
  static const bool fisttp = HasFisttp();
  if (fisttp) {
    DrawTrailSamples<true>(set, p, t, g, plot);
  } else {
    DrawTrailSamples<false>(set, p, t, g, plot);
  }
}

}  // namespace
}  // namespace trail_drawing
}  // namespace kirabel

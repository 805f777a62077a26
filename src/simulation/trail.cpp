#include "simulation/trail.h"

#include <cmath>

#include "simulation/space.h"

namespace kirabel {

namespace {

constexpr long double kInt32Low = -2147483649.0L;  // exclusive bounds of values whose
constexpr long double kInt32High = 2147483648.0L;  // truncation fits into 32 bits
constexpr int64_t kFixedLimit = int64_t{1} << 61;

bool FitsInt32(long double v) {
  return v > kInt32Low && v < kInt32High;
}
bool FitsInt32(int64_t v) {
  return v >= INT32_MIN && v <= INT32_MAX;
}

// trunc(v) when |v| < 2^61; false for larger values and NaN.
bool TruncFixed(long double v, int64_t& out) {
  if (!(v > -static_cast<long double>(kFixedLimit) && v < static_cast<long double>(kFixedLimit))) {
    return false;
  }
  out = static_cast<int64_t>(v);
  return true;
}

uint16_t Saturate(uint32_t v) {
  return v > 65535u ? uint16_t{65535} : static_cast<uint16_t>(v);
}

// The three planes of a space with its size, for the inner loop.
struct Target {
  explicit Target(TSpace& space)
      : r(space.Plane(0)),
        g(space.Plane(1)),
        b(space.Plane(2)),
        w(space.Width()),
        h(space.Height()) {}
  uint16_t* r;
  uint16_t* g;
  uint16_t* b;
  int32_t w;
  int32_t h;
};

int32_t WrapInto(int32_t v, int32_t size) {
  const int32_t m = v % size;
  return m < 0 ? m + size : m;
}

template <bool kWrap>
inline void Plot(const Target& t, int32_t x, int32_t y, uint32_t r, uint32_t g, uint32_t b) {
  if (kWrap) {
    if (t.w <= 0 || t.h <= 0) return;
    x = WrapInto(x, t.w);
    y = WrapInto(y, t.h);
  } else if (x < 0 || x >= t.w || y < 0 || y >= t.h) {
    return;
  }
  const std::size_t at =
      static_cast<std::size_t>(y) * static_cast<std::size_t>(t.w) + static_cast<std::size_t>(x);
  t.r[at] = Saturate(t.r[at] + r);
  t.g[at] = Saturate(t.g[at] + g);
  t.b[at] = Saturate(t.b[at] + b);
}

template <bool kWrap>
inline void PlotAntiAliased(const Target& t, int32_t px, int32_t py, uint32_t r, uint32_t g,
                            uint32_t b) {
  const int32_t ix = px >> 8;
  const int32_t iy = py >> 8;
  const uint32_t fx = static_cast<uint32_t>(px) & 255u;
  const uint32_t fy = static_cast<uint32_t>(py) & 255u;
  const uint32_t w[4] = {(256 - fx) * (256 - fy), fx * (256 - fy), (256 - fx) * fy, fx * fy};
  const int32_t dx[4] = {0, 1, 0, 1};
  const int32_t dy[4] = {0, 0, 1, 1};
  for (int i = 0; i < 4; ++i) {
    Plot<kWrap>(t, ix + dx[i], iy + dy[i], (r * w[i]) >> 16, (g * w[i]) >> 16, (b * w[i]) >> 16);
  }
}

// The colour of sample k, colour * k / ns, stepped without dividing.
class ColourRamp {
 public:
  ColourRamp(const uint32_t (&full)[3], int32_t ns) {
    for (int c = 0; c < 3; ++c) {
      if (ns > 0) {
        value_[c] = 0;
        step_[c] = full[c] / static_cast<uint32_t>(ns);
        remStep_[c] = full[c] % static_cast<uint32_t>(ns);
      } else {
        value_[c] = full[c];
        step_[c] = remStep_[c] = 0;
      }
      rem_[c] = 0;
    }
    ns_ = ns > 0 ? static_cast<uint32_t>(ns) : 1;
  }
  uint32_t operator[](int c) const { return value_[c]; }
  void Next() {
    for (int c = 0; c < 3; ++c) {
      value_[c] += step_[c];
      rem_[c] += remStep_[c];
      if (rem_[c] >= ns_) {
        rem_[c] -= ns_;
        ++value_[c];
      }
    }
  }

 private:
  uint32_t value_[3], step_[3], rem_[3], remStep_[3];
  uint32_t ns_;
};

template <bool kAntiAlias, bool kWrap>
void DrawTrailWith(const TrailSet& set, const TParticleState& p, long double t, long double g,
                   const Target& target) {
  if (set.ns < 0) return;
  long double a = (t - p.birth) - set.tv;
  const long double life = p.death - p.birth;
  int64_t px;
  if (!TruncFixed((a * p.vx + p.x0) * 256, px)) return;
  int64_t dpx = 0;
  const bool steps = TruncFixed(set.dt * p.vx * 256, dpx);
  const long double dt = set.dt;
  const bool forward = dt >= 0;
  ColourRamp colour(set.colour, set.ns);
  const int64_t last = set.ns;
  for (int64_t k = 0;; ++k) {
    if (a >= 0 && a <= life) {
      const long double y = ((a * p.vy + p.y0) + (g * a * a) / 2) * 256;
      if (FitsInt32(px) && FitsInt32(y)) {
        const int32_t x32 = static_cast<int32_t>(px);
        const int32_t y32 = static_cast<int32_t>(y);
        if (kAntiAlias) {
          PlotAntiAliased<kWrap>(target, x32, y32, colour[0], colour[1], colour[2]);
        } else {
          Plot<kWrap>(target, x32 >> 8, y32 >> 8, colour[0], colour[1], colour[2]);
        }
      }
    } else if (dt == 0 || (forward ? !(a <= life) : !(a >= 0))) {
      return;  // the age stays or moves further away from the lifetime
    }
    if (k == last || !steps) return;
    a = a + dt;
    px += dpx;
    if ((px > INT32_MAX && dpx >= 0) || (px < INT32_MIN && dpx <= 0)) return;
    colour.Next();
  }
}

}  // namespace

TrailSet::TrailSet(const TParticle& set)
    : tv(set.tv),
      dt(set.ns != 0 ? set.tv / static_cast<long double>(set.ns) : 0),
      ns(set.ns),
      colour{set.colR * 128u, set.colG * 128u, set.colB * 128u} {}

void PlotSample(TSpace& space, bool wrap, int32_t x, int32_t y, uint32_t r, uint32_t g,
                uint32_t b) {
  const Target target(space);
  if (wrap) {
    Plot<true>(target, x, y, r, g, b);
  } else {
    Plot<false>(target, x, y, r, g, b);
  }
}

void DrawTrail(const TrailSet& set, const TParticleState& p, long double t, long double g,
               const RenderOptions& options, TSpace& space) {
  const Target target(space);
  if (options.antiAlias) {
    if (options.wrap) {
      DrawTrailWith<true, true>(set, p, t, g, target);
    } else {
      DrawTrailWith<true, false>(set, p, t, g, target);
    }
  } else if (options.wrap) {
    DrawTrailWith<false, true>(set, p, t, g, target);
  } else {
    DrawTrailWith<false, false>(set, p, t, g, target);
  }
}

}  // namespace kirabel

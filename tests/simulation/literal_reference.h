#pragma once
// A straight, unoptimised reading of the population and frame rules, used to
// check the real implementation on random scenes. It recurses natively,
// divides per sample and keeps 32-bit fixed-point positions, so it only
// suits scenes whose coordinates stay well inside the 32-bit range.
#include <cmath>
#include <cstdint>
#include <vector>

#include "model/particle.h"
#include "simulation/population.h"
#include "simulation/random.h"

namespace kirabel::literal {

struct Launched {
  ParticleSet set;
  std::vector<ParticleState> states;
};

class Population {
 public:
  Population(const ParticleList& list, long double g, RandomGenerator& random)
      : list_(list), g_(g), random_(random) {}

  std::vector<Launched> Build() {
    for (const ParticleSet& s : list_) {
      if (!s.visible) continue;
      std::size_t at = Append(s);
      for (int32_t i = 0; i < s.count; ++i) {
        ParticleState& p = out_[at].states[i];
        long double r1 = RandomFactor(s.birthDistribution, i, s.count, random_);
        p.birth = r1 * s.birthSpread + s.birthTime;
        long double r2 = RandomFactor(s.lifetimeDistribution, i, s.count, random_);
        p.death = (r2 * s.lifetimeSpread + s.lifetime) + p.birth;
        long double r3 = RandomFactor(s.directionDistribution, i, s.count, random_);
        long double theta = r3 * s.directionSpread + s.direction;
        long double r4 = RandomFactor(s.speedDistribution, i, s.count, random_);
        long double sp = r4 * s.speedSpread + s.speed;
        p.vx = std::sin(theta) * (-sp);
        p.vy = std::cos(theta) * (-sp);
        p.x0 = s.originX;
        p.y0 = s.originY;
        if (s.maxGenerations >= 2 && s.child != -1) {
          ParticleState copy = p;
          Burst(s.maxGenerations - 2, s.child, copy);
        }
      }
    }
    return out_;
  }

 private:
  std::size_t Append(const ParticleSet& s) {
    Launched l;
    l.set = s;
    l.states.resize(s.count);
    out_.push_back(l);
    return out_.size() - 1;
  }

  void Burst(int32_t left, int32_t child, const ParticleState& p) {
    long double l = p.death - p.birth;
    long double x = p.vx * l + p.x0;
    long double y = (p.vy * l + p.y0) + (g_ * l * l) / 2;
    long double v = g_ * l + p.vy;
    const long double pi = 3.1415926535897932385L;
    long double dir;
    if (std::fabs(p.vx) >= 0.00001L) {
      dir = std::atan(-v / p.vx) + 3 * pi / 2;
      if (p.vx < 0) dir = dir + pi;
    } else {
      dir = v > 0 ? pi : 0;
    }
    LaunchChildren(left, child, x, y, p.death, dir);
  }

  void LaunchChildren(int32_t left, int32_t childIndex, long double ox, long double oy,
                      long double baseTime, long double baseDir) {
    if (left < 0) return;
    const ParticleSet& c = list_[childIndex];
    std::size_t at = Append(c);
    for (int32_t i = 0; i < c.count; ++i) {
      ParticleState p;
      long double r1 = RandomFactor(c.birthDistribution, i, c.count, random_);
      p.birth = (r1 * c.birthSpread + baseTime) + c.birthTime;
      long double r2 = RandomFactor(c.lifetimeDistribution, i, c.count, random_);
      p.death = (r2 * c.lifetimeSpread + c.lifetime) + p.birth;
      long double r3 = RandomFactor(c.directionDistribution, i, c.count, random_);
      long double theta = r3 * c.directionSpread + (baseDir + c.direction);
      long double r4 = RandomFactor(c.speedDistribution, i, c.count, random_);
      long double sp = r4 * c.speedSpread + c.speed;
      p.vx = std::sin(theta) * (-sp);
      p.vy = std::cos(theta) * (-sp);
      p.x0 = ox;
      p.y0 = oy;
      out_[at].states[i] = p;
      if (c.child != -1) Burst(left - 1, c.child, p);
    }
  }

  const ParticleList& list_;
  long double g_;
  RandomGenerator& random_;
  std::vector<Launched> out_;
};

struct Space {
  Space(int32_t w, int32_t h) : W(w), H(h), data(3 * static_cast<std::size_t>(w) * h, 0) {}
  int32_t W, H;
  std::vector<uint16_t> data;

  void PlotSample(int32_t x, int32_t y, uint32_t r, uint32_t g, uint32_t b, bool wrap) {
    if (wrap) {
      x = ((x % W) + W) % W;
      y = ((y % H) + H) % H;
    } else if (x < 0 || x >= W || y < 0 || y >= H) {
      return;
    }
    const uint32_t c[3] = {r, g, b};
    for (int plane = 0; plane < 3; ++plane) {
      uint16_t& v = data[plane * static_cast<std::size_t>(W) * H + y * W + x];
      if (v >= 65535 - c[plane]) {
        v = 65535;
      } else {
        v = static_cast<uint16_t>(v + c[plane]);
      }
    }
  }
};

inline void RenderFrame(const std::vector<Launched>& list, long double t, long double g, bool aa,
                        bool wrap, Space& space) {
  for (const Launched& l : list) {
    for (const ParticleState& p : l.states) {
      long double a = (t - p.birth) - l.set.trailLength;
      int32_t px = static_cast<int32_t>((a * p.vx + p.x0) * 256);
      long double dt = l.set.trailSamples != 0 ? l.set.trailLength / l.set.trailSamples : 0;
      int32_t dpx = static_cast<int32_t>(dt * p.vx * 256);
      int32_t cr = l.set.red * 128, cg = l.set.green * 128, cb = l.set.blue * 128;
      for (int32_t k = 0; k <= l.set.trailSamples; ++k) {
        if (0 <= a && a <= p.death - p.birth) {
          int32_t py = static_cast<int32_t>(((a * p.vy + p.y0) + (g * a * a) / 2) * 256);
          int32_t r = cr, gc = cg, bc = cb;
          if (l.set.trailSamples != 0) {
            r = cr * k / l.set.trailSamples;
            gc = cg * k / l.set.trailSamples;
            bc = cb * k / l.set.trailSamples;
          }
          int32_t ix = px >> 8, fx = px & 255, iy = py >> 8, fy = py & 255;
          if (!aa) {
            space.PlotSample(ix, iy, r, gc, bc, wrap);
          } else {
            uint32_t w00 = (256 - fx) * (256 - fy), w10 = fx * (256 - fy), w01 = (256 - fx) * fy,
                     w11 = fx * fy;
            space.PlotSample(ix, iy, (r * w00) >> 16, (gc * w00) >> 16, (bc * w00) >> 16, wrap);
            space.PlotSample(ix + 1, iy, (r * w10) >> 16, (gc * w10) >> 16, (bc * w10) >> 16, wrap);
            space.PlotSample(ix, iy + 1, (r * w01) >> 16, (gc * w01) >> 16, (bc * w01) >> 16, wrap);
            space.PlotSample(ix + 1, iy + 1, (r * w11) >> 16, (gc * w11) >> 16, (bc * w11) >> 16,
                             wrap);
          }
        }
        a = a + dt;
        px = px + dpx;
      }
    }
  }
}

}  // namespace kirabel::literal

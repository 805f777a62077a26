#include "simulation/flight_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "simulation/random.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

// A set of one particle without any spread, drawn as a single sample at its
// present position.
ParticleSet OneParticle(long double x, long double y, long double speed, long double direction,
                        long double lifetime, int32_t child, int32_t generations) {
  ParticleSet set = testing::MakeSet(1, child, generations);
  set.originX = x;
  set.originY = y;
  set.speed = speed;
  set.direction = direction;
  set.lifetime = lifetime;
  set.birthTime = 1.5L;
  set.speedSpread = set.directionSpread = set.birthSpread = set.lifetimeSpread = 0;
  set.trailLength = 0;
  set.trailSamples = 0;
  return set;
}

// The pixels a launch of `list` lights at time t.
std::vector<std::pair<int, int>> LitPixels(const ParticleList& list, long double g, long double t) {
  LaunchSettings settings;
  settings.gravity = g;
  RandomGenerator random(7);
  auto launch = Launch::Build(list, settings, random, INT64_MAX, {}).launch;
  testing::Canvas canvas(200, 160);
  launch->DrawAt(t, canvas.space, canvas.picture, {});
  std::vector<std::pair<int, int>> lit;
  for (int y = 0; y < canvas.space.Height(); ++y) {
    for (int x = 0; x < canvas.space.Width(); ++x) {
      if (canvas.space.GetValue(0, x, y) != 0) lit.emplace_back(x, y);
    }
  }
  return lit;
}

// Where the drawn path of set `set` is at time t: the generation alive then.
std::pair<int, int> PathPixel(const ParticleList& list, std::size_t set, long double g,
                              long double t) {
  for (const MeanFlight& flight : FlightsOfSet(list, set, g)) {
    const ParticleState& p = flight.particle;
    if (t < p.birth || t > p.death) continue;
    const SpacePoint at = PositionAtAge(p, t - p.birth, g);
    return {static_cast<int>(std::floor(at.x)), static_cast<int>(std::floor(at.y))};
  }
  return {-1, -1};
}

// A particle launched at the mean values is where the drawn path says, to
// the pixel, in every generation and for a set that is only ever a child.
TEST(FlightPathTest, PathHitsTheLaunchedParticleToThePixel) {
  ParticleSet shell = OneParticle(100.25L, 130.5L, 4.3L, 0.35L, 14, 1, 3);
  ParticleSet star = OneParticle(0, 0, 2.7L, 2.1L, 9, 2, 0);
  star.visible = false;
  ParticleSet spark = OneParticle(0, 0, 1.9L, -0.8L, 6, -1, 0);
  spark.visible = false;
  const ParticleList list = {shell, star, spark};
  struct Case {
    std::size_t set;
    long double g;
    long double t;
  } cases[] = {{0, 0.05L, 1.5L},   {0, 0.05L, 8.3L},  {0, 0.05L, 15.2L}, {1, 0.05L, 17.9L},
               {1, 0.05L, 23.6L},  {2, 0.05L, 28.0L}, {2, 0.05L, 31.1L}, {0, -0.02L, 9.75L},
               {1, -0.02L, 20.5L}, {2, 0.0L, 29.4L}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "set " << c.set << " g " << double(c.g) << " t " << double(c.t));
    const std::vector<std::pair<int, int>> lit = LitPixels(list, c.g, c.t);
    ASSERT_EQ(lit.size(), 1u);
    EXPECT_EQ(lit[0], PathPixel(list, c.set, c.g, c.t));
  }
}

TEST(FlightPathTest, ChainFollowsTheGenerationCountAndEndsAtSetsWithoutParticles) {
  ParticleSet first = OneParticle(10, 10, 1, 0, 5, 1, 3);
  ParticleSet child = OneParticle(0, 0, 1, 0, 5, 1, 0);
  child.visible = false;
  EXPECT_EQ(MeanFlightChain({first, child}, 0, 0).size(), 3u);  // loops on itself
  first.maxGenerations = 1;
  EXPECT_EQ(MeanFlightChain({first, child}, 0, 0).size(), 1u);
  first.maxGenerations = 1000;
  EXPECT_EQ(MeanFlightChain({first, child}, 0, 0).size(), kMaxFlightGenerations);
  child.count = 0;
  EXPECT_EQ(MeanFlightChain({first, child}, 0, 0).size(), 1u);
  EXPECT_TRUE(FlightsOfSet({first, child}, 1, 0).empty());
  EXPECT_TRUE(FlightsOfSet({first, child}, 5, 0).empty());
}

}  // namespace
}  // namespace kirabel

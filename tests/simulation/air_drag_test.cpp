// Stars in air: drag and wind move them by the closed form, children burst
// where and in the direction their parent died, and the drawn flight paths
// follow the same law.
#include <gtest/gtest.h>

#include <cmath>

#include "simulation/flight_path.h"
#include "simulation/particle_motion.h"
#include "simulation/star_frames.h"

namespace kirabel {
namespace {

struct AirCase {
  double drag;
  double wind;
  double gravity;
};

const AirCase kAirCases[] = {{0.2, 3, 0.3}, {0.05, -4, 0.5}, {1.5, 2, 0.2}, {0.3, 0, -0.1}};

// The closed form, written out independently in double precision.
struct Expected {
  double x;
  double y;
};
Expected ClosedForm(const AirCase& air, double x0, double y0, double vx, double vy, double a) {
  const double k = air.drag;
  const double spent = (1 - std::exp(-k * a)) / k;
  const double terminal = air.gravity / k;
  return {x0 + air.wind * a + (vx - air.wind) * spent, y0 + terminal * a + (vy - terminal) * spent};
}

TEST(AirDragTest, AStarFliesTheClosedFormOverALongFlight) {
  const double speed = 12, direction = -1.0;
  const double vx = -std::sin(direction) * speed, vy = -std::cos(direction) * speed;
  for (const AirCase& air : kAirCases) {
    StarEffects effects;
    effects.drag = air.drag;
    const ParticleList list{
        testing::WithEffects(testing::SingleStar(256, 300, speed, direction, 40), effects)};
    LaunchSettings settings;
    settings.gravity = air.gravity;
    settings.wind = air.wind;
    for (const double age : {0.0, 3.0, 7.5, 15.0, 29.0, 39.5}) {
      const auto lit = testing::LitPixels(*testing::FrameAt(list, settings, age));
      ASSERT_EQ(lit.size(), 1u) << air.drag << " at " << age;
      const Expected at = ClosedForm(air, 256, 300, vx, vy, age);
      EXPECT_NEAR(lit[0].x, at.x, 1) << air.drag << " at " << age;
      EXPECT_NEAR(lit[0].y, at.y, 1) << air.drag << " at " << age;
    }
  }
}

TEST(AirDragTest, AFaintDragFliesAlmostAsInAVacuum) {
  ParticleState p;
  p.x0 = 10;
  p.y0 = 20;
  p.vx = 3;
  p.vy = -6;
  const struct {
    long double drag;
    long double within;
  } cases[] = {{1e-30L, 1e-9L}, {1e-12L, 1e-6L}, {1e-5L, 0.2L}};
  for (const auto& c : cases) {
    for (const long double age : {0.5L, 50.0L}) {
      const SpacePoint vacuum = PositionAtAge(p, age, Forces(0.5L, 4));
      const SpacePoint air = PositionAtAge(p, age, Forces(0.5L, 4, c.drag));
      EXPECT_NEAR(static_cast<double>(air.x), static_cast<double>(vacuum.x),
                  static_cast<double>(c.within));
      EXPECT_NEAR(static_cast<double>(air.y), static_cast<double>(vacuum.y),
                  static_cast<double>(c.within))
          << static_cast<double>(c.drag);
    }
  }
}

TEST(AirDragTest, WindActsOnlyThroughDrag) {
  const ParticleList list{testing::SingleStar(100, 200, 5, 1, 30)};
  LaunchSettings still, windy;
  windy.wind = 50;
  EXPECT_EQ(testing::FrameAt(list, still, 12)->Bytes(), testing::FrameAt(list, windy, 12)->Bytes());
}

TEST(AirDragTest, AChildBurstsWhereAndWhereToItsParentDied) {
  for (const AirCase& air : kAirCases) {
    StarEffects effects;
    effects.drag = air.drag;
    ParticleSet parent = testing::SingleStar(200, 300, 10, -0.7L, 6);
    parent.maxGenerations = 2;
    parent.child = 1;
    // The child flies on in the parent's direction at speed 1, in still air.
    ParticleSet child = testing::SingleStar(0, 0, 1, 0, 50);
    const ParticleList list{testing::WithEffects(parent, effects), child};
    LaunchSettings settings;
    settings.gravity = 0;
    settings.wind = air.wind;

    const Forces forces(0, air.wind, air.drag);
    ParticleState p;
    p.death = 6;
    p.x0 = 200;
    p.y0 = 300;
    p.vx = -std::sin(-0.7L) * 10;
    p.vy = -std::cos(-0.7L) * 10;
    const SpacePoint died = PositionAtAge(p, 6, forces);
    const SpacePoint moving = VelocityAtAge(p, 6, forces);
    const long double norm = std::hypot(moving.x, moving.y);
    for (const double after : {0.0, 20.0}) {
      const auto lit = testing::LitPixels(*testing::FrameAt(list, settings, 6 + after));
      ASSERT_EQ(lit.size(), 1u) << air.drag;
      EXPECT_NEAR(lit[0].x, static_cast<double>(died.x + moving.x / norm * after), 1) << air.drag;
      EXPECT_NEAR(lit[0].y, static_cast<double>(died.y + moving.y / norm * after), 1) << air.drag;
    }
  }
}

TEST(AirDragTest, FlightPathsFollowTheLaunch) {
  StarEffects effects;
  effects.drag = 0.4L;
  ParticleSet parent = testing::SingleStar(150, 350, 14, -0.4L, 5);
  parent.maxGenerations = 2;
  parent.child = 1;
  const ParticleList list{testing::WithEffects(parent, effects),
                          testing::WithEffects(testing::SingleStar(0, 0, 6, 0.5L, 10), effects)};
  LaunchSettings settings;
  settings.wind = -3;
  const std::vector<MeanFlight> flights = FlightsOfSet(list, 0, Forces(0.5L, -3));
  ASSERT_EQ(flights.size(), 2u);
  for (const double t : {2.0, 4.5, 9.0, 14.0}) {
    const MeanFlight& flight = t <= 5 ? flights[0] : flights[1];
    const SpacePoint at = PositionAtAge(flight.particle, t - flight.particle.birth, flight.forces);
    const auto lit = testing::LitPixels(*testing::FrameAt(list, settings, t));
    ASSERT_EQ(lit.size(), 1u) << t;
    EXPECT_NEAR(lit[0].x, static_cast<double>(at.x), 1) << t;
    EXPECT_NEAR(lit[0].y, static_cast<double>(at.y), 1) << t;
  }
}

}  // namespace
}  // namespace kirabel

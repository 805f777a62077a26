#include "simulation/set_shaping.h"

#include <gtest/gtest.h>

#include "model/angles.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

// Values go through the limits of the properties dialog's fields.
TEST(SetShapingTest, ValuesAreHeldToTheFieldsLimits) {
  const ParticleSet set = testing::MakeSet();
  const ParticleSet moved = WithOrigin(set, -5, 123456);
  EXPECT_EQ(moved.originX, 0);
  EXPECT_EQ(moved.originY, 9999);
  const ParticleSet launched = WithDirectionAndSpeed(set, DegreesToRadians(-30), -4);
  EXPECT_NEAR(double(RadiansToDegrees(launched.direction)), -30, 1e-7);
  EXPECT_EQ(launched.speed, 0);
  EXPECT_NEAR(double(RadiansToDegrees(WithDirectionSpread(set, 1e12L).directionSpread)), 999999999,
              1e-3);
}

TEST(SetShapingTest, DirectionOfAStepAndSnapping) {
  struct Case {
    long double dx, dy, near, degrees;
  } cases[] = {{0, -1, 0, 0},  {-1, 0, 0, 90},   {0, 1, 0, 180},
               {1, 0, 0, -90}, {1, 0, kPi, 270}, {0, -1, 4 * kPi, 720}};
  for (const Case& c : cases) {
    EXPECT_NEAR(double(RadiansToDegrees(DirectionOfStep(c.dx, c.dy, c.near))), double(c.degrees),
                1e-9);
  }
  EXPECT_EQ(SnappedAngle(DegreesToRadians(37), 15), DegreesToRadians(30));
  EXPECT_EQ(SnappedAngle(DegreesToRadians(-38), 15), DegreesToRadians(-45));
  EXPECT_NEAR(double(AngleBetween(DegreesToRadians(350), DegreesToRadians(10))),
              double(DegreesToRadians(20)), 1e-12);
}

// A click picks the visible set whose origin or mean burst point lies
// nearest, within reach.
TEST(SetShapingTest, PickingTakesTheNearestOriginOrBurstPoint) {
  ParticleSet rocket = testing::StillSet(1, 50, 150);
  rocket.speed = 10;  // straight up, bursts at (50, 50)
  rocket.lifetime = 10;
  rocket.child = 2;
  rocket.maxGenerations = 2;
  ParticleSet other = testing::StillSet(1, 60, 60);
  ParticleSet hidden = testing::StillSet(1, 100, 100);
  hidden.visible = false;
  const ParticleList list = {rocket, other, hidden};
  struct Case {
    long double x, y;
    int expected;
  } cases[] = {{52, 148, 0}, {51, 52, 0}, {58, 58, 1}, {100, 100, -1}, {200, 10, -1}};
  for (const Case& c : cases) {
    const auto picked = PickSet(list, 0, c.x, c.y, 8);
    EXPECT_EQ(picked ? int(*picked) : -1, c.expected) << double(c.x) << "," << double(c.y);
  }
}

}  // namespace
}  // namespace kirabel

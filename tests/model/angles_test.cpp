#include "model/angles.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

// 0 points up, angles grow counter-clockwise on screen (y downwards), and the
// way back gives the direction between -180 and 180 degrees.
TEST(AnglesTest, VelocityAndDirectionRoundTrip) {
  const struct {
    long double degrees, speed, vx, vy, degreesBack;
  } cases[] = {
      {0, 2, 0, -2, 0},
      {90, 1, -1, 0, 90},
      {-90, 1, 1, 0, -90},
      {270, 1, 1, 0, -90},
      {45, 2, -1.41421356237309504880L, -1.41421356237309504880L, 45},
      {170, 1, -0.17364817766693034885L, 0.98480775301220805936L, 170},
      {-170, 0.5, 0.086824088833465174425L, 0.49240387650610402968L, -170},
      {30, -1, 0.5, 0.86602540378443864676L, -150},  // a negative speed turns round
  };
  for (const auto& c : cases) {
    const Velocity v = VelocityFromDirection(DegreesToRadians(c.degrees), c.speed);
    EXPECT_NEAR(double(v.x), double(c.vx), 1e-15) << double(c.degrees);
    EXPECT_NEAR(double(v.y), double(c.vy), 1e-15) << double(c.degrees);
    EXPECT_NEAR(double(RadiansToDegrees(DirectionOfVelocity(v.x, v.y))), double(c.degreesBack),
                1e-12)
        << double(c.degrees);
  }
}

}  // namespace
}  // namespace kirabel

// Motion in steps: a point stepped many times stays on the closed form, in
// a vacuum, in air, in a faint and in a strong drag, in small and large steps.
#include "simulation/motion_step.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kirabel {
namespace {

void ExpectNear(double stepped, long double exact, const char* what) {
  const double scale = std::max(1.0, std::fabs(static_cast<double>(exact)));
  EXPECT_NEAR(stepped, static_cast<double>(exact), 1e-9 * scale) << what;
}

TEST(MotionStepTest, SteppedPointsStayOnTheClosedForm) {
  ParticleState p;
  p.x0 = 120;
  p.y0 = 300;
  p.vx = 7;
  p.vy = -11;
  const Forces airs[] = {Forces(0.3L), Forces(0.3L, 3, 0.2L), Forces(0.5L, 4, 1e-12L),
                         Forces(0.1L, -2, 5)};
  const struct {
    double from;
    double step;
  } runs[] = {{0, 0.05}, {10, 0.01}, {1.5, 0.7}};
  for (const Forces& air : airs) {
    for (const auto& run : runs) {
      SCOPED_TRACE(static_cast<double>(air.drag));
      const MotionStep step(air, run.step);
      ASSERT_TRUE(step.usable);
      MovingPoint point = PointAtAge(p, run.from, air);
      for (int n = 1; n <= 200; ++n) {
        point.Advance(step);
        const long double age = run.from + n * static_cast<long double>(run.step);
        const SpacePoint at = PositionAtAge(p, age, air);
        const SpacePoint velocity = VelocityAtAge(p, age, air);
        ExpectNear(point.x, at.x, "x");
        ExpectNear(point.y, at.y, "y");
        ExpectNear(point.airX, velocity.x - (air.HasDrag() ? air.wind : 0), "vx");
        ExpectNear(point.vy, velocity.y, "vy");
      }
    }
  }
}

TEST(MotionStepTest, AStepBeyondTheNumbersIsRefused) {
  EXPECT_FALSE(MotionStep(Forces(0.1L, 1, 0.5L), HUGE_VAL).usable);
  EXPECT_FALSE(MotionStep(Forces(0.1L), std::nan("")).usable);
  EXPECT_TRUE(MotionStep(Forces(0.1L, 1, 1e300L), 1).usable);  // the air stops it at once
}

}  // namespace
}  // namespace kirabel

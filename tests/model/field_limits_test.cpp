#include "model/field_limits.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/angles.h"
#include "model/launch_limits.h"
#include "model/set_number_limits.h"

namespace kirabel {
namespace {

TEST(FieldLimitsTest, ValuesAreHeldAsTheirFieldWouldHoldThem) {
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const struct {
    long double value;
    FieldLimits limits;
    long double held;
  } cases[] = {
      {1e12L, {9, true, -1}, 999999999},
      {-1e12L, {9, true, -1}, -999999999},
      {-1e12L, {9, false, -1}, 999999999},  // without negatives, the magnitude
      {-12.5L, {9, false, -1}, 12.5L},
      {12345.678L, {4, false, -1}, 9999},
      {1234.5678L, {4, false, -1}, 1234.5678L},  // the decimals stay as written
      {1e-9L, {9, true, -1}, 0},                 // below the smallest place shown
      {2e-8L, {9, true, -1}, 2e-8L},
      {1e6L, {5, true, 2}, 999.99L},
      {0.004L, {5, true, 2}, 0},
      {nan, {9, true, -1}, 0},
      {1e12L, {0, true, -1}, 9},  // digits out of range count as the nearest valid
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HeldWithinLimits(c.value, c.limits), c.held)
        << static_cast<double>(c.value) << " in " << c.limits.digits << " digits";
  }
}

// Directions are held in degrees, as their fields show them.
TEST(FieldLimitsTest, SetNumbersAreHeldAsTheirFieldsShowThem) {
  EXPECT_EQ(RowOf(SetNumber::kLifetime).number, SetNumber::kLifetime);
  EXPECT_NEAR(double(RadiansToDegrees(StoredWithinLimits(SetNumber::kDirectionSpread, 1e12L))),
              999999999, 1e-3);
  EXPECT_EQ(StoredWithinLimits(SetNumber::kOriginY, 123456), 9999);
  EXPECT_EQ(StoredWithinLimits(SetNumber::kLifetime, -6), 6);
  EXPECT_EQ(StoredWithinLimits(SetNumber::kBirthTime, -4), -4);
}

TEST(FieldLimitsTest, LaunchSettingsStartWithTheirDefaults) {
  const LaunchSettings defaults;
  EXPECT_EQ(LaunchSettingLimits(LaunchSetting::kGravity).initial, defaults.gravity);
  LaunchSettings far;
  far.startTime = -1e15L;
  far.frameInterval = -2;
  const LaunchSettings held = WithinLaunchLimits(far);
  EXPECT_EQ(held.startTime, -999999999);
  EXPECT_EQ(held.frameInterval, 2);
}

}  // namespace
}  // namespace kirabel

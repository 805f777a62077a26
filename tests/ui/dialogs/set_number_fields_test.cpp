// The properties dialog's number fields, shaping by handles and timing by
// the timeline all hold a set's numbers to the one table of limits.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

#include "model/set_number_limits.h"
#include "simulation/set_shaping.h"
#include "simulation/set_timing.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/widgets/numeric_field.h"
#include "ui_support/child_widget.h"

namespace kirabel {
namespace {

TEST(SetNumberFieldsTest, EveryFieldTakesItsLimitsAndStartingValueFromTheTable) {
  const struct {
    SetNumber number;
    const char* field;
  } fields[] = {
      {SetNumber::kCount, "countEdit"},
      {SetNumber::kOriginX, "originXEdit"},
      {SetNumber::kOriginY, "originYEdit"},
      {SetNumber::kSpeed, "speedEdit"},
      {SetNumber::kSpeedSpread, "speedSpreadEdit"},
      {SetNumber::kDirection, "directionEdit"},
      {SetNumber::kDirectionSpread, "directionSpreadEdit"},
      {SetNumber::kBirthTime, "birthTimeEdit"},
      {SetNumber::kBirthSpread, "birthSpreadEdit"},
      {SetNumber::kLifetime, "lifetimeEdit"},
      {SetNumber::kLifetimeSpread, "lifetimeSpreadEdit"},
      {SetNumber::kTrailLength, "trailLengthEdit"},
      {SetNumber::kTrailSamples, "trailSamplesEdit"},
      {SetNumber::kMaxGenerations, "maxGenerationsEdit"},
  };
  ASSERT_EQ(std::size(fields), std::size(kSetNumberRows));
  ParticleSetDialog dialog;
  for (const auto& f : fields) {
    const NumericField* field = testing::Child<NumericField>(dialog, f.field);
    const FieldLimits limits = LimitsOf(f.number);
    EXPECT_EQ(field->maxDigits(), limits.digits) << f.field;
    EXPECT_EQ(field->allowNegative(), limits.negatives) << f.field;
    EXPECT_EQ(field->fixedDecimals(), limits.decimals) << f.field;
    EXPECT_EQ(field->value(), limits.initial) << f.field;
  }
}

// Whatever value shaping or timing gives a number, the set comes out as the
// dialog would store it after showing that value.
TEST(SetNumberFieldsTest, ShapingAndTimingHoldNumbersAsTheDialogDoes) {
  ParticleSetDialog dialog;
  for (const long double value : {1e12L, -1e12L, 12345.678L, 1234.5678L, -3.5L, 1e-12L, 0.0L}) {
    const long double magnitude = std::fabs(value);  // shaping stops at 0 where no sign is taken
    ParticleSet set;
    set.originX = set.originY = set.speed = magnitude;
    set.direction = set.directionSpread = set.birthTime = set.lifetime = value;
    dialog.setParticleSet(set);
    const ParticleSet stored = dialog.particleSet();

    const ParticleSet moved = WithOrigin(set, magnitude, magnitude);
    EXPECT_EQ(moved.originX, stored.originX) << double(value);
    EXPECT_EQ(moved.originY, stored.originY) << double(value);
    const ParticleSet pointed = WithDirectionAndSpeed(set, value, magnitude);
    EXPECT_EQ(pointed.direction, stored.direction) << double(value);
    EXPECT_EQ(pointed.speed, stored.speed) << double(value);
    EXPECT_EQ(WithDirectionSpread(set, value).directionSpread, stored.directionSpread)
        << double(value);
    const ParticleSet timed = WithTiming(set, value, value);
    EXPECT_EQ(timed.birthTime, stored.birthTime) << double(value);
    EXPECT_EQ(timed.lifetime, stored.lifetime) << double(value);
  }
}

}  // namespace
}  // namespace kirabel

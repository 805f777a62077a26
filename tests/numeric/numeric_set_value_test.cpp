// Writing Value and the properties at run time.
#include <gtest/gtest.h>

#include <limits>

#include "numeric/numeric_test_field.h"

namespace kirabel {
namespace {

using testing::Field;
using testing::Props;

TEST(NumericSetValueTest, TooLargeValuesClampToTheLargestTheFieldHolds) {
  Field f;
  f.entry.SetValue(1e12L);
  EXPECT_EQ(f.Text(), "999,999,999");
  EXPECT_EQ(f.entry.Value(), 999999999);
  EXPECT_EQ(f.entry.DigitCount(), 9);
  f.entry.SetValue(-1e12L);
  EXPECT_EQ(f.Text(), "-999,999,999");
  f.entry.SetValue(std::numeric_limits<long double>::infinity());
  EXPECT_EQ(f.Text(), "999,999,999");
  f.entry.SetValue(999999998.4L);
  EXPECT_EQ(f.Text(), "999,999,998");

  Field fixed(Props(4, true, 2, false));
  fixed.entry.SetValue(12345);
  EXPECT_EQ(fixed.Text(), "99.99");
  EXPECT_EQ(fixed.entry.Value(), 99.99L);
  EXPECT_TRUE(fixed.entry.PointEntered());
}

TEST(NumericSetValueTest, TinyValuesShowTheZeroForm) {
  Field f;
  f.entry.SetValue(1e-9L);
  EXPECT_EQ(f.Text(), "");
  EXPECT_EQ(f.entry.Value(), 0);
  f.entry.SetValue(-1e-12L);
  EXPECT_EQ(f.Text(), "-");  // the negative zero form
  EXPECT_TRUE(f.entry.IsNegative());
  f.entry.SetValue(1e-8L);
  EXPECT_EQ(f.Text(), "0.00000001");

  // With fixed places a tiny value keeps the point: it shows as 0.00.
  Field fixed(Props(9, true, 2, true));
  fixed.entry.SetValue(0.004L);
  EXPECT_EQ(fixed.Text(), "0.00");
  EXPECT_EQ(fixed.entry.Value(), 0);
  EXPECT_TRUE(fixed.entry.PointEntered());
  fixed.entry.SetValue(-0.004L);
  EXPECT_EQ(fixed.Text(), "-0.00");
  fixed.entry.SetValue(0.01L);
  EXPECT_EQ(fixed.Text(), "0.01");
  fixed.entry.SetValue(0);  // an exact zero shows the zero form
  EXPECT_EQ(fixed.Text(), "0");
  fixed.entry.SetValue(std::numeric_limits<long double>::quiet_NaN());
  EXPECT_EQ(fixed.Text(), "0");
}

TEST(NumericSetValueTest, AFieldWithoutNegativesTakesTheMagnitudeFirst) {
  constexpr uint32_t kRed = 0xFFFF0000;
  Field f(Props(9, false, -1, false));
  f.entry.SetNegativeColor(kRed);
  f.entry.SetValue(-5);
  EXPECT_EQ(f.Text(), "5");
  EXPECT_FALSE(f.entry.IsNegative());
  EXPECT_EQ(f.host.colors.back(), kDefaultTextColor);  // in the normal colour
  EXPECT_EQ(f.Type("3").Text(), "53");
  f.entry.SetValue(-1e12L);
  EXPECT_EQ(f.Text(), "999,999,999");
  f.entry.SetValue(-1e-12L);
  EXPECT_EQ(f.Text(), "");
  EXPECT_FALSE(f.entry.IsNegative());
  EXPECT_EQ(f.Type("4").Text(), "4");
}

TEST(NumericSetValueTest, ValuesShowRoundedAtTheShownPlacesWithinMaxDigits) {
  Field integer(Props(9, true, 0, false));
  integer.entry.SetValue(2.5L);
  EXPECT_EQ(integer.Text(), "3");
  EXPECT_EQ(integer.entry.Value(), 2.5L);

  Field fixed(Props(9, true, 2, false));
  fixed.entry.SetValue(3);
  EXPECT_EQ(fixed.Text(), "3.00");
  EXPECT_EQ(fixed.entry.DigitCount(), 3);
  fixed.entry.SetValue(-0.125L);
  EXPECT_EQ(fixed.Text(), "-0.13");

  Field free4(Props(4, true, -1, false));
  free4.entry.SetValue(1.23456L);
  EXPECT_EQ(free4.Text(), "1.235");
  EXPECT_EQ(free4.entry.DecimalCount(), 3);
  EXPECT_TRUE(free4.entry.PointEntered());
  free4.entry.SetValue(1234.5L);  // the integer part fills the field: it shows alone
  EXPECT_EQ(free4.Text(), "1,235");
  EXPECT_EQ(free4.entry.DecimalCount(), 0);
  EXPECT_EQ(free4.entry.DigitCount(), 4);
  EXPECT_TRUE(free4.entry.PointEntered());  // no point shows in a full field
  free4.entry.SetValue(0.25L);
  EXPECT_EQ(free4.Text(), "0.25");
  EXPECT_EQ(free4.entry.DigitCount(), 3);
}

// The digits of "0.##############", cut to maxDigits (and to the fixed
// places), decide the counts; rounding happens only in the shown text.
TEST(NumericSetValueTest, DigitCountsComeFromTheCutDigitsOfTheValue) {
  Field free4(Props(4, true, -1, false));
  free4.entry.SetValue(99.996L);  // two decimals fit; they round up
  EXPECT_EQ(free4.Text(), "100.00");
  EXPECT_EQ(free4.entry.DigitCount(), 4);
  EXPECT_EQ(free4.entry.DecimalCount(), 2);
  free4.entry.SetValue(1.00004L);  // the fraction cut to 1.000 is all zeros
  EXPECT_EQ(free4.Text(), "1.");
  EXPECT_TRUE(free4.entry.PointEntered());
  EXPECT_EQ(free4.entry.DecimalCount(), 0);
  EXPECT_EQ(free4.entry.DigitCount(), 1);

  Field fixed(Props(9, true, 2, false));
  fixed.entry.SetValue(3.456L);
  EXPECT_EQ(fixed.Text(), "3.46");
  EXPECT_EQ(fixed.entry.DigitCount(), 3);
  fixed.entry.SetValue(3.001L);  // the cut zeros stay among the digits
  EXPECT_EQ(fixed.Text(), "3.00");
  EXPECT_EQ(fixed.entry.DigitCount(), 5);

  Field integer(Props(4, true, 0, false));
  integer.entry.SetValue(12.75L);  // the point and fraction count as well
  EXPECT_EQ(integer.Text(), "13");
  EXPECT_EQ(integer.entry.DigitCount(), 5);
  EXPECT_FALSE(integer.entry.PointEntered());
}

TEST(NumericPropertyWriteTest, MaxDigitsOutsideItsRangeIsIgnored) {
  Field f(Props(9, true, 3, false), 123456.5L);
  f.entry.SetMaxDigits(0);
  f.entry.SetMaxDigits(16);
  f.entry.SetMaxDigits(3);  // not above fixedDecimals
  EXPECT_EQ(f.entry.Properties().maxDigits, 9);
  EXPECT_EQ(f.Text(), "123,456.500");
  f.entry.SetMaxDigits(5);
  EXPECT_EQ(f.Text(), "99.999");
  EXPECT_EQ(f.entry.Value(), 99.999L);
}

TEST(NumericPropertyWriteTest, MaxDigitsSetsTheValueAgainOnlyWhenItIsTooLong) {
  Field f(Props(4, true, -1, false), 1.23456L);
  EXPECT_EQ(f.Text(), "1.235");
  f.entry.SetMaxDigits(9);  // six digits fit: the text stays as it was
  EXPECT_EQ(f.Text(), "1.235");
  EXPECT_EQ(f.entry.DigitCount(), 4);
  f.entry.SetMaxDigits(5);  // too long now: set again within five digits
  EXPECT_EQ(f.Text(), "1.2346");
  EXPECT_EQ(f.entry.Value(), 1.23456L);

  Field fixed(Props(4, true, 2, false), 12);  // written as 1200 with its places
  fixed.entry.SetMaxDigits(3);
  EXPECT_EQ(fixed.Text(), "9.99");
}

TEST(NumericPropertyWriteTest, FixDecimalCutsTheValue) {
  Field f(Props(9, true, -1, false), -2.678L);
  f.entry.SetFixedDecimals(2);
  EXPECT_EQ(f.entry.Value(), -2.67L);
  EXPECT_EQ(f.Text(), "-2.67");
  f.entry.SetFixedDecimals(0);
  EXPECT_EQ(f.entry.Value(), -2);
  f.entry.SetFixedDecimals(20);
  EXPECT_EQ(f.entry.Properties().fixedDecimals, 8);
  EXPECT_EQ(f.Text(), "-2.00000000");
  f.entry.SetFixedDecimals(-5);  // free decimals: stored only
  EXPECT_EQ(f.entry.Properties().fixedDecimals, -1);
  EXPECT_EQ(f.Text(), "-2.00000000");
  f.entry.SetValue(-2);
  EXPECT_EQ(f.Text(), "-2");
}

TEST(NumericPropertyWriteTest, DisplayPropertiesRenderAtOnce) {
  Field f(Props(9, true, -1, false), -1234.5L);
  f.entry.SetThousandsSeparators(false);
  EXPECT_EQ(f.Text(), "-1234.5");
  f.entry.SetPrefixChar(U'€');
  EXPECT_EQ(f.Text(), "€-1234.5");
  EXPECT_EQ(f.entry.Value(), -1234.5L);
  f.entry.SetPrefixChar(U'\0');
  EXPECT_EQ(f.Text(), "-1234.5");
  f.entry.SetPrefixChar(U'$');
  f.entry.SetValue(0);
  EXPECT_EQ(f.Text(), "");
  f.entry.SetShowZero(true);
  EXPECT_EQ(f.Text(), "$0");
  f.Type("-");
  EXPECT_EQ(f.Text(), "$-0");
  f.entry.SetAllowNegative(false);  // the lone sign goes too: no digit can make it negative
  EXPECT_EQ(f.Text(), "$0");
  EXPECT_FALSE(f.entry.IsNegative());
  f.entry.SetValue(-7);
  EXPECT_EQ(f.Text(), "$7");
}

// Setters after creation, in any order, leave the field exactly as one
// created with the final properties (as the dialogs configure theirs).
TEST(NumericPropertyWriteTest, SettersEndAsAFieldCreatedWithTheProperties) {
  struct Case {
    NumericProperties props;
    long double value;
  };
  const Case cases[] = {{Props(4, false, -1, true), 256},    {Props(9, false, 0, false), 200.7L},
                        {Props(9, true, -1, true), -0.5L},   {Props(4, false, 0, true), -12345},
                        {Props(3, true, 2, false), 12.345L}, {Props(15, true, 14, true), 0.1L}};
  for (const Case& c : cases) {
    Field loaded(c.props, c.value);
    Field set;
    set.entry.SetValue(c.value);
    set.entry.SetFixedDecimals(-1);
    set.entry.SetMaxDigits(c.props.maxDigits);
    set.entry.SetFixedDecimals(c.props.fixedDecimals);
    set.entry.SetAllowNegative(c.props.allowNegative);
    set.entry.SetShowZero(c.props.showZero);
    set.entry.SetValue(c.value);
    EXPECT_EQ(set.Text(), loaded.Text()) << loaded.Text();
    EXPECT_EQ(set.entry.Value(), loaded.entry.Value()) << loaded.Text();
    EXPECT_EQ(set.entry.DigitCount(), loaded.entry.DigitCount()) << loaded.Text();
    EXPECT_EQ(set.entry.DecimalCount(), loaded.entry.DecimalCount()) << loaded.Text();
    EXPECT_EQ(set.entry.PointEntered(), loaded.entry.PointEntered()) << loaded.Text();
    EXPECT_EQ(set.entry.IsNegative(), loaded.entry.IsNegative()) << loaded.Text();
  }
}

}  // namespace
}  // namespace kirabel

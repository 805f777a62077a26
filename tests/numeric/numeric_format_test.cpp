#include "numeric/numeric_format.h"

#include <gtest/gtest.h>

#include <limits>

#include "numeric/numeric_decimal.h"

namespace kirabel {
namespace {

TEST(NumericFormatTest, FixedRoundsHalfAwayFromZeroAtTheShownPlaces) {
  EXPECT_EQ(FormatFixed(2.5L, 0, 0), "3");
  EXPECT_EQ(FormatFixed(-2.5L, 0, 0), "-3");
  EXPECT_EQ(FormatFixed(0.125L, 0, 2), "0.13");
  EXPECT_EQ(FormatFixed(1.005L, 0, 2), "1.01");  // 1.00499999... in binary
  EXPECT_EQ(FormatFixed(9.995L, 0, 2), "10.00");
  EXPECT_EQ(FormatFixed(0.29L, 0, 2), "0.29");
  EXPECT_EQ(FormatFixed(12.0L, 0, 3), "12.000");
  EXPECT_EQ(FormatFixed(0.4L, 0, 0), "0");
  EXPECT_EQ(FormatFixed(0, 0, 0), "0");
}

TEST(NumericFormatTest, NoMinusSignWhenTheRoundedNumberIsZero) {
  EXPECT_EQ(FormatFixed(-0.004L, 0, 2), "0.00");
  EXPECT_EQ(FormatFixed(-0.0L, 0, 1), "0.0");
  EXPECT_EQ(FormatFixed(-0.005L, 0, 2), "-0.01");
}

TEST(NumericFormatTest, WidthPadsOnTheJustifiedSide) {
  EXPECT_EQ(FormatFixed(12, 5, 0), "   12");
  EXPECT_EQ(FormatFixed(12, 5, 0, Justify::kLeft), "12   ");
  EXPECT_EQ(FormatFixed(123456, 3, 0), "123456");
  EXPECT_EQ(FormatNumber(1234, 8, 0), "   1,234");
}

TEST(NumericFormatTest, NumberGroupsThousandsOfTheIntegerPartOnly) {
  EXPECT_EQ(FormatNumber(1234.5L, 0, 1), "1,234.5");
  EXPECT_EQ(FormatNumber(-999999999, 0, 0), "-999,999,999");
  EXPECT_EQ(FormatNumber(123, 0, 0), "123");
  EXPECT_EQ(FormatNumber(1000000, 0, 2), "1,000,000.00");
  EXPECT_EQ(FormatNumber(0.123456L, 0, 6), "0.123456");
  EXPECT_EQ(FormatNumber(999.9996L, 0, 3), "1,000.000");
}

TEST(NumericFormatTest, PlainShowsUpToFourteenDecimalsWithoutTrailingZeros) {
  EXPECT_EQ(FormatPlain(3), "3");
  EXPECT_EQ(FormatPlain(0.5L), "0.5");
  EXPECT_EQ(FormatPlain(-12.25L), "-12.25");
  EXPECT_EQ(FormatPlain(1e12L), "1000000000000");
  EXPECT_EQ(FormatPlain(1e-15L), "0");
  EXPECT_EQ(FormatPlain(0.123456789012345678L), "0.12345678901235");
  EXPECT_EQ(FormatPlain(0.1L + 0.2L), "0.3");
}

TEST(NumericFormatTest, NonFiniteValuesHaveWords) {
  const long double inf = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(FormatFixed(inf, 0, 2), "INF");
  EXPECT_EQ(FormatNumber(-inf, 0, 0), "-INF");
  EXPECT_EQ(FormatPlain(std::numeric_limits<long double>::quiet_NaN()), "NAN");
}

TEST(NumericFormatTest, HugeAndTinyValuesFormatCompletely) {
  EXPECT_EQ(FormatFixed(1e30L, 0, 0), "1000000000000000000000000000000");
  EXPECT_EQ(FormatFixed(1e-30L, 0, 3), "0.000");
  EXPECT_EQ(FormatFixed(std::numeric_limits<long double>::max(), 0, 0).size(), 4933u);
}

TEST(NumericDecimalTest, TruncateCutsTheDecimalDigitsKeepingTheSign) {
  EXPECT_EQ(TruncateToPlaces(2.678L, 2), 2.67L);
  EXPECT_EQ(TruncateToPlaces(-2.678L, 2), -2.67L);
  EXPECT_EQ(TruncateToPlaces(0.29L, 2), 0.29L);  // not 0.28 from 0.28999...
  EXPECT_EQ(TruncateToPlaces(2.999L, 0), 2.0L);
  EXPECT_EQ(TruncateToPlaces(-0.5L, 0), 0.0L);
  EXPECT_EQ(PowerOfTen(3), 1000.0L);
  EXPECT_EQ(PowerOfTen(-2), 0.01L);
}

}  // namespace
}  // namespace kirabel

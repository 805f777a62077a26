#include "platform/ini_values.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kirabel {
namespace {

TEST(IniValuesTest, IntegersReadDecimalAndBothHexForms) {
  EXPECT_EQ(ParseIniInteger("0x10"), 16);
  EXPECT_EQ(ParseIniInteger("0X1f"), 31);
  EXPECT_EQ(ParseIniInteger("$FF"), 255);
  EXPECT_EQ(ParseIniInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseIniInteger("0x7FFFFFFF"), 2147483647);
  EXPECT_EQ(ParseIniInteger("  -12"), -12);
  EXPECT_EQ(ParseIniInteger("+5"), 5);
  EXPECT_EQ(ParseIniInteger("007"), 7);
  EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseIniInteger("-2147483648"), INT32_MIN);
}

TEST(IniValuesTest, IntegersOutsideTheFormsOrRangeAreRejected) {
  for (const char* bad : {"", "abc", "12a", "0x", "$", "0xG", "$-1", "2147483648", "-2147483649",
                          "0x100000000", "99999999999999999999", "- 5", "1.0"}) {
    EXPECT_EQ(ParseIniInteger(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(FormatIniInteger(-42), "-42");
  EXPECT_EQ(FormatIniInteger(0), "0");
}

TEST(IniValuesTest, RealsAreWrittenWithFifteenDigitsAndThreeExponentDigits) {
  EXPECT_EQ(FormatIniReal(256), "2.56000000000000E+002");
  EXPECT_EQ(FormatIniReal(0.5L), "5.00000000000000E-001");
  EXPECT_EQ(FormatIniReal(0), "0.00000000000000E+000");
  EXPECT_EQ(FormatIniReal(-1.5L), "-1.50000000000000E+000");
  EXPECT_EQ(FormatIniReal(1.0L / 3), "3.33333333333333E-001");
  EXPECT_EQ(FormatIniReal(2.0L / 3), "6.66666666666667E-001");
  EXPECT_EQ(FormatIniReal(0.9999999999999996L), "1.00000000000000E+000");
  EXPECT_EQ(FormatIniReal(1e-5L), "1.00000000000000E-005");
  EXPECT_EQ(FormatIniReal(1e300L), "1.00000000000000E+300");
  EXPECT_EQ(FormatIniReal(1e4000L), "1.00000000000000E+4000");
}

TEST(IniValuesTest, RealsAreReadStrictlyAndRoundedCorrectly) {
  EXPECT_EQ(ParseIniReal("256"), 256.0L);
  EXPECT_EQ(ParseIniReal("  1.5"), 1.5L);
  EXPECT_EQ(ParseIniReal("-2.5e3"), -2500.0L);
  EXPECT_EQ(ParseIniReal(".5"), 0.5L);
  EXPECT_EQ(ParseIniReal("5."), 5.0L);
  EXPECT_EQ(ParseIniReal("1E+002"), 100.0L);
  EXPECT_EQ(ParseIniReal("0.1"), std::strtold("0.1", nullptr));
  EXPECT_EQ(ParseIniReal("3.33333333333333E-001"), std::strtold("0.333333333333333", nullptr));
  const auto tiny = ParseIniReal("1e-5000");  // underflow is a value, not an error
  ASSERT_TRUE(tiny.has_value());
  EXPECT_EQ(*tiny, 0.0L);
  for (const char* bad : {"", "abc", "1e", "1e+", "1,5", "1.5x", "0x10", ".", "-", "inf", "nan",
                          "1e5000", "-1e5000", "1 2", "+-1"}) {
    EXPECT_EQ(ParseIniReal(bad), std::nullopt) << bad;
  }
}

TEST(IniValuesTest, WrittenRealsReadBackAsTheirFifteenDigitValue) {
  for (long double value : {1.0L / 3, 256.0L, -0.1L, 6.02214076e23L, 1e-300L, 0.0L}) {
    const std::string text = FormatIniReal(value);
    const auto read = ParseIniReal(text);
    ASSERT_TRUE(read.has_value()) << text;
    EXPECT_EQ(FormatIniReal(*read), text);
    EXPECT_EQ(*read, std::strtold(text.c_str(), nullptr));
  }
}

}  // namespace
}  // namespace kirabel

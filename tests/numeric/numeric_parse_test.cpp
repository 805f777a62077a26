#include "numeric/numeric_parse.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

long double Parse(const std::string& text, char32_t leading = U' ') {
  return ParseNumericText(text, leading);
}

TEST(NumericParseTest, ReadsTheFieldsOwnTexts) {
  EXPECT_EQ(Parse("1,234.5"), 1234.5L);
  EXPECT_EQ(Parse("-123,456"), -123456);  // the sign does not shift the groups
  EXPECT_EQ(Parse("+1,234,567"), 1234567);
  EXPECT_EQ(Parse("12."), 12);
  EXPECT_EQ(Parse(".5"), 0.5L);
  EXPECT_EQ(Parse("0.29"), 0.29L);
  EXPECT_EQ(Parse("1234"), 1234);
  EXPECT_EQ(Parse("1234.567,8"), 0);  // comma in the fraction
}

TEST(NumericParseTest, MisplacedCommasGiveZero) {
  EXPECT_EQ(Parse("12,34"), 0);
  EXPECT_EQ(Parse(",123"), 0);
  EXPECT_EQ(Parse("-,123"), 0);
  EXPECT_EQ(Parse("1,,234"), 0);
  EXPECT_EQ(Parse("1234,567"), 0);  // a group without its comma
  EXPECT_EQ(Parse("1,234567"), 0);
  EXPECT_EQ(Parse("1,234.5,6"), 0);
}

TEST(NumericParseTest, AnythingButSignsDigitsPointAndCommasGivesZero) {
  EXPECT_EQ(Parse(""), 0);
  EXPECT_EQ(Parse("abc"), 0);
  EXPECT_EQ(Parse("12a"), 0);
  EXPECT_EQ(Parse("1e5"), 0);
  EXPECT_EQ(Parse(" 12"), 0);
  EXPECT_EQ(Parse("-"), 0);
  EXPECT_EQ(Parse("."), 0);
  EXPECT_EQ(Parse("1.2.3"), 0);
  EXPECT_EQ(Parse("1-2"), 0);
  EXPECT_EQ(Parse("--5"), 0);
  EXPECT_EQ(Parse("inf"), 0);
  EXPECT_EQ(Parse("\xff\xfe"), 0);  // not UTF-8
  EXPECT_EQ(Parse("\xc3\xa9"
                  "5"),
            0);                                 // é
  EXPECT_EQ(Parse(std::string(6000, '9')), 0);  // beyond the range
}

TEST(NumericParseTest, FullWidthFormsReadAsTheirAsciiCounterparts) {
  EXPECT_EQ(Parse("１，２３４"), 1234);
  EXPECT_EQ(Parse("－１２．５"), -12.5L);
  EXPECT_EQ(Parse("＄１２"), 12);
  EXPECT_EQ(Parse("１２　"), 0);  // the ideographic space becomes a space: not a number
  EXPECT_EQ(ToHalfWidth(U'～'), U'~');
  EXPECT_EQ(ToHalfWidth(U'￡'), U'£');
  EXPECT_EQ(ToHalfWidth(U'ア'), U'ア');
  EXPECT_EQ(Parse("１２ア"), 0);
}

TEST(NumericParseTest, ThePrefixIsRemovedOnce) {
  EXPECT_EQ(Parse("$1,234"), 1234);
  EXPECT_EQ(Parse("\\12"), 12);
  EXPECT_EQ(Parse("$$12"), 0);
  EXPECT_EQ(Parse("€-5", U'€'), -5);
  EXPECT_EQ(Parse("$5", U'€'), 0);  // with a prefix of its own, "$" is no prefix
  EXPECT_EQ(Parse("＃7", U'＃'), 7);
  EXPECT_EQ(Parse("＄１２", U'＄'), 12);  // a full-width prefix as the field shows it
  EXPECT_EQ(Parse("\t12", U'\t'), 12);    // any character but the space is the prefix
  EXPECT_EQ(Parse("$12", U'\t'), 0);
  // Without a prefix the yen sign counts as the backslash (the same code
  // in the Japanese code page), also in its full-width form.
  EXPECT_EQ(Parse("¥1,234"), 1234);
  EXPECT_EQ(Parse("￥１２"), 12);
}

TEST(NumericParseTest, ReadDecimalIsStrict) {
  EXPECT_EQ(ReadDecimal("-0.5"), -0.5L);
  EXPECT_EQ(ReadDecimal("5."), 5);
  EXPECT_FALSE(ReadDecimal(""));
  EXPECT_FALSE(ReadDecimal("+"));
  EXPECT_FALSE(ReadDecimal("1 "));
  EXPECT_FALSE(ReadDecimal("nan"));
  EXPECT_FALSE(ReadDecimal("0x10"));
}

}  // namespace
}  // namespace kirabel

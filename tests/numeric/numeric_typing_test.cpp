// Typed characters and key presses of the numeric entry.
#include <gtest/gtest.h>

#include "numeric/numeric_test_field.h"

namespace kirabel {
namespace {

using testing::Field;
using testing::Props;

TEST(NumericDigitRuleTest, DigitsBuildTheNumberFromTheRight) {
  Field f;
  EXPECT_EQ(f.Type("1234").Text(), "1,234");
  EXPECT_EQ(f.entry.Value(), 1234);
  EXPECT_EQ(f.entry.DigitCount(), 4);
  EXPECT_EQ(f.Type(".").Text(), "1,234.");
  EXPECT_EQ(f.Type("5").Text(), "1,234.5");
  EXPECT_EQ(f.entry.Value(), 1234.5L);
  EXPECT_EQ(f.entry.DecimalCount(), 1);
  EXPECT_EQ(f.host.beeps, 0);
}

TEST(NumericDigitRuleTest, ZeroesBeforeTheFirstDigitShowTheZeroForm) {
  Field empty;
  EXPECT_EQ(empty.Type("00").Text(), "");
  EXPECT_EQ(empty.entry.DigitCount(), 0);
  EXPECT_EQ(empty.Type("7").Text(), "7");
  Field zero(Props(9, true, -1, true));
  EXPECT_EQ(zero.Type("0").Text(), "0");
  EXPECT_EQ(zero.Type("0.05").Text(), "0.05");
  EXPECT_EQ(zero.entry.Value(), 0.05L);
  EXPECT_EQ(zero.entry.DigitCount(), 3);
}

TEST(NumericDigitRuleTest, DigitsBeyondTheLimitsBeepAndChangeNothing) {
  Field four(Props(4, true, -1, false));
  four.Type("12345");
  EXPECT_EQ(four.Text(), "1,234");
  EXPECT_EQ(four.host.beeps, 1);
  EXPECT_EQ(four.entry.DigitCount(), 4);
  four.Type(".");  // a full field takes no point either
  EXPECT_EQ(four.host.beeps, 2);

  Field fixed(Props(5, true, 2, false));  // three integer digits, two decimals
  fixed.Type("1234");
  EXPECT_EQ(fixed.Text(), "123");
  EXPECT_EQ(fixed.host.beeps, 1);
  fixed.Type(".456");
  EXPECT_EQ(fixed.Text(), "123.45");
  EXPECT_EQ(fixed.entry.Value(), 123.45L);
  EXPECT_EQ(fixed.host.beeps, 2);
  EXPECT_EQ(fixed.entry.DecimalCount(), 2);
  EXPECT_EQ(fixed.entry.DigitCount(), 5);

  Field decimals(Props(4, true, -1, false));
  decimals.Type("0.1234");  // "0" counts: three decimals fit
  EXPECT_EQ(decimals.Text(), "0.123");
  EXPECT_EQ(decimals.host.beeps, 1);
  EXPECT_EQ(decimals.entry.DecimalCount(), 3);
}

TEST(NumericDigitRuleTest, ASelectionIsReplacedByTheFirstDigit) {
  Field f(Props(9, true, -1, false), -56.5L);
  f.host.selection = SelectionKind::kAll;
  EXPECT_EQ(f.Type("7").Text(), "7");
  EXPECT_FALSE(f.entry.IsNegative());
  EXPECT_FALSE(f.entry.PointEntered());
}

TEST(NumericDigitRuleTest, DigitsJoinTheHeldNumberNotTheShownOne) {
  // 2.5 shows 3 in an integer field; its digit count is that of "2.5".
  Field integer(Props(9, true, 0, false), 2.5L);
  EXPECT_EQ(integer.Text(), "3");
  EXPECT_EQ(integer.entry.Value(), 2.5L);
  EXPECT_EQ(integer.entry.DigitCount(), 3);
  EXPECT_EQ(integer.Type("4").Text(), "29");  // 2.5 x 10 + 4, rounded
  EXPECT_EQ(integer.entry.Value(), 29);
  EXPECT_EQ(integer.Type("12345").Text(), "2,912,345");
  EXPECT_EQ(integer.entry.DigitCount(), 9);
  EXPECT_EQ(integer.host.beeps, 0);
  EXPECT_EQ(integer.Type("6").Text(), "2,912,345");
  EXPECT_EQ(integer.host.beeps, 1);

  // A free field shows "1." for 1.00004 in four digits; decimals continue.
  Field free4(Props(4, true, -1, false), 1.00004L);
  EXPECT_EQ(free4.Text(), "1.");
  EXPECT_EQ(free4.Type("5").Text(), "1.5");
  EXPECT_EQ(free4.entry.Value(), 1.5L);

  // Sums such as 0.1 + 0.02 are rounded to the typed places.
  Field f;
  f.Type("0.12");
  EXPECT_EQ(f.entry.Value(), 0.12L);
}

TEST(NumericPointRuleTest, ThePointStartsTheFraction) {
  Field f;
  EXPECT_EQ(f.Type(".").Text(), "0.");
  EXPECT_EQ(f.Type("5").Text(), "0.5");
  f.Type(".");  // a second point
  EXPECT_EQ(f.host.beeps, 1);
  EXPECT_EQ(f.Text(), "0.5");

  Field integer(Props(9, true, 0, false));
  integer.Type("1.");
  EXPECT_EQ(integer.host.beeps, 1);
  EXPECT_EQ(integer.Text(), "1");
  EXPECT_FALSE(integer.entry.PointEntered());
}

TEST(NumericPointRuleTest, APointOverASelectionKeepsTheSign) {
  Field f(Props(9, true, -1, false), -5);
  f.host.selection = SelectionKind::kAll;
  EXPECT_EQ(f.Type(".").Text(), "-0.");
  EXPECT_EQ(f.Type("5").Text(), "-0.5");
  EXPECT_EQ(f.entry.Value(), -0.5L);
}

TEST(NumericMinusRuleTest, MinusTogglesTheSignAtAnyTime) {
  Field f;
  EXPECT_EQ(f.Type("-").Text(), "-");
  EXPECT_EQ(f.Type("5").Text(), "-5");
  EXPECT_EQ(f.entry.Value(), -5);
  EXPECT_EQ(f.Type("-").Text(), "5");
  EXPECT_EQ(f.Type("-.").Text(), "-5.");
  EXPECT_EQ(f.Type("25").Text(), "-5.25");

  Field zero(Props(9, true, -1, true));
  EXPECT_EQ(zero.Type("-").Text(), "-0");
  EXPECT_EQ(zero.Type(".").Text(), "-0.");

  Field positive(Props(9, false, -1, false));
  positive.Type("-3");
  EXPECT_EQ(positive.host.beeps, 1);
  EXPECT_EQ(positive.Text(), "3");
}

TEST(NumericMinusRuleTest, OtherCharactersAreDroppedSilently) {
  Field f;
  f.Type("1a ,+\r2");
  EXPECT_EQ(f.Text(), "12");
  EXPECT_EQ(f.host.beeps, 0);
  f.host.readOnly = true;
  f.Type("3-.B");
  EXPECT_EQ(f.Text(), "12");
  EXPECT_EQ(f.host.beeps, 0);
}

TEST(NumericBackspaceTest, BackspaceRemovesTheLastShownCharacter) {
  Field f;
  EXPECT_EQ(f.Type("12.").Text(), "12.");
  EXPECT_EQ(f.Type("B").Text(), "1");  // the point goes with the last digit
  EXPECT_FALSE(f.entry.PointEntered());
  EXPECT_EQ(f.Type("B").Text(), "");
  EXPECT_EQ(f.Type("B").Text(), "");

  Field decimals;
  decimals.Type("1.25");
  EXPECT_EQ(decimals.Type("B").Text(), "1.2");
  EXPECT_EQ(decimals.Type("B").Text(), "1.");
  EXPECT_EQ(decimals.Type("3").Text(), "1.3");

  Field zero(Props(9, true, -1, true));
  EXPECT_EQ(zero.Type("5B").Text(), "0");
}

TEST(NumericBackspaceTest, BackspaceShortensTheNumberWrittenInDigitCountPlaces) {
  // 2.5 in an integer field counts three digits but writes "3": the first
  // two Backspaces drop padding blanks and leave the shown 3 as the value.
  Field integer(Props(9, true, 0, false), 2.5L);
  EXPECT_EQ(integer.Type("B").Text(), "3");
  EXPECT_EQ(integer.entry.Value(), 3);
  EXPECT_EQ(integer.entry.DigitCount(), 2);
  EXPECT_EQ(integer.Type("B").Text(), "3");
  EXPECT_EQ(integer.Type("B").Text(), "");
  EXPECT_EQ(integer.entry.DigitCount(), 0);

  // A set value with more decimals than shown loses the last shown one.
  Field free4(Props(4, true, -1, false), 1.23456L);
  EXPECT_EQ(free4.Text(), "1.235");
  EXPECT_EQ(free4.Type("B").Text(), "1.23");
  EXPECT_EQ(free4.entry.Value(), 1.23L);

  // Backspace from the largest value of a fixed field.
  Field fixed(Props(4, false, 2, false), 1e6L);
  EXPECT_EQ(fixed.Text(), "99.99");
  EXPECT_EQ(fixed.Type("BB").Text(), "99.");
  EXPECT_EQ(fixed.Type("B").Text(), "9");
  EXPECT_FALSE(fixed.entry.PointEntered());
}

TEST(NumericBackspaceTest, TheSignStaysWhileTheNumberIsNegative) {
  Field f;
  f.Type("-12B");
  EXPECT_EQ(f.Text(), "-1");
  EXPECT_TRUE(f.entry.IsNegative());
  EXPECT_EQ(f.Type("-5").Text(), "15");
  EXPECT_EQ(f.entry.Value(), 15);

  Field lone;
  EXPECT_EQ(lone.Type("-5B").Text(), "");
  EXPECT_FALSE(lone.entry.IsNegative());
  EXPECT_EQ(lone.Type("-B").Text(), "");  // Backspace on the lone minus clears it

  Field fraction;
  EXPECT_EQ(fraction.Type("-.5B").Text(), "-0.");
}

TEST(NumericBackspaceTest, BackspaceOverASelectionClearsTheNumber) {
  Field f(Props(9, true, -1, false), 1234.5L);
  f.host.selection = SelectionKind::kPart;
  EXPECT_EQ(f.Type("B").Text(), "");
  EXPECT_EQ(f.entry.Value(), 0);
}

TEST(NumericKeysTest, DeleteClearsOnlyASelectionUnlessDelAllClear) {
  Field f(Props(9, true, -1, false), 42);
  EXPECT_EQ(f.Type("D").Text(), "42");
  f.Type("H");  // Home selects the whole text
  EXPECT_EQ(f.host.selection, SelectionKind::kAll);
  EXPECT_EQ(f.Type("D").Text(), "");

  NumericProperties props;
  props.deleteClearsAll = true;
  Field all(props, -42);
  EXPECT_EQ(all.Type("D").Text(), "");
  EXPECT_FALSE(all.entry.IsNegative());
  all.host.readOnly = true;
  all.entry.SetValue(3);
  EXPECT_EQ(all.Type("D").Text(), "3");
}

TEST(NumericKeysTest, EscapeRestoresTheValueFromWhenTheFocusCame) {
  Field f(Props(9, true, 2, false), 7);
  f.entry.FocusGained();  // selects the whole text
  f.Type("12");
  EXPECT_EQ(f.Text(), "12");
  EXPECT_EQ(f.Type("E").Text(), "7.00");
  EXPECT_EQ(f.entry.Value(), 7);
  f.host.readOnly = true;
  f.entry.SetValue(5);
  EXPECT_EQ(f.Type("E").Text(), "5.00");
}

TEST(NumericKeysTest, EnterAndArrowsMoveTheFocusOnlyWhenAsked) {
  Field plain;
  EXPECT_FALSE(plain.entry.KeyDown(NumericKey::kEnter));
  EXPECT_FALSE(plain.entry.KeyDown(NumericKey::kUp));
  EXPECT_TRUE(plain.entry.KeyDown(NumericKey::kLeft));
  EXPECT_FALSE(plain.entry.KeyDown(NumericKey::kOther));
  EXPECT_TRUE(plain.host.focusMoves.empty());

  NumericProperties props;
  props.enterMovesFocus = true;
  props.arrowsMoveFocus = true;
  Field moving(props);
  EXPECT_TRUE(moving.entry.KeyDown(NumericKey::kEnter));
  EXPECT_TRUE(moving.entry.KeyDown(NumericKey::kUp));
  EXPECT_TRUE(moving.entry.KeyDown(NumericKey::kDown));
  EXPECT_EQ(moving.host.focusMoves, (std::vector<bool>{true, false, true}));
}

}  // namespace
}  // namespace kirabel

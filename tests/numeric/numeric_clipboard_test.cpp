// Clipboard, undo, outside text, focus and colour of the numeric entry.
#include <gtest/gtest.h>

#include "numeric/numeric_test_field.h"

namespace kirabel {
namespace {

using testing::Field;
using testing::Props;

TEST(NumericClipboardTest, PasteReplacesTheWholeNumber) {
  Field f(Props(9, true, -1, false), 77);
  f.entry.Paste(std::string("１，２３４"));
  EXPECT_EQ(f.entry.Value(), 1234);
  EXPECT_EQ(f.Text(), "1,234");
  f.entry.Paste(std::string("-123,456"));  // the field's own text
  EXPECT_EQ(f.entry.Value(), -123456);
  f.entry.Paste(std::string("12,34"));
  EXPECT_EQ(f.Text(), "");
  f.entry.Paste(std::string("9e99"));
  EXPECT_EQ(f.entry.Value(), 0);
  f.entry.Paste(std::string("5000000000"));
  EXPECT_EQ(f.Text(), "999,999,999");
  f.entry.Paste(std::nullopt);  // no text on the clipboard
  EXPECT_EQ(f.entry.Value(), 0);
  EXPECT_EQ(f.host.beeps, 0);
}

TEST(NumericClipboardTest, CutAndClearNeedASelection) {
  Field f(Props(9, true, -1, false), 42);
  f.entry.Cut();
  f.entry.Clear();
  EXPECT_EQ(f.entry.Value(), 42);
  EXPECT_EQ(f.host.beeps, 2);
  EXPECT_EQ(f.host.copies, 0);
  f.host.selection = SelectionKind::kAll;
  f.entry.Cut();
  EXPECT_EQ(f.host.copies, 1);
  EXPECT_EQ(f.entry.Value(), 0);
  f.entry.SetValue(8);
  f.host.selection = SelectionKind::kPart;
  f.entry.Clear();
  EXPECT_EQ(f.Text(), "");
  EXPECT_EQ(f.host.copies, 1);
}

TEST(NumericClipboardTest, UndoRestoresTheValueBeforeTheLastClipboardCommand) {
  Field f(Props(9, true, 0, false), 2.5L);
  EXPECT_FALSE(f.entry.CanUndo());
  f.host.selection = SelectionKind::kAll;
  f.entry.Cut();
  EXPECT_TRUE(f.entry.CanUndo());
  f.entry.Undo();
  EXPECT_EQ(f.entry.Value(), 2.5L);  // exactly, not the shown 3
  f.entry.Undo();                    // undo undoes itself
  EXPECT_EQ(f.entry.Value(), 0);
  f.entry.Undo();
  f.Type("7");  // any other change forgets it
  EXPECT_EQ(f.entry.Value(), 32);
  EXPECT_FALSE(f.entry.CanUndo());
  f.entry.Undo();
  EXPECT_EQ(f.entry.Value(), 32);
  f.entry.Paste(std::string("x"));
  f.entry.Undo();
  EXPECT_EQ(f.entry.Value(), 32);
}

TEST(NumericClipboardTest, AReadOnlyFieldIgnoresClipboardCommands) {
  Field f(Props(9, true, -1, false), 42);
  f.host.readOnly = true;
  f.host.selection = SelectionKind::kAll;
  f.entry.Paste(std::string("1"));
  f.entry.Cut();
  f.entry.Clear();
  f.entry.Undo();
  EXPECT_EQ(f.entry.Value(), 42);
  EXPECT_EQ(f.host.beeps, 0);
  EXPECT_EQ(f.host.copies, 0);
}

TEST(NumericTextSetTest, OutsideTextIsReadBackOnlyAfterTheFirstRendering) {
  testing::RecordingHost host;
  NumericEntry entry(host);
  entry.TextSet("123");  // before the field was loaded
  EXPECT_EQ(entry.Value(), 0);
  entry.Loaded();
  entry.TextSet("1,234.5");
  EXPECT_EQ(entry.Value(), 1234.5L);
  EXPECT_EQ(host.text, "1,234.5");
  entry.TextSet("junk");
  EXPECT_EQ(entry.Value(), 0);
  EXPECT_EQ(host.text, "");
}

TEST(NumericFocusTest, FocusSavesTheValueAndSelectsUnlessClicked) {
  Field f(Props(9, true, 2, false), 3);
  f.entry.FocusGained();
  EXPECT_EQ(f.host.selection, SelectionKind::kAll);
  EXPECT_EQ(f.entry.SavedValue(), 3);
  f.Type("4");
  EXPECT_EQ(f.Text(), "4");
  f.entry.FocusLost();
  EXPECT_EQ(f.Text(), "4.00");  // fixed places appear once the field is left
  EXPECT_EQ(f.entry.SavedValue(), 4);
  EXPECT_EQ(f.entry.DigitCount(), 3);
  f.entry.SetValue(0);
  f.entry.FocusLost();
  EXPECT_EQ(f.Text(), "");

  f.entry.MouseActivate();
  f.entry.FocusGained();
  EXPECT_EQ(f.host.selection, SelectionKind::kNone);
  EXPECT_FALSE(f.entry.MouseActivated());
  f.entry.SetSelectAllOnFocus(false);
  f.entry.FocusGained();
  EXPECT_EQ(f.host.selection, SelectionKind::kNone);
}

TEST(NumericFocusTest, MouseReleaseKeepsOnlyWholeOrDoubleClickedSelections) {
  Field f(Props(9, true, -1, false), 1234);
  f.host.selection = SelectionKind::kPart;
  f.entry.MouseReleased();
  EXPECT_EQ(f.host.selection, SelectionKind::kNone);
  f.host.selection = SelectionKind::kAll;
  f.entry.MouseReleased();
  EXPECT_EQ(f.host.selection, SelectionKind::kAll);
  f.entry.DoubleClick();
  f.host.selection = SelectionKind::kPart;
  f.entry.MouseReleased();
  EXPECT_EQ(f.host.selection, SelectionKind::kPart);
  EXPECT_FALSE(f.entry.DoubleClicked());
}

TEST(NumericColorTest, NegativeValuesShowInMinusColor) {
  constexpr uint32_t kBlack = 0xFF000000, kRed = 0xFFFF0000, kBlue = 0xFF0000FF;
  Field f;
  f.entry.SetValue(-5);
  EXPECT_TRUE(f.host.colors.empty());  // with the defaults the colour never changes
  f.entry.SetNegativeColor(kRed);      // takes effect with the next rendering
  EXPECT_TRUE(f.host.colors.empty());
  f.entry.SetValue(-5);
  EXPECT_EQ(f.host.colors.back(), kRed);
  f.Type("-");
  EXPECT_EQ(f.host.colors.back(), kBlack);
  f.Type("-");
  EXPECT_EQ(f.host.colors.back(), kRed);
  f.entry.TextColorChanged(kRed);  // our own painting is no change
  EXPECT_EQ(f.entry.NormalColor(), kBlack);

  // A colour set from outside becomes the normal colour; negatives stay red.
  f.entry.TextColorChanged(kBlue);
  EXPECT_EQ(f.entry.NormalColor(), kBlue);
  EXPECT_EQ(f.host.colors.back(), kRed);
  f.entry.SetValue(1);
  EXPECT_EQ(f.host.colors.back(), kBlue);
  f.entry.SetNegativeColor(kBlue);
  f.entry.SetValue(-1);
  EXPECT_EQ(f.host.colors.back(), kBlue);
}

}  // namespace
}  // namespace kirabel

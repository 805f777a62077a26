// The numeric field as the dialogs use it: the real widget, driven by keys,
// the mouse and the clipboard on the offscreen platform.
#include "ui/widgets/numeric_field.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "numeric/numeric_entry.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

namespace kirabel {
namespace {

// A shown window holding one or more fields, the first with the focus.
class Window {
 public:
  explicit Window(int fields = 1) {
    auto* layout = new QVBoxLayout(&widget_);
    for (int i = 0; i < fields; ++i) {
      edits_.push_back(new NumericField(&widget_));
      layout->addWidget(edits_.back());
    }
    widget_.show();
    widget_.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&widget_));
    edits_.front()->setFocus(Qt::OtherFocusReason);
  }
  NumericField& edit(int i = 0) { return *edits_[i]; }

 private:
  QWidget widget_;
  std::vector<NumericField*> edits_;
};

void Press(QWidget& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(&w, key, modifiers);
}

TEST(NumericFieldTest, KeysTypeAndEditTheNumber) {
  Window window;
  NumericField& edit = window.edit();
  EXPECT_TRUE(edit.alignment() & Qt::AlignRight);
  EXPECT_EQ(edit.text(), "");
  QTest::keyClicks(&edit, "1234.5");
  EXPECT_EQ(edit.text(), "1,234.5");
  EXPECT_EQ(edit.value(), 1234.5L);
  EXPECT_EQ(edit.cursorPosition(), edit.text().size());
  Press(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), "1,234.");
  Press(edit, Qt::Key_Backspace);  // the point goes with the last digit
  EXPECT_EQ(edit.text(), "123");
  Press(edit, Qt::Key_Minus);
  EXPECT_EQ(edit.text(), "-123");
  Press(edit, Qt::Key_Left);  // the caret stays at the end
  QTest::keyClicks(&edit, "x 6");
  EXPECT_EQ(edit.text(), "-1,236");
  Press(edit, Qt::Key_Delete);  // nothing selected: nothing happens
  EXPECT_EQ(edit.value(), -1236);
  Press(edit, Qt::Key_Home);
  EXPECT_EQ(edit.selectedText(), "-1,236");
  QTest::keyClicks(&edit, "-.5");
  EXPECT_EQ(edit.text(), "-0.5");
  Press(edit, Qt::Key_Home);
  Press(edit, Qt::Key_Delete);
  EXPECT_EQ(edit.text(), "");
  EXPECT_EQ(edit.value(), 0);
}

// Types each character; "B" presses Backspace, "E" Escape, "H" Home.
void TypeKeys(NumericField& edit, const char* keys) {
  for (const char* k = keys; *k; ++k) {
    switch (*k) {
      case 'B':
        Press(edit, Qt::Key_Backspace);
        break;
      case 'E':
        Press(edit, Qt::Key_Escape);
        break;
      case 'H':
        Press(edit, Qt::Key_Home);
        break;
      default:
        QTest::keyClick(&edit, *k);
    }
  }
}

// The typing rules as the user meets them, one fresh field per case.
TEST(NumericFieldTest, KeystrokesGiveTheTextAndValueOfTheRules) {
  struct Case {
    int maxDigits;
    int fixedDecimals;
    bool showZero;
    const char* keys;
    const char* text;
    long double value;
    int beeps;
  };
  const Case cases[] = {
      {9, -1, false, "1234", "1,234", 1234, 0},
      {9, -1, false, "1234.", "1,234.", 1234, 0},
      {9, -1, false, "1234.5", "1,234.5", 1234.5L, 0},
      {4, -1, false, "12345", "1,234", 1234, 1},
      {9, 0, false, "1.", "1", 1, 1},
      {9, 2, false, "1.234", "1.23", 1.23L, 1},
      {9, -1, false, "0", "", 0, 0},
      {9, -1, true, "0", "0", 0, 0},
      {9, -1, false, ".", "0.", 0, 0},
      {9, -1, false, ".5", "0.5", 0.5L, 0},
      {9, -1, false, "-", "-", 0, 0},
      {9, -1, false, "-5", "-5", -5, 0},
      {9, -1, false, "-5-", "5", 5, 0},
      {9, -1, false, "12.B", "1", 1, 0},
      {9, -1, false, "5B", "", 0, 0},
      {9, -1, true, "5B", "0", 0, 0},
      {9, -1, false, "-12B-5", "15", 15, 0},
      {9, -1, false, "12.5..", "12.5", 12.5L, 2},
  };
  for (const Case& c : cases) {
    Window window;
    NumericField& edit = window.edit();
    edit.setMaxDigits(c.maxDigits);
    edit.setFixedDecimals(c.fixedDecimals);
    edit.setShowZero(c.showZero);
    QSignalSpy refused(&edit, &NumericField::refused);
    TypeKeys(edit, c.keys);
    EXPECT_EQ(edit.text(), QString::fromUtf8(c.text)) << c.keys;
    EXPECT_EQ(edit.value(), c.value) << c.keys;
    EXPECT_EQ(refused.count(), c.beeps) << c.keys;
  }
}

// Values written by a dialog, then typed over without selecting them.
TEST(NumericFieldTest, TypingAfterAWrittenValueJoinsTheHeldNumber) {
  Window window;
  NumericField& edit = window.edit();
  edit.setAllowNegative(false);
  edit.setValue(-5);
  EXPECT_EQ(edit.text(), "5");
  TypeKeys(edit, "3");
  EXPECT_EQ(edit.text(), "53");
  EXPECT_EQ(edit.value(), 53);

  edit.setFixedDecimals(0);
  edit.setValue(2.5L);
  EXPECT_EQ(edit.text(), "3");
  EXPECT_EQ(edit.value(), 2.5L);
  TypeKeys(edit, "4");
  EXPECT_EQ(edit.text(), "29");
  EXPECT_EQ(edit.value(), 29);
}

TEST(NumericFieldTest, RefusedKeysBeep) {
  Window window;
  NumericField& edit = window.edit();
  edit.setMaxDigits(4);
  edit.setFixedDecimals(1);
  edit.setAllowNegative(false);
  QSignalSpy refused(&edit, &NumericField::refused);
  QTest::keyClicks(&edit, "1234");  // three integer digits fit beside the decimal
  EXPECT_EQ(edit.text(), "123");
  EXPECT_EQ(refused.count(), 1);
  QTest::keyClicks(&edit, ".45-");
  EXPECT_EQ(edit.text(), "123.4");
  EXPECT_EQ(refused.count(), 3);
  QTest::keyClicks(&edit, "ab");  // other characters are dropped silently
  EXPECT_EQ(refused.count(), 3);
}

TEST(NumericFieldTest, EscapeRestoresTheValueTheFocusFound) {
  Window window(2);
  NumericField& first = window.edit(0);
  NumericField& second = window.edit(1);
  second.setValue(250);
  second.setFocus(Qt::TabFocusReason);
  EXPECT_EQ(second.selectedText(), "250");  // selected: the first digit replaces
  QTest::keyClicks(&second, "9");
  EXPECT_EQ(second.text(), "9");
  Press(second, Qt::Key_Escape);
  EXPECT_EQ(second.text(), "250");
  EXPECT_EQ(second.value(), 250);
  // Tab selects the next field's number as well.
  first.setFocus(Qt::OtherFocusReason);
  Press(first, Qt::Key_Tab);
  EXPECT_TRUE(second.hasFocus());
  EXPECT_EQ(second.selectedText(), "250");
}

TEST(NumericFieldTest, LeavingAFixedDecimalFieldShowsAllPlaces) {
  Window window(2);
  NumericField& edit = window.edit();
  edit.setFixedDecimals(2);
  QTest::keyClicks(&edit, "3");
  EXPECT_EQ(edit.text(), "3");
  window.edit(1).setFocus(Qt::TabFocusReason);
  EXPECT_EQ(edit.text(), "3.00");
}

TEST(NumericFieldTest, ValueWritesClampAtTheLimits) {
  NumericField edit;
  edit.setMaxDigits(4);
  edit.setValue(9999);
  EXPECT_EQ(edit.text(), "9,999");
  edit.setValue(10000);
  EXPECT_EQ(edit.text(), "9,999");
  EXPECT_EQ(edit.value(), 9999);
  edit.setValue(0.001L);
  EXPECT_EQ(edit.text(), "0.001");
  edit.setValue(0.0001L);
  EXPECT_EQ(edit.text(), "");
  edit.setFixedDecimals(3);
  edit.setValue(9.9999L);
  EXPECT_EQ(edit.text(), "9.999");
  edit.setFixedDecimals(7);  // at most maxDigits - 1
  EXPECT_EQ(edit.fixedDecimals(), 3);
  edit.setMaxDigits(15);
  edit.setFixedDecimals(14);
  edit.setValue(0.12345678901234L);
  EXPECT_EQ(edit.text(), "0.12345678901234");
  edit.setValue(-12);
  EXPECT_EQ(edit.text(), "-9.99999999999999");
  edit.setFixedDecimals(0);
  edit.setValue(123456789012345.0L);
  EXPECT_EQ(edit.text(), "123,456,789,012,345");
  edit.setValue(2.5L);
  EXPECT_EQ(edit.text(), "3");
  EXPECT_EQ(edit.value(), 2.5L);
}

TEST(NumericFieldTest, PasteReplacesTheNumberThroughTheParser) {
  Window window;
  NumericField& edit = window.edit();
  edit.setValue(42);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(QString::fromUtf8("１，２３４．５"));
  Press(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.value(), 1234.5L);
  EXPECT_EQ(edit.text(), "1,234.5");
  clipboard->setText("12,34");
  Press(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.value(), 0);
  Press(edit, Qt::Key_Z, Qt::ControlModifier);  // undo the paste
  EXPECT_EQ(edit.value(), 1234.5L);
  clipboard->setText("-123,456");
  Press(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.value(), -123456);
  clipboard->setText("abc");
  edit.setReadOnly(true);
  Press(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.value(), -123456);
}

TEST(NumericFieldTest, CutCopiesTheSelectionAndClearsTheNumber) {
  Window window;
  NumericField& edit = window.edit();
  edit.setValue(-98765);
  QSignalSpy refused(&edit, &NumericField::refused);
  Press(edit, Qt::Key_X, Qt::ControlModifier);  // nothing selected
  EXPECT_EQ(refused.count(), 1);
  EXPECT_EQ(edit.value(), -98765);
  Press(edit, Qt::Key_Home);
  Press(edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "-98,765");
  Press(edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(edit.value(), 0);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "-98,765");
  Press(edit, Qt::Key_V, Qt::ControlModifier);  // what was cut pastes back
  EXPECT_EQ(edit.value(), -98765);

  // Shift+Delete is the Delete key: nothing without a selection, and a
  // selected number is cleared without being copied.
  QGuiApplication::clipboard()->setText("1");
  Press(edit, Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(edit.value(), -98765);
  EXPECT_EQ(refused.count(), 1);
  Press(edit, Qt::Key_Home);
  Press(edit, Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(edit.value(), 0);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1");
}

TEST(NumericFieldTest, ContextMenuCommandsFollowTheSameRules) {
  Window window;
  NumericField& edit = window.edit();
  edit.setValue(5);
  std::unique_ptr<QMenu> menu(edit.createNumericContextMenu());
  const auto action = [&](const char* name) { return menu->findChild<QAction*>(name); };
  EXPECT_FALSE(action("edit-cut")->isEnabled());
  EXPECT_FALSE(action("edit-delete")->isEnabled());
  EXPECT_FALSE(action("edit-undo")->isEnabled());
  QGuiApplication::clipboard()->setText(QString::fromUtf8("７８"));
  action("edit-paste")->trigger();
  EXPECT_EQ(edit.value(), 78);

  edit.selectAll();
  menu.reset(edit.createNumericContextMenu());
  EXPECT_TRUE(action("edit-delete")->isEnabled());
  EXPECT_TRUE(action("edit-undo")->isEnabled());
  action("edit-delete")->trigger();
  EXPECT_EQ(edit.value(), 0);
  action("edit-undo")->trigger();
  EXPECT_EQ(edit.value(), 78);
  edit.selectAll();
  menu.reset(edit.createNumericContextMenu());
  action("edit-cut")->trigger();
  EXPECT_EQ(edit.value(), 0);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "78");
}

TEST(NumericFieldTest, MouseReleasePutsTheCaretBackAtTheEnd) {
  Window window;
  NumericField& edit = window.edit();
  edit.setValue(123456);
  const QPoint left(5, edit.height() / 2);
  QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, left);
  EXPECT_EQ(edit.cursorPosition(), edit.text().size());
  EXPECT_FALSE(edit.hasSelectedText());
  QGuiApplication::clipboard()->setText("7");
  QTest::mouseClick(&edit, Qt::MiddleButton, Qt::NoModifier, left);
  EXPECT_EQ(edit.value(), 123456);  // no text goes into the number
  EXPECT_EQ(edit.cursorPosition(), edit.text().size());
  QTest::mouseDClick(&edit, Qt::LeftButton, Qt::NoModifier,
                     QPoint(edit.width() - 8, edit.height() / 2));
  EXPECT_TRUE(edit.hasSelectedText());  // the double click's word stays selected
}

TEST(NumericFieldTest, TextSetFromOutsideIsReadAsANumber) {
  NumericField edit;
  edit.setText("1,234.5");
  EXPECT_EQ(edit.value(), 1234.5L);
  edit.QLineEdit::setText("not a number");
  EXPECT_EQ(edit.value(), 0);
  EXPECT_EQ(edit.text(), "");
  edit.setPrefixChar(QChar(u'$'));
  edit.setText("$-7");
  EXPECT_EQ(edit.text(), "$-7");
  EXPECT_EQ(edit.value(), -7);
  // The shown text set again is read again: a rounded value becomes the shown one.
  edit.setFixedDecimals(0);
  edit.setValue(2.5L);
  edit.setText(edit.text());
  EXPECT_EQ(edit.value(), 3);
}

TEST(NumericFieldTest, PropertiesReadBackAsWritten) {
  NumericField edit;
  EXPECT_EQ(edit.maxDigits(), 9);
  EXPECT_TRUE(edit.allowNegative());
  EXPECT_EQ(edit.fixedDecimals(), -1);
  EXPECT_FALSE(edit.deleteClearsAll());
  EXPECT_EQ(edit.prefixChar(), QChar(u' '));
  EXPECT_FALSE(edit.showZero());
  EXPECT_TRUE(edit.thousandsSeparators());
  EXPECT_FALSE(edit.enterMovesFocus());
  EXPECT_FALSE(edit.arrowsMoveFocus());
  EXPECT_EQ(edit.negativeColor(), edit.palette().color(QPalette::Active, QPalette::Text));
  edit.setDeleteClearsAll(true);
  edit.setShowZero(true);
  edit.setThousandsSeparators(false);
  edit.setNegativeColor(Qt::red);
  EXPECT_TRUE(edit.deleteClearsAll());
  EXPECT_TRUE(edit.showZero());
  EXPECT_FALSE(edit.thousandsSeparators());
  EXPECT_EQ(edit.negativeColor(), QColor(Qt::red));
  EXPECT_EQ(edit.text(), "0");
  edit.setValue(-1234);
  EXPECT_EQ(edit.text(), "-1234");
  EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
  edit.setValue(1);
  EXPECT_NE(edit.palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
}

// A dialog with a default OK button and a Cancel button around one field.
class Dialog {
 public:
  Dialog() {
    auto* layout = new QVBoxLayout(&dialog_);
    edit_ = new NumericField(&dialog_);
    next_ = new NumericField(&dialog_);
    auto* ok = new QPushButton("OK", &dialog_);
    auto* cancel = new QPushButton("Cancel", &dialog_);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog_, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog_, &QDialog::reject);
    for (QWidget* w : {static_cast<QWidget*>(edit_), static_cast<QWidget*>(next_),
                       static_cast<QWidget*>(ok), static_cast<QWidget*>(cancel)}) {
      layout->addWidget(w);
    }
    dialog_.show();
    dialog_.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog_));
    edit_->setFocus(Qt::OtherFocusReason);
  }
  QDialog& dialog() { return dialog_; }
  NumericField& edit() { return *edit_; }
  NumericField& next() { return *next_; }

 private:
  QDialog dialog_;
  NumericField* edit_;
  NumericField* next_;
};

TEST(NumericFieldDialogTest, EnterPressesTheDefaultButtonAndEscapeCancels) {
  Dialog accepted;
  QTest::keyClicks(&accepted.edit(), "12");
  Press(accepted.edit(), Qt::Key_Return);
  EXPECT_EQ(accepted.dialog().result(), QDialog::Accepted);
  EXPECT_FALSE(accepted.dialog().isVisible());
  EXPECT_EQ(accepted.edit().value(), 12);

  Dialog rejected;
  QTest::keyClicks(&rejected.edit(), "7");
  Press(rejected.edit(), Qt::Key_Escape);
  EXPECT_EQ(rejected.dialog().result(), QDialog::Rejected);
  EXPECT_FALSE(rejected.dialog().isVisible());
}

TEST(NumericFieldDialogTest, EnterNextFieldsKeepEnterAndEscape) {
  Dialog d;
  d.edit().setEnterMovesFocus(true);
  d.edit().setValue(5);
  d.next().setFocus(Qt::TabFocusReason);
  d.edit().setFocus(Qt::BacktabFocusReason);
  QTest::keyClicks(&d.edit(), "8");
  Press(d.edit(), Qt::Key_Escape);
  EXPECT_TRUE(d.dialog().isVisible());
  EXPECT_EQ(d.edit().value(), 5);
  Press(d.edit(), Qt::Key_Enter);
  EXPECT_TRUE(d.dialog().isVisible());
  EXPECT_TRUE(d.next().hasFocus());
}

TEST(NumericFieldDialogTest, ArrowNextMovesBetweenFields) {
  Dialog d;
  d.edit().setArrowsMoveFocus(true);
  d.next().setArrowsMoveFocus(true);
  Press(d.edit(), Qt::Key_Down);
  EXPECT_TRUE(d.next().hasFocus());
  Press(d.next(), Qt::Key_Up);
  EXPECT_TRUE(d.edit().hasFocus());
}

}  // namespace
}  // namespace kirabel

// Adding, changing, deleting, cutting, copying and pasting sets through the
// main window's buttons, menu items and grid, with the real properties dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QToolButton>

#include "controls/NValEdit.h"
#include "model/angles.h"
#include "ui/color_swatch.h"
#include "ui_support/design_values.h"
#include "ui_support/main_window_fixture.h"

namespace kirabel {
namespace {

using Strings = std::vector<std::string>;
using Ints = std::vector<int32_t>;

class ListEditingCommandsTest : public testing::MainWindowFixture {
 protected:
  // A, B, C with A's child C.
  void addABC() {
    addSet(QStringLiteral("A"));
    addSet(QStringLiteral("B"));
    addSet(QStringLiteral("C"));
    answerDialog([](TForm3& dialog) { dialog.ComboBox1->setCurrentIndex(3); });
    selectRow(1);
    form_.SpeedButton1->click();
    ASSERT_EQ(children(), (Ints{2, -1, -1}));
  }
  int beeps() const { return MessageBox::BeepCount(); }
};

TEST_F(ListEditingCommandsTest, FirstNewSetTakesTheDesignValues) {
  answerDialog(nullptr);
  form_.SpeedButton3->click();
  ASSERT_EQ(form_.List.size(), 1u);
  testing::ExpectFirstNewSet(form_.List[0]);
  expectInStep();

  // The next proposal counts the sets, whatever names they bear.
  addSet(QStringLiteral("火花 3"));
  QString proposed;
  answerDialog([&](TForm3& dialog) { proposed = dialog.Edit1->text(); }, false);
  form_.SpeedButton3->click();
  EXPECT_EQ(proposed, QStringLiteral("火花 3"));
  EXPECT_EQ(form_.List.size(), 2u);
}

TEST_F(ListEditingCommandsTest, CancelledEditLeavesItsValuesForTheNextNewSet) {
  addSet(QStringLiteral("A"));
  answerDialog([](TForm3& dialog) {
    dialog.Edit1->setText(QStringLiteral("B"));
    dialog.ComboBox1->setCurrentIndex(1);  // child A
    dialog.ComboBox3->setCurrentIndex(2);
    dialog.NEditN->setValue(77);
    ColorDialogService::setNextColor(QColor(255, 0, 0));
    QTest::mouseClick(dialog.Shape1, Qt::LeftButton);
  });
  form_.SpeedButton3->click();
  answerDialog([](TForm3& dialog) {
    dialog.NEditN->setValue(5);
    ColorDialogService::setNextColor(QColor(255, 255, 255));
    QTest::mouseClick(dialog.Shape1, Qt::LeftButton);
  });
  form_.SpeedButton3->click();
  ASSERT_EQ(names(), (Strings{"A", "B", "火花 3"}));
  ASSERT_EQ(form_.List[1].colG, 0);
  ASSERT_EQ(form_.List[1].child, 0);

  // Edit B, change its name, cancel: nothing changes.
  selectRow(2);
  answerDialog([](TForm3& dialog) { dialog.Edit1->setText(QStringLiteral("X")); }, false);
  form_.SpeedButton1->click();
  EXPECT_EQ(names(), (Strings{"A", "B", "火花 3"}));
  expectInStep();

  // A new set starts from what the dialog showed for B, but with no child
  // and uniform distributions.
  answerDialog(nullptr);
  form_.SpeedButton3->click();
  const TParticle& added = form_.List[3];
  EXPECT_EQ(added.name, "火花 4");
  EXPECT_EQ(added.colR, 255);
  EXPECT_EQ(added.colG, 0);
  EXPECT_EQ(added.N, 77);
  EXPECT_EQ(added.child, -1);
  EXPECT_EQ(added.rmVB, 0);
  expectInStep();
}

TEST_F(ListEditingCommandsTest, EnterAndDoubleClickAddOnTheNewSetRowAndEditElsewhere) {
  addSet(QStringLiteral("A"));
  selectRow(2);  // the new-set row
  answerDialog(nullptr);
  form_.DrawGrid1->setFocus();
  QTest::keyClick(form_.DrawGrid1, Qt::Key_Return);
  EXPECT_EQ(names(), (Strings{"A", "火花 2"}));

  selectRow(1);
  QString shown;
  answerDialog([&](TForm3& dialog) {
    shown = dialog.Edit1->text();
    dialog.Edit1->setText(QStringLiteral("A2"));
  });
  form_.DrawGrid1DblClick();
  EXPECT_EQ(shown, QStringLiteral("A"));
  EXPECT_EQ(names(), (Strings{"A2", "火花 2"}));
  expectInStep();

  // The popup's "プロパティ" adds even on a set row.
  answerDialog(nullptr);
  form_.K7->trigger();
  EXPECT_EQ(form_.List.size(), 3u);
}

TEST_F(ListEditingCommandsTest, DeleteRenumbersAndAsksAboutAChildOfAnother) {
  addABC();
  selectRow(2);
  form_.SpeedButton2->click();  // B: no question
  EXPECT_TRUE(MessageBox::Shown().empty());
  EXPECT_EQ(names(), (Strings{"A", "C"}));
  EXPECT_EQ(children(), (Ints{1, -1}));
  expectInStep();

  selectRow(2);
  MessageBox::setNextAnswer(MsgAnswer::No);
  form_.SpeedButton2->click();
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].kind, MsgKind::Confirmation);
  EXPECT_EQ(MessageBox::Shown()[0].text,
            QStringLiteral(
                "Cは、他のパーティクルセットの子に指定されていますが、削除してよろしいですか?"));
  EXPECT_EQ(names(), (Strings{"A", "C"}));

  MessageBox::setNextAnswer(MsgAnswer::Yes);
  form_.K9->trigger();
  EXPECT_EQ(names(), (Strings{"A"}));
  EXPECT_EQ(children(), (Ints{-1}));
  expectInStep();

  // The new-set row holds no set: nothing happens.
  selectRow(2);
  form_.SpeedButton2->click();
  EXPECT_EQ(form_.List.size(), 1u);
}

TEST_F(ListEditingCommandsTest, CopyPasteKeepsEveryLinkAndTheClipboardFollowsDeletes) {
  EXPECT_EQ(form_.Cut1->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
  EXPECT_EQ(form_.Copy1->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
  EXPECT_EQ(form_.Paste1->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));

  // Paste with an empty clipboard, copy on the new-set row: beeps only.
  const int before = beeps();
  form_.SpeedButton11->click();
  form_.SpeedButton10->click();
  form_.SpeedButton9->click();
  EXPECT_EQ(beeps(), before + 3);

  addABC();
  selectRow(1);
  form_.Copy1->trigger();  // A, child C
  selectRow(1);
  form_.Paste1->trigger();  // at the top
  EXPECT_EQ(names(), (Strings{"A'", "A", "B", "C"}));
  EXPECT_EQ(children(), (Ints{3, 3, -1, -1}));
  expectInStep();

  // Delete B: the clipboard's child moves with C.
  selectRow(3);
  form_.SpeedButton2->click();
  selectRow(4);  // the new-set row: append
  form_.SpeedButton11->click();
  EXPECT_EQ(names(), (Strings{"A'", "A", "C", "A''"}));
  EXPECT_EQ(children(), (Ints{2, 2, -1, 2}));

  // Delete C: its links go, the clipboard empties and paste beeps.
  selectRow(3);
  form_.SpeedButton2->click();
  EXPECT_EQ(children(), (Ints{-1, -1, -1}));
  const int beforePaste = beeps();
  form_.SpeedButton11->click();
  EXPECT_EQ(beeps(), beforePaste + 1);
  EXPECT_EQ(form_.List.size(), 3u);
  expectInStep();
}

TEST_F(ListEditingCommandsTest, CutDeclinedKeepsTheSetButFillsTheClipboard) {
  addABC();
  selectRow(3);  // C, A's child
  MessageBox::setNextAnswer(MsgAnswer::No);
  form_.SpeedButton9->click();
  EXPECT_EQ(names(), (Strings{"A", "B", "C"}));
  selectRow(4);
  form_.SpeedButton11->click();
  EXPECT_EQ(names(), (Strings{"A", "B", "C", "C'"}));

  // Cut B with nothing pointing at it: it leaves, links renumber.
  selectRow(2);
  form_.Cut1->trigger();
  EXPECT_EQ(names(), (Strings{"A", "C", "C'"}));
  EXPECT_EQ(children(), (Ints{1, -1, -1}));
  EXPECT_EQ(form_.Row(), 2);  // the set that followed is selected
  expectInStep();
  selectRow(1);
  form_.SpeedButton11->click();
  EXPECT_EQ(names(), (Strings{"B", "A", "C", "C'"}));
  EXPECT_EQ(children(), (Ints{-1, 2, -1, -1}));
  expectInStep();
}

TEST_F(ListEditingCommandsTest, PasteRefusesANameThatCannotBeMadeUnique) {
  const QString longName(39, QLatin1Char('n'));
  addSet(longName);
  selectRow(1);
  form_.SpeedButton10->click();
  selectRow(2);
  form_.SpeedButton11->click();
  EXPECT_EQ(form_.List.back().name, longName.toStdString() + "'");
  form_.SpeedButton11->click();
  ASSERT_EQ(MessageBox::Shown().size(), 1u);
  EXPECT_EQ(MessageBox::Shown()[0].kind, MsgKind::Warning);
  EXPECT_EQ(MessageBox::Shown()[0].text, QStringLiteral("名前を整理してください。"));
  EXPECT_EQ(form_.List.size(), 2u);
  expectInStep();
}

TEST_F(ListEditingCommandsTest, APastedChildThatNamesNoSetIsCutAndShowsNone) {
  addABC();
  selectRow(1);
  form_.SpeedButton10->click();  // A with child 2
  MessageBox::setNextAnswer(MsgAnswer::Yes);
  form_.KN2->trigger();
  ASSERT_TRUE(form_.List.empty());
  form_.SpeedButton11->click();
  ASSERT_EQ(form_.List.size(), 1u);
  EXPECT_EQ(form_.List[0].child, -1);  // C is not in this list

  int shownChoice = -2;
  answerDialog([&](TForm3& dialog) { shownChoice = dialog.ComboBox1->currentIndex(); });
  selectRow(1);
  form_.SpeedButton1->click();
  EXPECT_EQ(shownChoice, 0);
  EXPECT_EQ(form_.List[0].child, -1);
}

TEST_F(ListEditingCommandsTest, ClipboardKeysWorkFromTheGrid) {
  addSet(QStringLiteral("A"));
  QApplication::setActiveWindow(&form_);
  form_.DrawGrid1->setFocus();
  selectRow(1);
  QTest::keyClick(form_.DrawGrid1, Qt::Key_C, Qt::ControlModifier);
  EXPECT_FALSE(form_.Clipboard.empty);
  QTest::keyClick(form_.DrawGrid1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(names(), (Strings{"A'", "A"}));
  selectRow(2);
  QTest::keyClick(form_.DrawGrid1, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(names(), (Strings{"A'"}));
  expectInStep();
}

}  // namespace
}  // namespace kirabel

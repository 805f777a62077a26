// Adding, changing, deleting, cutting, copying and pasting sets through the
// main window's buttons, menu items and grid, with the real properties dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QToolButton>

#include "model/angles.h"
#include "ui/widgets/color_swatch.h"
#include "ui/widgets/numeric_field.h"
#include "ui_support/child_widget.h"
#include "ui_support/first_new_set.h"
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
    answerDialog([](ParticleSetDialog& dialog) {
      testing::Child<QComboBox>(dialog, "childSetCombo")->setCurrentIndex(3);
    });
    selectRow(1);
    testing::Child<QToolButton>(window_, "changeSetButton")->click();
    ASSERT_EQ(children(), (Ints{2, -1, -1}));
  }
  int beeps() const { return MessageBox::beepCount(); }
};

TEST_F(ListEditingCommandsTest, FirstNewSetTakesTheStartingValues) {
  answerDialog(nullptr);
  testing::Child<QToolButton>(window_, "addSetButton")->click();
  ASSERT_EQ(window_.document().sets().size(), 1u);
  testing::ExpectFirstNewSet(window_.document().sets()[0]);
  expectInStep();

  // The next proposal counts the sets, whatever names they bear.
  addSet(QStringLiteral("火花 3"));
  QString proposed;
  answerDialog(
      [&](ParticleSetDialog& dialog) {
        proposed = testing::Child<QLineEdit>(dialog, "nameEdit")->text();
      },
      false);
  testing::Child<QToolButton>(window_, "addSetButton")->click();
  EXPECT_EQ(proposed, QStringLiteral("火花 3"));
  EXPECT_EQ(window_.document().sets().size(), 2u);
}

TEST_F(ListEditingCommandsTest, CancelledEditLeavesItsValuesForTheNextNewSet) {
  addSet(QStringLiteral("A"));
  answerDialog([](ParticleSetDialog& dialog) {
    testing::Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("B"));
    testing::Child<QComboBox>(dialog, "childSetCombo")->setCurrentIndex(1);  // child A
    testing::Child<QComboBox>(dialog, "directionDistributionCombo")->setCurrentIndex(2);
    testing::Child<NumericField>(dialog, "countEdit")->setValue(77);
    ColorDialogService::setNextColor(QColor(255, 0, 0));
    QTest::mouseClick(testing::Child<ColorSwatch>(dialog, "colorSwatch"), Qt::LeftButton);
  });
  testing::Child<QToolButton>(window_, "addSetButton")->click();
  answerDialog([](ParticleSetDialog& dialog) {
    testing::Child<NumericField>(dialog, "countEdit")->setValue(5);
    ColorDialogService::setNextColor(QColor(255, 255, 255));
    QTest::mouseClick(testing::Child<ColorSwatch>(dialog, "colorSwatch"), Qt::LeftButton);
  });
  testing::Child<QToolButton>(window_, "addSetButton")->click();
  ASSERT_EQ(names(), (Strings{"A", "B", "火花 3"}));
  ASSERT_EQ(window_.document().sets()[1].green, 0);
  ASSERT_EQ(window_.document().sets()[1].child, 0);

  // Edit B, change its name, cancel: nothing changes.
  selectRow(2);
  answerDialog(
      [](ParticleSetDialog& dialog) {
        testing::Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("X"));
      },
      false);
  testing::Child<QToolButton>(window_, "changeSetButton")->click();
  EXPECT_EQ(names(), (Strings{"A", "B", "火花 3"}));
  expectInStep();

  // A new set starts from what the dialog showed for B, but with no child
  // and uniform distributions.
  answerDialog(nullptr);
  testing::Child<QToolButton>(window_, "addSetButton")->click();
  const ParticleSet& added = window_.document().sets()[3];
  EXPECT_EQ(added.name, "火花 4");
  EXPECT_EQ(added.red, 255);
  EXPECT_EQ(added.green, 0);
  EXPECT_EQ(added.count, 77);
  EXPECT_EQ(added.child, -1);
  EXPECT_EQ(added.directionDistribution, 0);
  expectInStep();
}

TEST_F(ListEditingCommandsTest, EnterAndDoubleClickAddOnTheNewSetRowAndEditElsewhere) {
  addSet(QStringLiteral("A"));
  selectRow(2);  // the new-set row
  answerDialog(nullptr);
  testing::Child<ParticleGrid>(window_, "grid")->setFocus();
  QTest::keyClick(testing::Child<ParticleGrid>(window_, "grid"), Qt::Key_Return);
  EXPECT_EQ(names(), (Strings{"A", "火花 2"}));

  selectRow(1);
  QString shown;
  answerDialog([&](ParticleSetDialog& dialog) {
    shown = testing::Child<QLineEdit>(dialog, "nameEdit")->text();
    testing::Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("A2"));
  });
  emit testing::Child<ParticleGrid>(window_, "grid")->rowActivated();  // a double click
  EXPECT_EQ(shown, QStringLiteral("A"));
  EXPECT_EQ(names(), (Strings{"A2", "火花 2"}));
  expectInStep();

  // The popup's "プロパティ" adds even on a set row.
  answerDialog(nullptr);
  testing::Child<QAction>(window_, "actionProperties")->trigger();
  EXPECT_EQ(window_.document().sets().size(), 3u);
}

TEST_F(ListEditingCommandsTest, DeleteRenumbersAndAsksAboutAChildOfAnother) {
  addABC();
  selectRow(2);
  testing::Child<QToolButton>(window_, "deleteSetButton")->click();  // B: no question
  EXPECT_TRUE(MessageBox::shown().empty());
  EXPECT_EQ(names(), (Strings{"A", "C"}));
  EXPECT_EQ(children(), (Ints{1, -1}));
  expectInStep();

  selectRow(2);
  MessageBox::setNextAnswer(MsgAnswer::No);
  testing::Child<QToolButton>(window_, "deleteSetButton")->click();
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].kind, MsgKind::Confirmation);
  EXPECT_EQ(MessageBox::shown()[0].text,
            QStringLiteral(
                "Cは、他のパーティクルセットの子に指定されていますが、削除してよろしいですか?"));
  EXPECT_EQ(names(), (Strings{"A", "C"}));

  MessageBox::setNextAnswer(MsgAnswer::Yes);
  testing::Child<QAction>(window_, "actionDeleteSet")->trigger();
  EXPECT_EQ(names(), (Strings{"A"}));
  EXPECT_EQ(children(), (Ints{-1}));
  expectInStep();

  // The new-set row holds no set: nothing happens.
  selectRow(2);
  testing::Child<QToolButton>(window_, "deleteSetButton")->click();
  EXPECT_EQ(window_.document().sets().size(), 1u);
}

TEST_F(ListEditingCommandsTest, CopyPasteKeepsEveryLinkAndTheClipboardFollowsDeletes) {
  EXPECT_EQ(testing::Child<QAction>(window_, "actionCut")->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+X")));
  EXPECT_EQ(testing::Child<QAction>(window_, "actionCopy")->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+C")));
  EXPECT_EQ(testing::Child<QAction>(window_, "actionPaste")->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+V")));

  // Paste with an empty clipboard, copy on the new-set row: beeps only.
  const int before = beeps();
  testing::Child<QToolButton>(window_, "pasteButton")->click();
  testing::Child<QToolButton>(window_, "copyButton")->click();
  testing::Child<QToolButton>(window_, "cutButton")->click();
  EXPECT_EQ(beeps(), before + 3);

  addABC();
  selectRow(1);
  testing::Child<QAction>(window_, "actionCopy")->trigger();  // A, child C
  selectRow(1);
  testing::Child<QAction>(window_, "actionPaste")->trigger();  // at the top
  EXPECT_EQ(names(), (Strings{"A'", "A", "B", "C"}));
  EXPECT_EQ(children(), (Ints{3, 3, -1, -1}));
  expectInStep();

  // Delete B: the clipboard's child moves with C.
  selectRow(3);
  testing::Child<QToolButton>(window_, "deleteSetButton")->click();
  selectRow(4);  // the new-set row: append
  testing::Child<QToolButton>(window_, "pasteButton")->click();
  EXPECT_EQ(names(), (Strings{"A'", "A", "C", "A''"}));
  EXPECT_EQ(children(), (Ints{2, 2, -1, 2}));

  // Delete C: its links go, the clipboard empties and paste beeps.
  selectRow(3);
  testing::Child<QToolButton>(window_, "deleteSetButton")->click();
  EXPECT_EQ(children(), (Ints{-1, -1, -1}));
  const int beforePaste = beeps();
  testing::Child<QToolButton>(window_, "pasteButton")->click();
  EXPECT_EQ(beeps(), beforePaste + 1);
  EXPECT_EQ(window_.document().sets().size(), 3u);
  expectInStep();
}

TEST_F(ListEditingCommandsTest, CutDeclinedKeepsTheSetButFillsTheClipboard) {
  addABC();
  selectRow(3);  // C, A's child
  MessageBox::setNextAnswer(MsgAnswer::No);
  testing::Child<QToolButton>(window_, "cutButton")->click();
  EXPECT_EQ(names(), (Strings{"A", "B", "C"}));
  selectRow(4);
  testing::Child<QToolButton>(window_, "pasteButton")->click();
  EXPECT_EQ(names(), (Strings{"A", "B", "C", "C'"}));

  // Cut B with nothing pointing at it: it leaves, links renumber.
  selectRow(2);
  testing::Child<QAction>(window_, "actionCut")->trigger();
  EXPECT_EQ(names(), (Strings{"A", "C", "C'"}));
  EXPECT_EQ(children(), (Ints{1, -1, -1}));
  EXPECT_EQ(access_.selectedRow(), 2);  // the set that followed is selected
  expectInStep();
  selectRow(1);
  testing::Child<QToolButton>(window_, "pasteButton")->click();
  EXPECT_EQ(names(), (Strings{"B", "A", "C", "C'"}));
  EXPECT_EQ(children(), (Ints{-1, 2, -1, -1}));
  expectInStep();
}

TEST_F(ListEditingCommandsTest, PasteRefusesANameThatCannotBeMadeUnique) {
  const QString longName(39, QLatin1Char('n'));
  addSet(longName);
  selectRow(1);
  testing::Child<QToolButton>(window_, "copyButton")->click();
  selectRow(2);
  testing::Child<QToolButton>(window_, "pasteButton")->click();
  EXPECT_EQ(window_.document().sets().back().name, longName.toStdString() + "'");
  testing::Child<QToolButton>(window_, "pasteButton")->click();
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].kind, MsgKind::Warning);
  EXPECT_EQ(MessageBox::shown()[0].text, QStringLiteral("名前を整理してください。"));
  EXPECT_EQ(window_.document().sets().size(), 2u);
  expectInStep();
}

TEST_F(ListEditingCommandsTest, APastedChildThatNamesNoSetIsCutAndShowsNone) {
  addABC();
  selectRow(1);
  testing::Child<QToolButton>(window_, "copyButton")->click();  // A with child 2
  MessageBox::setNextAnswer(MsgAnswer::No);                     // do not save the changes
  testing::Child<QAction>(window_, "actionNew")->trigger();
  ASSERT_TRUE(window_.document().sets().empty());
  testing::Child<QToolButton>(window_, "pasteButton")->click();
  ASSERT_EQ(window_.document().sets().size(), 1u);
  EXPECT_EQ(window_.document().sets()[0].child, -1);  // C is not in this list

  int shownChoice = -2;
  answerDialog([&](ParticleSetDialog& dialog) {
    shownChoice = testing::Child<QComboBox>(dialog, "childSetCombo")->currentIndex();
  });
  selectRow(1);
  testing::Child<QToolButton>(window_, "changeSetButton")->click();
  EXPECT_EQ(shownChoice, 0);
  EXPECT_EQ(window_.document().sets()[0].child, -1);
}

TEST_F(ListEditingCommandsTest, ClipboardKeysWorkFromTheGrid) {
  addSet(QStringLiteral("A"));
  QApplication::setActiveWindow(&window_);
  testing::Child<ParticleGrid>(window_, "grid")->setFocus();
  selectRow(1);
  QTest::keyClick(testing::Child<ParticleGrid>(window_, "grid"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_FALSE(window_.document().clipboard().empty);
  QTest::keyClick(testing::Child<ParticleGrid>(window_, "grid"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(names(), (Strings{"A'", "A"}));
  selectRow(2);
  QTest::keyClick(testing::Child<ParticleGrid>(window_, "grid"), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(names(), (Strings{"A'"}));
  expectInStep();
}

// A list without own random streams makes no seeds; turning them on seeds
// every set in one step, and from then on a set added gets a seed of its own
// while a pasted copy and a changed set keep theirs.
TEST_F(ListEditingCommandsTest, SetsGetSeedsOnlyUnderOwnRandomAndCopiesKeepThem) {
  const auto seed = [this](std::size_t i) { return window_.document().sets()[i].Effects().seed; };
  addSet(QStringLiteral("A"));
  EXPECT_EQ(seed(0), 0);

  LaunchSettings own = window_.document().launchSettings();
  own.ownRandom = true;
  window_.document().changeLaunchSettings(own, QStringLiteral("own"));
  const int32_t seedOfA = seed(0);
  EXPECT_NE(seedOfA, 0);
  window_.document().history().undo();
  EXPECT_EQ(seed(0), 0);
  window_.document().history().redo();
  EXPECT_EQ(seed(0), seedOfA);

  addSet(QStringLiteral("B"));
  EXPECT_NE(seed(1), 0);
  EXPECT_NE(seed(1), seedOfA);
  selectRow(2);
  testing::Child<QAction>(window_, "actionCopy")->trigger();
  selectRow(3);
  testing::Child<QAction>(window_, "actionPaste")->trigger();
  ASSERT_EQ(names(), (Strings{"A", "B", "B'"}));
  EXPECT_EQ(seed(2), seed(1));
  answerDialog([](ParticleSetDialog& dialog) {
    testing::Child<NumericField>(dialog, "countEdit")->setValue(3);
  });
  access_.editSet(0);
  EXPECT_EQ(seed(0), seedOfA);
}

}  // namespace
}  // namespace kirabel

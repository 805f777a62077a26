// The history of list changes: every change one step that undo takes back
// and redo makes again, with the child links and the selected row; the
// modified mark in the caption; the question before a changed list is lost.
#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QTest>
#include <QToolButton>

#include "ui_support/child_widget.h"
#include "ui_support/main_window_fixture.h"

namespace kirabel {
namespace {

class HistoryTest : public testing::MainWindowFixture {
 protected:
  using State = ParticleList;
  State Now() const { return window_.document().sets(); }
  void Step(const std::function<void()>& change, std::vector<State>& states) {
    change();
    states.push_back(Now());
  }
};

TEST_F(HistoryTest, UndoAndRedoTakeEveryChangeBackAndAgain) {
  EXPECT_FALSE(testing::Child<QAction>(window_, "actionUndo")->isEnabled());
  EXPECT_EQ(testing::Child<QAction>(window_, "actionUndo")->text(), QStringLiteral("元に戻す(&U)"));
  std::vector<State> states{Now()};
  Step([&] { addSet(QStringLiteral("A")); }, states);
  Step([&] { addSet(QStringLiteral("B"), 0); }, states);
  Step([&] { addSet(QStringLiteral("C"), 1); }, states);
  Step(
      [&] {
        selectRow(1);
        testing::Child<QToolButton>(window_, "copyButton")->click();
        selectRow(3);
        testing::Child<QToolButton>(window_, "pasteButton")->click();
      },
      states);
  Step(
      [&] {
        selectRow(2);
        MessageBox::setNextAnswer(MsgAnswer::Yes);  // B is C's child: delete anyway
        testing::Child<QToolButton>(window_, "deleteSetButton")->click();
      },
      states);
  Step(
      [&] {
        answerDialog([](ParticleSetDialog& dialog) {
          testing::Child<QComboBox>(dialog, "childSetCombo")->setCurrentIndex(0);
        });
        selectRow(1);
        testing::Child<QToolButton>(window_, "changeSetButton")->click();
      },
      states);
  EXPECT_EQ(testing::Child<QAction>(window_, "actionUndo")->text(),
            QStringLiteral("元に戻す(&U) 変更"));
  for (std::size_t i = states.size() - 1; i > 0; --i) {
    selectRow(1);
    testing::Child<QAction>(window_, "actionUndo")->trigger();
    EXPECT_TRUE(Now() == states[i - 1]) << "undo to state " << i - 1;
    expectInStep();
    // The selection is back where it was when the step was made.
    if (i == 5) {
      EXPECT_EQ(access_.selectedRow(), 2);  // the deleted B's row
    }
  }
  EXPECT_FALSE(testing::Child<QAction>(window_, "actionUndo")->isEnabled());
  for (std::size_t i = 1; i < states.size(); ++i) {
    testing::Child<QAction>(window_, "actionRedo")->trigger();
    EXPECT_TRUE(Now() == states[i]) << "redo to state " << i;
  }
  EXPECT_FALSE(testing::Child<QAction>(window_, "actionRedo")->isEnabled());
  EXPECT_EQ(testing::Child<QAction>(window_, "actionRedo")->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
}

TEST_F(HistoryTest, AChangedListIsMarkedAndAskedAboutBeforeItIsLost) {
  const QString untitled = QStringLiteral("Kirabel -名称未設定-");
  QCloseEvent unchanged;
  QApplication::sendEvent(&window_, &unchanged);
  EXPECT_TRUE(unchanged.isAccepted());
  EXPECT_TRUE(MessageBox::shown().empty());  // nothing to lose: no question

  addSet(QStringLiteral("A"));
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Kirabel -名称未設定*-"));
  MessageBox::setNextAnswer(MsgAnswer::Cancel);
  QCloseEvent stay;
  QApplication::sendEvent(&window_, &stay);
  EXPECT_FALSE(stay.isAccepted());
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].text, QStringLiteral("変更を保存しますか？"));

  // "Yes" saves first; a cancelled save cancels the close.
  MessageBox::setNextAnswer(MsgAnswer::Yes);
  FileDialogService::setNextFileName(std::nullopt);
  QCloseEvent cancelledSave;
  QApplication::sendEvent(&window_, &cancelledSave);
  EXPECT_FALSE(cancelledSave.isAccepted());

  testing::Child<QAction>(window_, "actionUndo")
      ->trigger();  // back to the state at start: not changed
  EXPECT_EQ(window_.windowTitle(), untitled);
}

}  // namespace
}  // namespace kirabel

// The particle list grid: the colour cell, metrics and column fitting, row
// count and selection, and its keys.
#include "ui/widgets/particle_grid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QToolButton>

#include "document/particle_grid_model.h"
#include "support/particle_sets.h"
#include "ui/main_window/main_window.h"
#include "ui/services/message_box.h"
#include "ui/services/modal_runner.h"
#include "ui_support/child_widget.h"
#include "ui_support/document_edits.h"
#include "ui_support/main_window_test_access.h"

namespace kirabel {
namespace {

class GridTest : public ::testing::Test {
 protected:
  GridTest() {
    MessageBox::setTestMode(true);
    MessageBox::clearRecord();
    ModalRunner::clearHandlers();
    window_.resize(526, 292);
    window_.show();
    grid_ = testing::Child<ParticleGrid>(window_, "grid");
  }
  ~GridTest() override {
    ModalRunner::clearHandlers();
    MessageBox::clearRecord();
  }
  void AddSets(int n) {
    for (int i = 0; i < n; ++i)
      window_.document().apply(AppendSetCommand(testing::NamedSet("s" + std::to_string(i))));
  }
  void RemoveLastSet() {
    window_.document().apply(RemoveSetCommand(window_.document().sets().size() - 1));
  }
  // The row the grid shows current and highlighted, counted with the header.
  int ShownRow() const {
    const int row = grid_->currentIndex().row();
    return grid_->selectionModel()->isRowSelected(row, QModelIndex()) ? row + 1 : -1;
  }
  QColor PixelAt(int row, int column) {
    QApplication::processEvents();
    const QRect cell = grid_->visualRect(grid_->model()->index(row - 1, column));
    const QImage image = grid_->viewport()->grab().toImage();
    return image.pixelColor(cell.center());
  }

  MainWindow window_;
  MainWindowTestAccess access_{window_};
  ParticleGrid* grid_;
};

TEST_F(GridTest, StartsWithHeaderAndNewSetRowAndFontMetrics) {
  EXPECT_EQ(testing::Child<ParticleGrid>(window_, "grid")->rowCount(), 2);
  EXPECT_EQ(access_.selectedRow(), 1);
  const QFontMetrics metrics = grid_->fontMetrics();
  EXPECT_EQ(grid_->verticalHeader()->defaultSectionSize(), metrics.height() + 4);
  EXPECT_EQ(grid_->horizontalHeader()->height(), metrics.height() + 4);
  MainWindow fresh;  // widths before any fitting: header text + 8
  for (int i = 0; i < kGridColumns; ++i)
    EXPECT_EQ(testing::Child<ParticleGrid>(fresh, "grid")->columnWidth(i),
              metrics.horizontalAdvance(GridHeaders().at(i)) + 8);
  EXPECT_EQ(grid_->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
            QStringLiteral("色合い"));
}

TEST_F(GridTest, FittedWidthsFollowTheFormula) {
  const QFontMetrics metrics = grid_->fontMetrics();
  for (int client : {300, 526, 1000}) {
    const auto widths = ParticleGrid::fittedWidths(metrics, client);
    int nominal[6];
    nominal[0] = 12 * metrics.horizontalAdvance(QStringLiteral("M")) + 8;
    int sum = nominal[0];
    for (int i = 1; i < 6; ++i)
      sum += nominal[i] = metrics.horizontalAdvance(GridHeaders().at(i)) + 8;
    int total = 0;
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(widths[i], client * nominal[i] / sum - 2) << client << " column " << i;
      total += widths[i] + 2;
    }
    EXPECT_LE(total, client);
  }
}

TEST_F(GridTest, ResizingFitsColumnsOnlyWithTheOptionOn) {
  testing::ChangeOptions(window_.document(), [&](Options& o) { o.fitColumns = true; });
  window_.resize(700, 300);
  QApplication::processEvents();
  const auto fitted = ParticleGrid::fittedWidths(grid_->fontMetrics(), window_.width());
  for (int i = 0; i < 6; ++i) EXPECT_EQ(grid_->columnWidth(i), fitted[i]);
  testing::ChangeOptions(window_.document(), [&](Options& o) { o.fitColumns = false; });
  window_.resize(400, 300);
  QApplication::processEvents();
  for (int i = 0; i < 6; ++i) EXPECT_EQ(grid_->columnWidth(i), fitted[i]);
}

// The selection keeps its row number as sets come and go.
TEST_F(GridTest, TheSelectedRowKeepsItsNumberOrBecomesTheLastRow) {
  AddSets(4);
  EXPECT_EQ(testing::Child<ParticleGrid>(window_, "grid")->rowCount(), 6);
  testing::Child<ParticleGrid>(window_, "grid")->setSelectedRow(5);  // the new-set row
  RemoveLastSet();
  EXPECT_EQ(access_.selectedRow(), 4);  // the new-set row again
  EXPECT_EQ(ShownRow(), 4);
  testing::Child<ParticleGrid>(window_, "grid")->setSelectedRow(2);
  RemoveLastSet();
  EXPECT_EQ(access_.selectedRow(), 2);  // unchanged when the row survives
  EXPECT_EQ(ShownRow(), 2);
  window_.document().apply(RemoveSetCommand(0));
  EXPECT_EQ(access_.selectedRow(), 2);  // the row, not the set it showed
  EXPECT_EQ(ShownRow(), 2);
  window_.document().apply(PasteSetCommand(0, testing::NamedSet("p")));
  EXPECT_EQ(access_.selectedRow(), 2);
  EXPECT_EQ(ShownRow(), 2);
  window_.document().apply(RemoveSetCommand(1));  // the selected set itself
  EXPECT_EQ(ShownRow(), 2);
  window_.document().history().undo();
  EXPECT_EQ(ShownRow(), 2);
  testing::Child<ParticleGrid>(window_, "grid")->setSelectedRow(3);
  window_.document().apply(ReplaceListCommand(
      {testing::NamedSet("a"), testing::NamedSet("b"), testing::NamedSet("c")}, std::nullopt, ""));
  EXPECT_EQ(access_.selectedRow(), 1);  // a new list starts at its first row
  EXPECT_EQ(ShownRow(), 1);
}

TEST_F(GridTest, ColourCellShowsTheSetColourAlsoWhenSelected) {
  AddSets(2);
  const auto recolour = [this](std::size_t index, uint8_t red, uint8_t green, uint8_t blue) {
    ParticleSet set = window_.document().sets()[index];
    set.red = red;
    set.green = green;
    set.blue = blue;
    window_.document().apply(ReplaceSetCommand(index, set));
  };
  recolour(0, 200, 30, 90);
  recolour(1, 10, 250, 0);
  testing::Child<ParticleGrid>(window_, "grid")->setSelectedRow(1);
  EXPECT_EQ(PixelAt(1, kGridColourColumn), QColor(200, 30, 90));
  EXPECT_EQ(PixelAt(2, kGridColourColumn), QColor(10, 250, 0));
  EXPECT_EQ(grid_->model()->data(grid_->model()->index(0, 0)).toString(), QStringLiteral("s0"));
}

TEST_F(GridTest, EscapeStopsAndEnterOrDoubleClickOpensTheDialog) {
  access_.setBusy(true);
  grid_->setFocus();
  QTest::keyClick(grid_, Qt::Key_Escape);
  EXPECT_FALSE(access_.launchSession().busy());
  EXPECT_FALSE(testing::Child<QToolButton>(window_, "stopButton")->isEnabled());

  int opened = 0;
  QObject::connect(grid_, &ParticleGrid::rowActivated, [&] { ++opened; });
  for (int i = 0; i < 2; ++i)  // the properties dialog each opens, closed at once
    ModalRunner::setNextHandler([](QDialog& dialog) { dialog.reject(); });
  QTest::keyClick(grid_, Qt::Key_Return);
  const QRect cell = grid_->visualRect(grid_->model()->index(0, 1));
  QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(opened, 2);
}

TEST_F(GridTest, PopupAndMenuShortcutsReachTheCommandsFromTheGrid) {
  AddSets(2);
  testing::Child<ParticleGrid>(window_, "grid")->setSelectedRow(1);
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  grid_->setFocus();
  QTest::keyClick(grid_, Qt::Key_C, Qt::ControlModifier);  // actionCopy
  EXPECT_FALSE(window_.document().clipboard().empty);
  EXPECT_EQ(window_.document().clipboard().set.name, "s0");
  QTest::keyClick(grid_, Qt::Key_Delete);  // actionDeleteSet
  ASSERT_EQ(window_.document().sets().size(), 1u);
  EXPECT_EQ(window_.document().sets()[0].name, "s1");
  EXPECT_EQ(testing::Child<ParticleGrid>(window_, "grid")->rowCount(), 3);
  QTest::keyClick(grid_, Qt::Key_Z, Qt::ControlModifier);  // actionUndo
  EXPECT_EQ(window_.document().sets().size(), 2u);
  QTest::keyClick(grid_, Qt::Key_Y, Qt::ControlModifier);  // actionRedo
  EXPECT_EQ(window_.document().sets().size(), 1u);
  QTest::keyClick(grid_, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(grid_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(window_.document().sets().size(), 1u);
}

TEST_F(GridTest, RightButtonKeepsTheSelection) {
  AddSets(3);
  testing::Child<ParticleGrid>(window_, "grid")->setSelectedRow(1);
  const QRect cell = grid_->visualRect(grid_->model()->index(2, 0));
  QTest::mousePress(grid_->viewport(), Qt::RightButton, {}, cell.center());
  QTest::mouseRelease(grid_->viewport(), Qt::RightButton, {}, cell.center());
  EXPECT_EQ(access_.selectedRow(), 1);
  QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(access_.selectedRow(), 3);
}

}  // namespace
}  // namespace kirabel

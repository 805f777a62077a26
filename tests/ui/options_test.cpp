// The option commands and small dialog commands of the main window, driven
// through its menu items with the real dialogs, viewer and space buffer.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "controls/NValEdit.h"
#include "image/dibs.h"
#include "image/space_viewer.h"
#include "platform/errors.h"
#include "platform/memory_info.h"
#include "simulation/space.h"
#include "ui/about_dialog.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/modal_runner.h"
#include "ui/particle_grid.h"
#include "ui/resolution_dialog.h"
#include "ui/threshold_dialog.h"

namespace kirabel {
namespace {

class OptionsTest : public ::testing::Test {
 protected:
  OptionsTest() {
    MessageBox::SetTestMode(true);
    MessageBox::ClearRecord();
    ModalRunner::clearHandlers();
    form_.Form2 = &viewer_;
    form_.Form4 = &form4_;
    form_.Form6 = &form6_;
    form_.Form7 = &form7_;
    form_.show();
    form_.ApplyResolution(512, 512);
  }
  ~OptionsTest() override {
    ModalRunner::clearHandlers();
    HelpViewer::SetOpener(nullptr);
    MessageBox::ClearRecord();
    viewer_.SetCloseAllowed(true);
  }

  void settleLayout() {
    form_.centralWidget()->layout()->activate();
    QApplication::processEvents();
  }
  // Answers the resolution dialog with the given size and the given button.
  void answerResolution(int width, int height, bool ok) {
    ModalRunner::setNextHandler([=](QDialog& dialog) {
      auto& form4 = static_cast<TForm4&>(dialog);
      form4.NEditX->setValue(width);
      form4.NEditY->setValue(height);
      (ok ? form4.BitBtn1 : form4.BitBtn2)->click();
    });
  }
  bool pictureIsBlack() {
    TDIBitmap& bitmap = viewer_.Bitmap();
    const uint8_t* bits = bitmap.Bits();
    const size_t size = static_cast<size_t>(bitmap.RowBytes()) * bitmap.Height();
    return std::all_of(bits, bits + size, [](uint8_t b) { return b == 0; });
  }

  TForm1 form_;
  TForm2 viewer_;
  TForm4 form4_;
  TForm6 form6_;
  TForm7 form7_;
};

TEST_F(OptionsTest, ToolBarItemShowsAndHidesTheToolBarWithTheGridFollowing) {
  settleLayout();
  ASSERT_TRUE(form_.K3->isChecked());
  ASSERT_TRUE(form_.Panel1->isVisible());
  const int shownTop = form_.DrawGrid1->y();

  form_.K3->trigger();
  settleLayout();
  EXPECT_FALSE(form_.K3->isChecked());
  EXPECT_FALSE(form_.Panel1->isVisible());
  EXPECT_EQ(form_.DrawGrid1->y(), shownTop - form_.Panel1->height());

  form_.K3->trigger();
  settleLayout();
  EXPECT_TRUE(form_.K3->isChecked());
  EXPECT_TRUE(form_.Panel1->isVisible());
  EXPECT_EQ(form_.DrawGrid1->y(), shownTop);
}

TEST_F(OptionsTest, ColumnFittingActsAtTheNextResizeOnly) {
  if (form_.K2->isChecked()) form_.K2->trigger();
  ASSERT_FALSE(form_.ColSizing);
  form_.resize(700, 300);
  QApplication::processEvents();
  const int before = form_.DrawGrid1->columnWidth(0);

  form_.K2->trigger();
  EXPECT_TRUE(form_.ColSizing);
  EXPECT_TRUE(form_.K2->isChecked());
  EXPECT_EQ(form_.DrawGrid1->columnWidth(0), before);

  form_.resize(900, 300);
  QApplication::processEvents();
  const auto fitted = TDrawGrid::FittedWidths(form_.DrawGrid1->fontMetrics(), form_.width());
  for (int i = 0; i < 6; ++i) EXPECT_EQ(form_.DrawGrid1->columnWidth(i), fitted[i]) << i;

  form_.K2->trigger();
  EXPECT_FALSE(form_.ColSizing);
  form_.resize(640, 300);
  QApplication::processEvents();
  EXPECT_EQ(form_.DrawGrid1->columnWidth(0), fitted[0]);
}

TEST_F(OptionsTest, RenderingFlagsFollowTheirCheckMarks) {
  ASSERT_FALSE(form_.AntiA);
  ASSERT_FALSE(form_.LoopSpace);
  form_.K5->trigger();
  EXPECT_TRUE(form_.AntiA);
  EXPECT_TRUE(form_.K5->isChecked());
  form_.KL2->trigger();
  EXPECT_TRUE(form_.LoopSpace);
  EXPECT_TRUE(form_.KL2->isChecked());
  form_.K5->trigger();
  form_.KL2->trigger();
  EXPECT_FALSE(form_.AntiA);
  EXPECT_FALSE(form_.LoopSpace);
}

TEST_F(OptionsTest, ResolutionDialogGivesABlackPictureOfTheNewSize) {
  int presetX = -1, presetY = -1;
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    auto& form4 = static_cast<TForm4&>(dialog);
    presetX = static_cast<int>(form4.NEditX->Value());
    presetY = static_cast<int>(form4.NEditY->Value());
    form4.NEditX->setValue(640);
    form4.NEditY->setValue(480);
    form4.BitBtn1->click();
  });
  form_.K6->trigger();
  EXPECT_EQ(presetX, 512);
  EXPECT_EQ(presetY, 512);
  EXPECT_EQ(form_.ResolutionX, 640);
  EXPECT_EQ(form_.ResolutionY, 480);
  ASSERT_NE(form_.Space, nullptr);
  EXPECT_EQ(form_.Space->Width(), 640);
  EXPECT_EQ(form_.Space->Height(), 480);
  EXPECT_EQ(viewer_.Bitmap().Width(), 640);
  EXPECT_EQ(viewer_.Bitmap().Height(), 480);
  EXPECT_EQ(viewer_.PaintBox1->size(), QSize(640, 480));
  EXPECT_TRUE(pictureIsBlack());
  // Fitted: the window takes the picture size when the screen has room for it.
  EXPECT_EQ(viewer_.size(), QSize(640, 480));
}

TEST_F(OptionsTest, UnchangedResolutionStillRebuildsAndClears) {
  form_.Space->SetValue(0, 3, 3, 40000);
  viewer_.Bitmap().Bits()[0] = 0xff;
  answerResolution(512, 512, true);
  form_.K6->trigger();
  ASSERT_EQ(form_.Space->Width(), 512);
  ASSERT_EQ(form_.Space->Height(), 512);
  EXPECT_EQ(form_.Space->GetValue(0, 3, 3), 0);
  EXPECT_TRUE(pictureIsBlack());
}

TEST_F(OptionsTest, CancelledResolutionChangesNothing) {
  viewer_.Bitmap().Bits()[0] = 0xff;
  const TSpace* space = form_.Space.get();
  answerResolution(100, 100, false);
  form_.K6->trigger();
  EXPECT_EQ(form_.Space.get(), space);
  EXPECT_EQ(form_.ResolutionX, 512);
  EXPECT_EQ(viewer_.Bitmap().Bits()[0], 0xff);
}

TEST_F(OptionsTest, EmptyResolutionIsAccepted) {
  answerResolution(0, 0, true);
  form_.K6->trigger();
  ASSERT_NE(form_.Space, nullptr);
  EXPECT_EQ(form_.Space->Width(), 0);
  EXPECT_EQ(viewer_.Bitmap().Width(), 0);
  EXPECT_TRUE(MessageBox::Shown().empty());
  viewer_.FormPaint();
  answerResolution(8, 0, true);
  form_.K6->trigger();
  EXPECT_EQ(form_.Space->Width(), 8);
  EXPECT_EQ(form_.Space->Height(), 0);
}

// Beyond what can be addressed, and beyond what the machine has available
// (checked before anything is touched, so the kernel never has to kill us).
TEST_F(OptionsTest, ResolutionThatCannotBeHadLeavesAValidEmptySpace) {
  const struct {
    int32_t size;
    std::optional<uint64_t> available;
  } cases[] = {{100000, std::nullopt}, {9999, uint64_t{200} << 20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    SetAvailableMemoryForTesting(c.available);
    EXPECT_THROW(form_.ApplyResolution(c.size, c.size), OutOfMemoryError);
    SetAvailableMemoryForTesting(std::nullopt);
    ASSERT_NE(form_.Space, nullptr);
    EXPECT_EQ(form_.Space->Width(), 0);
    EXPECT_EQ(form_.Space->Height(), 0);
    EXPECT_EQ(viewer_.Bitmap().Width() * viewer_.Bitmap().Height(), 0);
    EXPECT_EQ(form_.ResolutionX, 0);
    EXPECT_EQ(form_.ResolutionY, 0);
    form_.ApplyResolution(64, 32);
    EXPECT_EQ(form_.Space->Width(), 64);
    EXPECT_EQ(viewer_.Bitmap().Height(), 32);
  }
}

TEST_F(OptionsTest, ResolutionCommandIsDisabledDuringALaunch) {
  EXPECT_TRUE(form_.K6->isEnabled());
  form_.SetBusy(true);
  EXPECT_FALSE(form_.K6->isEnabled());
  form_.SetBusy(false);
  EXPECT_TRUE(form_.K6->isEnabled());
}

TEST_F(OptionsTest, WarningThresholdRoundTrip) {
  long double preset = 0;
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    auto& form7 = static_cast<TForm7&>(dialog);
    preset = form7.NEdit1->Value();
    form7.NEdit1->setValue(5000);
    form7.BitBtn1->click();
  });
  form_.KW1->trigger();
  EXPECT_EQ(preset, 10000.0L);
  EXPECT_EQ(form_.TooMany, 5000);

  ModalRunner::setNextHandler([&](QDialog& dialog) {
    auto& form7 = static_cast<TForm7&>(dialog);
    preset = form7.NEdit1->Value();
    form7.NEdit1->setValue(7000);
    form7.BitBtn2->click();
  });
  form_.KW1->trigger();
  EXPECT_EQ(preset, 5000.0L);
  EXPECT_EQ(form_.TooMany, 5000);
}

TEST_F(OptionsTest, HelpOpensThePageOrSaysItIsMissing) {
  QList<QUrl> opened;
  HelpViewer::SetOpener([&](const QUrl& url) {
    opened.append(url);
    return true;
  });
  form_.K10->trigger();
  if (HelpViewer::Find(QApplication::applicationFilePath()).isEmpty()) {
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(MessageBox::Shown().size(), 1u);
    EXPECT_EQ(MessageBox::Shown()[0].kind, MsgKind::Warning);
  } else {
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].fragment(), QStringLiteral("HID00000001"));
  }
  EXPECT_EQ(form_.K10->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(OptionsTest, AboutShowsTheAboutBox) {
  QDialog* shown = nullptr;
  ModalRunner::setNextHandler([&](QDialog& dialog) {
    shown = &dialog;
    static_cast<TForm6&>(dialog).BitBtn1->click();
  });
  form_.KA2->trigger();
  EXPECT_EQ(shown, &form6_);
  EXPECT_FALSE(form6_.isVisible());
}

TEST_F(OptionsTest, ToolBarButtonsMatchTheirLayout) {
  struct Button {
    const char* name;
    int left;
    const char* hint;
  };
  const Button buttons[] = {
      {"SpeedButton6", 4, "パーティクルリスト読み込み"},
      {"SpeedButton7", 28, "パーティクルリスト保存"},
      {"SpeedButton8", 52, "空間画像の保存"},
      {"SpeedButton9", 92, "切り取り"},
      {"SpeedButton10", 116, "ｺﾋﾟｰ"},
      {"SpeedButton11", 140, "貼り付け"},
      {"SpeedButton3", 180, "新しいパーティクルセットを追加"},
      {"SpeedButton1", 204, "選択中のパーティクルセットを変更"},
      {"SpeedButton2", 228, "リストからパーティクルセットを削除"},
      {"SpeedButton4", 268, "パーティクル打ち上げ!"},
      {"SpeedButton5", 292, "打ち上げ中止"},
  };
  for (const Button& b : buttons) {
    auto* button = form_.Panel1->findChild<QToolButton*>(QString::fromLatin1(b.name));
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->geometry(), QRect(b.left, 4, 25, 25)) << b.name;
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << b.name;
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.hint)) << b.name;
    EXPECT_FALSE(button->icon().isNull()) << b.name;
  }
  EXPECT_FALSE(form_.SpeedButton5->isEnabled());
}

TEST_F(OptionsTest, MenusAndPopupMatchTheirTables) {
  struct Item {
    QAction* action;
    const char* caption;
    QKeySequence shortcut;
    bool checkable;
  };
  const Item items[] = {
      {form_.K2, "グリッドの列幅をフォームの幅に合わせる(&G)", {}, true},
      {form_.K3, "ツールバーを表示する(&T)", {}, true},
      {form_.K6, "空間解像度の設定(&S)...", {}, false},
      {form_.KW1, "飽和粒子数の設定(&W)...", {}, false},
      {form_.K5, "アンチエイリアシング(&A)", {}, true},
      {form_.KL2, "空間の上下・左右をつなげる(&L)", {}, true},
      {form_.K10, "Kirabelのヘルプを表示(&F)...", QKeySequence(Qt::Key_F1), false},
      {form_.KA2, "あばうと(&A)...", {}, false},
      {form_.KL1, "パーティクル発射！(&L)", QKeySequence(Qt::Key_F9), false},
      {form_.Cut1, "切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X), false},
      {form_.Copy1, "ｺﾋﾟｰ(&C)", QKeySequence(Qt::CTRL | Qt::Key_C), false},
      {form_.Paste1, "貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V), false},
      {form_.KS1, "パーティクルリストに名前を付けて保存(&A)...", {}, false},
      {form_.Exit1, "終了(&X)", {}, false},
      {form_.K7, "プロパティ", {}, false},
      {form_.K8, "パーティクルセット追加", QKeySequence(Qt::Key_Insert), false},
      {form_.K9, "パーティクルセット削除", QKeySequence(Qt::Key_Delete), false},
  };
  for (const Item& item : items) {
    ASSERT_NE(item.action, nullptr) << item.caption;
    EXPECT_EQ(item.action->text(), QString::fromUtf8(item.caption));
    EXPECT_EQ(item.action->shortcut(), item.shortcut) << item.caption;
    EXPECT_EQ(item.action->isCheckable(), item.checkable) << item.caption;
  }
  const QStringList titles = {QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                              QStringLiteral("打ち上げ(&L)"), QStringLiteral("設定(&O)"),
                              QStringLiteral("ヘルプ(&H)")};
  const QMenu* menus[] = {form_.K1, form_.Edit1, form_.K4, form_.KO1, form_.KH1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(menus[i]->title(), titles[i]);
  EXPECT_EQ(form_.PopupMenu1->defaultAction(), form_.K7);
  EXPECT_TRUE(form_.K7->font().bold());
  EXPECT_FALSE(form_.K8->font().bold());
  const QList<QAction*> order = form_.KO1->actions();
  ASSERT_EQ(order.size(), 7);
  EXPECT_EQ(order[0], form_.K2);
  EXPECT_TRUE(order[2]->isSeparator());
  EXPECT_EQ(order[3], form_.K6);
  EXPECT_EQ(order[6], form_.KL2);
}

}  // namespace
}  // namespace kirabel

// The main window's command surface and state: components with their names,
// captions, shortcuts and places; the caption; the busy state.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolButton>

#include "image/space_viewer.h"

namespace kirabel {
namespace {

struct Item {
  const char* name;
  const char* caption;
  QKeySequence shortcut;
};

TEST(MainWindowTest, MenuAndPopupItemsCarryNamesCaptionsAndShortcuts) {
  TForm1 form;
  const Item items[] = {
      {"KN2", "パーティクルリストの新規作成(&N)...", {}},
      {"KR1", "パーティクルリストの読み込み(&R)...", {}},
      {"KM1", "パーティクルリストを追加読み込み(&M)...", {}},
      {"KA1", "パーティクルリストの上書き保存(&S)...", {}},
      {"KS1", "パーティクルリストに名前を付けて保存(&A)...", {}},
      {"KI1", "空間画像の保存(&I)...", {}},
      {"Exit1", "終了(&X)", {}},
      {"Cut1", "切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X)},
      {"Copy1", "ｺﾋﾟｰ(&C)", QKeySequence(Qt::CTRL | Qt::Key_C)},
      {"Paste1", "貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V)},
      {"KL1", "パーティクル発射！(&L)", QKeySequence(Qt::Key_F9)},
      {"K2", "グリッドの列幅をフォームの幅に合わせる(&G)", {}},
      {"K3", "ツールバーを表示する(&T)", {}},
      {"K6", "空間解像度の設定(&S)...", {}},
      {"KW1", "飽和粒子数の設定(&W)...", {}},
      {"K5", "アンチエイリアシング(&A)", {}},
      {"KL2", "空間の上下・左右をつなげる(&L)", {}},
      {"K10", "Kirabelのヘルプを表示(&F)...", QKeySequence(Qt::Key_F1)},
      {"KA2", "あばうと(&A)...", {}},
      {"K7", "プロパティ", {}},
      {"K8", "パーティクルセット追加", QKeySequence(Qt::Key_Insert)},
      {"K9", "パーティクルセット削除", QKeySequence(Qt::Key_Delete)},
  };
  for (const Item& item : items) {
    auto* action = form.findChild<QAction*>(QLatin1String(item.name));
    ASSERT_NE(action, nullptr) << item.name;
    EXPECT_EQ(action->text(), QString::fromUtf8(item.caption)) << item.name;
    EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
  }
  for (const char* name : {"K1", "Edit1", "K4", "KO1", "KH1", "PopupMenu1"})
    EXPECT_NE(form.findChild<QMenu*>(QLatin1String(name)), nullptr) << name;
  for (const char* name : {"N1", "N2", "N3", "N4", "N5"}) {
    auto* separator = form.findChild<QAction*>(QLatin1String(name));
    ASSERT_NE(separator, nullptr) << name;
    EXPECT_TRUE(separator->isSeparator());
  }
  EXPECT_EQ(form.PopupMenu1->defaultAction(), form.K7);
  EXPECT_EQ(form.K8->shortcutContext(), Qt::WidgetShortcut);
  for (QAction* check : {form.K2, form.K3, form.K5, form.KL2}) EXPECT_TRUE(check->isCheckable());
  EXPECT_EQ(form.menuBar()->actions().size(), 5);
}

TEST(MainWindowTest, ToolButtonsSitInOneRowWithHintsAndNoFocus) {
  TForm1 form;
  const std::pair<int, const char*> buttons[] = {{6, "パーティクルリスト読み込み"},
                                                 {7, "パーティクルリスト保存"},
                                                 {8, "空間画像の保存"},
                                                 {9, "切り取り"},
                                                 {10, "ｺﾋﾟｰ"},
                                                 {11, "貼り付け"},
                                                 {3, "新しいパーティクルセットを追加"},
                                                 {1, "選択中のパーティクルセットを変更"},
                                                 {2, "リストからパーティクルセットを削除"},
                                                 {4, "パーティクル打ち上げ!"},
                                                 {5, "打ち上げ中止"}};
  const int lefts[] = {4, 28, 52, 92, 116, 140, 180, 204, 228, 268, 292};
  int i = 0;
  for (const auto& [number, hint] : buttons) {
    const QString name = QStringLiteral("SpeedButton%1").arg(number);
    auto* button = form.findChild<QToolButton*>(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    EXPECT_EQ(button->parentWidget(), form.Panel1);
    EXPECT_EQ(button->geometry(), QRect(lefts[i++], 4, 25, 25)) << name.toStdString();
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(hint));
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  }
  EXPECT_EQ(form.Panel1->height(), 33);
  EXPECT_EQ(form.Bevel1->height(), 2);
  EXPECT_EQ(form.Panel2->height(), 26);
  EXPECT_EQ(form.ProgressBar1->width(), 143);
  EXPECT_EQ(form.ProgressBar1->minimum(), 0);
  EXPECT_EQ(form.ProgressBar1->maximum(), 100);
  EXPECT_EQ(form.ProgressBar1->toolTip(), QStringLiteral("[ESC]キーで計算をキャンセルできます"));
}

TEST(MainWindowTest, CaptionNamesTheFileOrUntitled) {
  TForm1 form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Kirabel -名称未設定-"));
  form.SetFileName("/home/u/花火/fire.PCL");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Kirabel -fire.PCL-"));
  EXPECT_EQ(form.FileName, "/home/u/花火/fire.PCL");
  form.SetFileName("/home/u/");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Kirabel -名称未設定-"));
  form.SetFileName("");
  EXPECT_TRUE(form.FileName.empty());
}

TEST(MainWindowTest, BusyStateSwitchesLaunchStopAndResolutionCommands) {
  TForm1 form;
  TForm2 viewer;
  form.Form2 = &viewer;
  EXPECT_FALSE(form.Busy);  // idle from the start
  EXPECT_TRUE(form.SpeedButton4->isEnabled());
  EXPECT_TRUE(form.KL1->isEnabled());
  EXPECT_FALSE(form.SpeedButton5->isEnabled());

  form.SetBusy(true);
  viewer.setWindowTitle(ViewerDrawingCaption(3, 10));
  EXPECT_TRUE(form.Busy);
  EXPECT_FALSE(form.SpeedButton4->isEnabled());
  EXPECT_FALSE(form.KL1->isEnabled());
  EXPECT_TRUE(form.SpeedButton5->isEnabled());
  EXPECT_FALSE(form.K6->isEnabled());
  EXPECT_EQ(viewer.windowTitle(), QStringLiteral("作画中です...3/10"));

  form.SpeedButton5->click();
  EXPECT_FALSE(form.Busy);
  EXPECT_TRUE(form.SpeedButton4->isEnabled());
  EXPECT_FALSE(form.SpeedButton5->isEnabled());
  EXPECT_TRUE(form.K6->isEnabled());
  EXPECT_EQ(viewer.windowTitle(), QStringLiteral("空間ビューワ"));
  viewer.SetCloseAllowed(true);
}

}  // namespace
}  // namespace kirabel

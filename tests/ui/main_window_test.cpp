// The main window's command surface and state: components with their names,
// captions, shortcuts and places; the caption; the busy state.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolButton>

#include "ui/space_viewer.h"

namespace kirabel {
namespace {

struct Item {
  const char* name;
  const char* caption;
  QKeySequence shortcut;
};

TEST(MainWindowTest, MenuAndPopupItemsCarryNamesCaptionsAndShortcuts) {
  MainWindow form;
  const Item items[] = {
      {"actionNew", "パーティクルリストの新規作成(&N)...", {}},
      {"actionOpen", "パーティクルリストの読み込み(&R)...", {}},
      {"actionMerge", "パーティクルリストを追加読み込み(&M)...", {}},
      {"actionSave", "パーティクルリストの上書き保存(&S)...", {}},
      {"actionSaveAs", "パーティクルリストに名前を付けて保存(&A)...", {}},
      {"actionSaveImage", "空間画像の保存(&I)...", {}},
      {"actionExit", "終了(&X)", {}},
      {"actionCut", "切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X)},
      {"actionCopy", "ｺﾋﾟｰ(&C)", QKeySequence(Qt::CTRL | Qt::Key_C)},
      {"actionPaste", "貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V)},
      {"actionLaunch", "パーティクル発射！(&L)", QKeySequence(Qt::Key_F9)},
      {"actionFitColumns", "グリッドの列幅をフォームの幅に合わせる(&G)", {}},
      {"actionShowToolBar", "ツールバーを表示する(&T)", {}},
      {"actionResolution", "空間解像度の設定(&S)...", {}},
      {"actionWarningThreshold", "飽和粒子数の設定(&W)...", {}},
      {"actionAntiAliasing", "アンチエイリアシング(&A)", {}},
      {"actionWrapSpace", "空間の上下・左右をつなげる(&L)", {}},
      {"actionHelp", "Kirabelのヘルプを表示(&F)...", QKeySequence(Qt::Key_F1)},
      {"actionAbout", "あばうと(&A)...", {}},
      {"actionProperties", "プロパティ", {}},
      {"actionAddSet", "パーティクルセット追加", QKeySequence(Qt::Key_Insert)},
      {"actionDeleteSet", "パーティクルセット削除", QKeySequence(Qt::Key_Delete)},
  };
  for (const Item& item : items) {
    auto* action = form.findChild<QAction*>(QLatin1String(item.name));
    ASSERT_NE(action, nullptr) << item.name;
    EXPECT_EQ(action->text(), QString::fromUtf8(item.caption)) << item.name;
    EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
  }
  for (const char* name :
       {"fileMenu", "editMenu", "launchMenu", "optionsMenu", "helpMenu", "gridMenu"})
    EXPECT_NE(form.findChild<QMenu*>(QLatin1String(name)), nullptr) << name;
  for (const char* name : {"fileSeparator1", "fileSeparator2", "optionsSeparator",
                           "gridMenuSeparator", "helpSeparator"}) {
    auto* separator = form.findChild<QAction*>(QLatin1String(name));
    ASSERT_NE(separator, nullptr) << name;
    EXPECT_TRUE(separator->isSeparator());
  }
  EXPECT_EQ(form.gridMenu->defaultAction(), form.actionProperties);
  EXPECT_EQ(form.actionAddSet->shortcutContext(), Qt::WidgetShortcut);
  for (QAction* check : {form.actionFitColumns, form.actionShowToolBar, form.actionAntiAliasing,
                         form.actionWrapSpace})
    EXPECT_TRUE(check->isCheckable());
  EXPECT_EQ(form.menuBar()->actions().size(), 5);
}

TEST(MainWindowTest, ToolButtonsSitInOneRowWithHintsAndNoFocus) {
  MainWindow form;
  const std::pair<const char*, const char*> buttons[] = {
      {"openButton", "パーティクルリスト読み込み"},
      {"saveButton", "パーティクルリスト保存"},
      {"saveImageButton", "空間画像の保存"},
      {"cutButton", "切り取り"},
      {"copyButton", "ｺﾋﾟｰ"},
      {"pasteButton", "貼り付け"},
      {"addSetButton", "新しいパーティクルセットを追加"},
      {"changeSetButton", "選択中のパーティクルセットを変更"},
      {"deleteSetButton", "リストからパーティクルセットを削除"},
      {"launchButton", "パーティクル打ち上げ!"},
      {"stopButton", "打ち上げ中止"}};
  const int lefts[] = {4, 28, 52, 92, 116, 140, 180, 204, 228, 268, 292};
  int i = 0;
  for (const auto& [objectName, hint] : buttons) {
    const QString name = QLatin1String(objectName);
    auto* button = form.findChild<QToolButton*>(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    EXPECT_EQ(button->parentWidget(), form.toolBar);
    EXPECT_EQ(button->geometry(), QRect(lefts[i++], 4, 25, 25)) << name.toStdString();
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(hint));
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  }
  EXPECT_EQ(form.toolBar->height(), 33);
  EXPECT_EQ(form.menuRule->height(), 2);
  EXPECT_EQ(form.statusPanel->height(), 26);
  EXPECT_EQ(form.progressBar->width(), 143);
  EXPECT_EQ(form.progressBar->minimum(), 0);
  EXPECT_EQ(form.progressBar->maximum(), 100);
  EXPECT_EQ(form.progressBar->toolTip(), QStringLiteral("[ESC]キーで計算をキャンセルできます"));
}

TEST(MainWindowTest, CaptionNamesTheFileOrUntitled) {
  MainWindow form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Kirabel -名称未設定-"));
  form.document().setFileName("/home/u/花火/fire.PCL");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Kirabel -fire.PCL-"));
  EXPECT_EQ(form.document().fileName(), "/home/u/花火/fire.PCL");
  form.document().setFileName("/home/u/");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Kirabel -名称未設定-"));
  form.document().setFileName("");
  EXPECT_TRUE(form.document().fileName().empty());
}

TEST(MainWindowTest, BusyStateSwitchesLaunchStopAndResolutionCommands) {
  MainWindow form;
  SpaceViewer viewer;
  form.viewer = &viewer;
  EXPECT_FALSE(form.busy);  // idle from the start
  EXPECT_TRUE(form.launchButton->isEnabled());
  EXPECT_TRUE(form.actionLaunch->isEnabled());
  EXPECT_FALSE(form.stopButton->isEnabled());

  form.setBusy(true);
  viewer.setWindowTitle(ViewerDrawingCaption(3, 10));
  EXPECT_TRUE(form.busy);
  EXPECT_FALSE(form.launchButton->isEnabled());
  EXPECT_FALSE(form.actionLaunch->isEnabled());
  EXPECT_TRUE(form.stopButton->isEnabled());
  EXPECT_FALSE(form.actionResolution->isEnabled());
  EXPECT_EQ(viewer.windowTitle(), QStringLiteral("作画中です...3/10"));

  form.stopButton->click();
  EXPECT_FALSE(form.busy);
  EXPECT_TRUE(form.launchButton->isEnabled());
  EXPECT_FALSE(form.stopButton->isEnabled());
  EXPECT_TRUE(form.actionResolution->isEnabled());
  EXPECT_EQ(viewer.windowTitle(), QStringLiteral("空間ビューワ"));
  viewer.setCloseAllowed(true);
}

}  // namespace
}  // namespace kirabel

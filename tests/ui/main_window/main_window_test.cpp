// The main window's command surface and state: components with their names,
// captions, shortcuts and places; the caption; the busy state.
#include "ui/main_window/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStringList>
#include <QToolBar>
#include <QToolButton>

#include "ui/widgets/space_viewer.h"
#include "ui_support/child_widget.h"
#include "ui_support/main_window_test_access.h"

namespace kirabel {
namespace {

// The menus and the grid's popup, item by item: name, caption, shortcut and
// whether it carries a check mark.
TEST(MainWindowTest, MenusAndPopupMatchTheirTable) {
  MainWindow form;
  const struct {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    bool checkable;
  } items[] = {
      {"actionNew", "パーティクルリストの新規作成(&N)...", {}, false},
      {"actionOpen", "パーティクルリストの読み込み(&R)...", {}, false},
      {"actionMerge", "パーティクルリストを追加読み込み(&M)...", {}, false},
      {"actionSave", "パーティクルリストの上書き保存(&S)...", {}, false},
      {"actionSaveAs", "パーティクルリストに名前を付けて保存(&A)...", {}, false},
      {"actionSaveImage", "空間画像の保存(&I)...", {}, false},
      {"actionExportAnimation", "アニメーションを書き出す(&V)...", {}, false},
      {"actionExportLongExposure", "長時間露光で書き出す(&L)...", {}, false},
      {"actionExit", "終了(&X)", {}, false},
      {"actionUndo", "元に戻す(&U)", QKeySequence(Qt::CTRL | Qt::Key_Z), false},
      {"actionRedo", "やり直し(&R)", QKeySequence(Qt::CTRL | Qt::Key_Y), false},
      {"actionCut", "切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X), false},
      {"actionCopy", "ｺﾋﾟｰ(&C)", QKeySequence(Qt::CTRL | Qt::Key_C), false},
      {"actionPaste", "貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V), false},
      {"actionLaunch", "パーティクル発射！(&L)", QKeySequence(Qt::Key_F9), false},
      {"actionPreview", "プレビュー(&P)", QKeySequence(Qt::Key_F5), true},
      {"actionHandles", "ハンドル(&H)", {}, true},
      {"actionFitToSoundtrack", "サウンドトラックに合わせる(&S)", {}, false},
      {"actionSoundtrack", "サウンドトラックと拍(&B)...", {}, false},
      {"actionTimeline", "タイムライン(&T)", QKeySequence(Qt::Key_F6), false},
      {"actionFitColumns", "グリッドの列幅をフォームの幅に合わせる(&G)", {}, true},
      {"actionShowToolBar", "ツールバーを表示する(&T)", {}, true},
      {"actionResolution", "空間解像度の設定(&S)...", {}, false},
      {"actionWarningThreshold", "飽和粒子数の設定(&W)...", {}, false},
      {"actionAntiAliasing", "アンチエイリアシング(&A)", {}, true},
      {"actionWrapSpace", "空間の上下・左右をつなげる(&L)", {}, true},
      {"actionLanguage", "言語(&N)", {}, false},
      {"actionLanguageAutomatic", "自動(&A)", {}, true},
      {"actionLanguageJapanese", "日本語(&J)", {}, true},
      {"actionLanguageEnglish", "English(&E)", {}, true},
      {"actionHelp", "Kirabelのヘルプを表示(&F)...", QKeySequence(Qt::Key_F1), false},
      {"actionAbout", "あばうと(&A)...", {}, false},
      {"actionProperties", "プロパティ", {}, false},
      {"actionAddSet", "パーティクルセット追加", QKeySequence(Qt::Key_Insert), false},
      {"actionDeleteSet", "パーティクルセット削除", QKeySequence(Qt::Key_Delete), false},
  };
  for (const auto& item : items) {
    auto* action = form.findChild<QAction*>(QLatin1String(item.name));
    ASSERT_NE(action, nullptr) << item.name;
    EXPECT_EQ(action->text(), QString::fromUtf8(item.caption)) << item.name;
    EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
    EXPECT_EQ(action->isCheckable(), item.checkable) << item.name;
  }
  QStringList titles;
  for (const QAction* menu : form.menuBar()->actions()) titles << menu->text();
  EXPECT_EQ(titles, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                 QStringLiteral("打ち上げ(&L)"), QStringLiteral("設定(&O)"),
                                 QStringLiteral("ヘルプ(&H)")}));
  QStringList options;
  for (const QAction* item : testing::Child<QMenu>(form, "optionsMenu")->actions())
    options << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
  EXPECT_EQ(options,
            (QStringList{QStringLiteral("actionFitColumns"), QStringLiteral("actionShowToolBar"),
                         QStringLiteral("-"), QStringLiteral("actionResolution"),
                         QStringLiteral("actionWarningThreshold"),
                         QStringLiteral("actionAntiAliasing"), QStringLiteral("actionWrapSpace"),
                         QStringLiteral("-"), QStringLiteral("actionLanguage")}));
  EXPECT_EQ(testing::Child<QMenu>(form, "gridMenu")->defaultAction(),
            testing::Child<QAction>(form, "actionProperties"));
  EXPECT_TRUE(
      testing::Child<QAction>(form, "actionProperties")->font().bold());  // the default item
  EXPECT_FALSE(testing::Child<QAction>(form, "actionAddSet")->font().bold());
  EXPECT_EQ(testing::Child<QAction>(form, "actionAddSet")->shortcutContext(), Qt::WidgetShortcut);
}

TEST(MainWindowTest, ToolButtonsRepeatMenuActionsInGroupsWithHintsAndNoFocus) {
  MainWindow form;
  form.show();
  const struct {
    const char* name;
    const char* action;  // the menu command the button shares
    const char* hint;
    bool groupStart;  // a wider gap before it
  } buttons[] = {
      {"openButton", "actionOpen", "パーティクルリスト読み込み", false},
      {"saveButton", "actionSaveAs", "パーティクルリスト保存", false},
      {"saveImageButton", "actionSaveImage", "空間画像の保存", false},
      {"cutButton", "actionCut", "切り取り", true},
      {"copyButton", "actionCopy", "ｺﾋﾟｰ", false},
      {"pasteButton", "actionPaste", "貼り付け", false},
      {"addSetButton", "actionProperties", "新しいパーティクルセットを追加", true},
      {"changeSetButton", "actionAddSet", "選択中のパーティクルセットを変更", false},
      {"deleteSetButton", "actionDeleteSet", "リストからパーティクルセットを削除", false},
      {"launchButton", "actionLaunch", "パーティクル打ち上げ!", true},
      {"stopButton", "actionStop", "打ち上げ中止", false},
  };
  const QToolButton* previous = nullptr;
  for (const auto& b : buttons) {
    auto* button = testing::Child<QToolButton>(form, b.name);
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->parentWidget(), testing::Child<QToolBar>(form, "toolBar")) << b.name;
    EXPECT_EQ(button->defaultAction(), testing::Child<QAction>(form, b.action)) << b.name;
    EXPECT_EQ(button->size(), QSize(25, 25)) << b.name;
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(b.hint)) << b.name;
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << b.name;
    EXPECT_FALSE(button->icon().isNull()) << b.name;
    EXPECT_FALSE(button->defaultAction()->isIconVisibleInMenu()) << b.name;
    if (previous) {
      EXPECT_EQ(button->y(), previous->y()) << b.name;
      const int gap = button->x() - previous->geometry().right();
      EXPECT_TRUE(b.groupStart ? gap > 5 : gap > 0 && gap <= 5) << b.name << " gap " << gap;
    }
    previous = button;
  }
  EXPECT_FALSE(testing::Child<QToolBar>(form, "toolBar")->isMovable());
  EXPECT_FALSE(testing::Child<QToolBar>(form, "toolBar")->isFloatable());
  EXPECT_FALSE(testing::Child<QToolBar>(form, "toolBar")->toggleViewAction()->isVisible());
  EXPECT_EQ(testing::Child<QToolBar>(form, "toolBar")->height(), 33);
  EXPECT_EQ(testing::Child<QFrame>(form, "menuRule")->height(), 2);
  EXPECT_EQ(testing::Child<QFrame>(form, "statusPanel")->height(), 26);
  EXPECT_EQ(testing::Child<QProgressBar>(form, "progressBar")->width(), 143);
  EXPECT_EQ(testing::Child<QProgressBar>(form, "progressBar")->minimum(), 0);
  EXPECT_EQ(testing::Child<QProgressBar>(form, "progressBar")->maximum(), 100);
  EXPECT_EQ(testing::Child<QProgressBar>(form, "progressBar")->toolTip(),
            QStringLiteral("[ESC]キーで計算をキャンセルできます"));
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
  SpaceViewer viewer;
  MainWindow form(&viewer);
  EXPECT_FALSE(MainWindowTestAccess(form).launchSession().busy());  // idle from the start
  EXPECT_TRUE(testing::Child<QToolButton>(form, "launchButton")->isEnabled());
  EXPECT_TRUE(testing::Child<QAction>(form, "actionLaunch")->isEnabled());
  EXPECT_FALSE(testing::Child<QToolButton>(form, "stopButton")->isEnabled());

  MainWindowTestAccess(form).setBusy(true);
  EXPECT_TRUE(MainWindowTestAccess(form).launchSession().busy());
  EXPECT_FALSE(testing::Child<QToolButton>(form, "launchButton")->isEnabled());
  EXPECT_FALSE(testing::Child<QAction>(form, "actionLaunch")->isEnabled());
  EXPECT_TRUE(testing::Child<QToolButton>(form, "stopButton")->isEnabled());
  EXPECT_FALSE(testing::Child<QAction>(form, "actionResolution")->isEnabled());

  testing::Child<QToolButton>(form, "stopButton")->click();
  EXPECT_FALSE(MainWindowTestAccess(form).launchSession().busy());
  EXPECT_TRUE(testing::Child<QToolButton>(form, "launchButton")->isEnabled());
  EXPECT_FALSE(testing::Child<QToolButton>(form, "stopButton")->isEnabled());
  EXPECT_TRUE(testing::Child<QAction>(form, "actionResolution")->isEnabled());
  EXPECT_EQ(viewer.windowTitle(), QStringLiteral("空間ビューワ"));
  viewer.setCloseAllowed(true);
}

}  // namespace
}  // namespace kirabel

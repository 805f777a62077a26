// Construction of the main window: menus, tool bar, popup menu and layout.
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QResizeEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "document/child_set_model.h"
#include "document/shell_thumbnails.h"
#include "model/launch_settings.h"
#include "simulation/space_buffer.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/launch_settings_dialog.h"
#include "ui/dialogs/look_dialog.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/dialogs/resolution_dialog.h"
#include "ui/dialogs/soundtrack_dialog.h"
#include "ui/dialogs/threshold_dialog.h"
#include "ui/launch/animation_export.h"
#include "ui/launch/window_launch.h"
#include "ui/library/shell_library_window.h"
#include "ui/main_window/language_menu.h"
#include "ui/main_window/recent_files_menu.h"
#include "ui/main_window/tool_icons.h"
#include "ui/services/program_font.h"
#include "ui/timeline/timeline_window.h"
#include "ui/widgets/particle_grid.h"
#include "ui/widgets/space_viewer.h"
#include "ui/widgets/status_message.h"

namespace kirabel {

const char kApplicationTitle[] = "Kirabel";

namespace {

constexpr int kBevelHeight = 2;
constexpr int kToolBarHeight = 33;
constexpr int kStatusHeight = 26;
constexpr int kProgressWidth = 143;
constexpr int kButtonSize = 25;

}  // namespace

MainWindow::MainWindow(SpaceViewer* viewer, QWidget* parent)
    : QMainWindow(parent), viewer_(viewer), childChoices_(new ChildSetModel(document_, this)) {
  setObjectName(QStringLiteral("mainWindow"));
  setFont(ProgramFont());
  resize(512, 291);
  createMenus();
  grid_ = new ParticleGrid(document_, selection_, this);
  createGridMenu();
  createToolBar();
  createStatusPanel();
  createLayout();
  connectDocument();
  showOptions();
  setInterfaceOptions(interfaceOptions_);
  setBusy(false);
  grid_->setInitialMetrics();
  showFileName();
  setAcceptDrops(true);
  createTimeline();
  createShellLibrary();
  // Undo and redo, the launch, the preview, the timeline, the shell library
  // (whose entries are dropped onto the viewer) and the help keep
  // their keys while the viewer is the active window (one action each, so no
  // key is ambiguous).
  if (viewer_)
    viewer_->addActions({actionUndo_, actionRedo_, actionLaunch_, actionPreview_, actionTimeline_,
                         actionShellLibrary_, actionHelp_});
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::addMenuItem(QMenu* menu, const char* name, const QString& caption,
                                 void (MainWindow::*handler)(), const QKeySequence& shortcut) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(name));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, handler);
  menu->addAction(action);
  return action;
}

void MainWindow::addMenuSeparator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(QLatin1String(name));
}

void MainWindow::createMenus() {
  createFileMenu();
  createEditMenu();
  createLaunchMenu();
  createOptionsMenu();
  createHelpMenu();
}

void MainWindow::createFileMenu() {
  fileMenu_ = menuBar()->addMenu(tr("ファイル(&F)"));
  fileMenu_->setObjectName(QStringLiteral("fileMenu"));
  actionNew_ = addMenuItem(fileMenu_, "actionNew", tr("パーティクルリストの新規作成(&N)..."),
                           &MainWindow::newList);
  actionOpen_ = addMenuItem(fileMenu_, "actionOpen", tr("パーティクルリストの読み込み(&R)..."),
                            &MainWindow::openList);
  actionMerge_ = addMenuItem(fileMenu_, "actionMerge",
                             tr("パーティクルリストを追加読み込み(&M)..."), &MainWindow::mergeList);
  actionSave_ = addMenuItem(fileMenu_, "actionSave", tr("パーティクルリストの上書き保存(&S)..."),
                            &MainWindow::saveList);
  actionSaveAs_ =
      addMenuItem(fileMenu_, "actionSaveAs", tr("パーティクルリストに名前を付けて保存(&A)..."),
                  &MainWindow::saveListAs);
  addMenuSeparator(fileMenu_, "fileSeparator1");
  actionSaveImage_ = addMenuItem(fileMenu_, "actionSaveImage", tr("空間画像の保存(&I)..."),
                                 &MainWindow::saveImage);
  actionExportAnimation_ =
      addMenuItem(fileMenu_, "actionExportAnimation", tr("アニメーションを書き出す(&V)..."),
                  &MainWindow::exportAnimation);
  actionExportLongExposure_ =
      addMenuItem(fileMenu_, "actionExportLongExposure", tr("長時間露光で書き出す(&L)..."),
                  &MainWindow::exportLongExposure);
  addMenuSeparator(fileMenu_, "fileSeparator2");
  recentFilesMenu_ = new RecentFilesMenu(this);
  connect(recentFilesMenu_, &RecentFilesMenu::fileChosen, this, &MainWindow::openRecentFile);
  connect(recentFilesMenu_, &RecentFilesMenu::changed, this, &MainWindow::recentFilesChanged);
  fileMenu_->addMenu(recentFilesMenu_);
  addMenuSeparator(fileMenu_, "fileSeparator3");
  actionExit_ = addMenuItem(fileMenu_, "actionExit", tr("終了(&X)"), &MainWindow::exitProgram);
}

void MainWindow::createEditMenu() {
  editMenu_ = menuBar()->addMenu(tr("編集(&E)"));
  editMenu_->setObjectName(QStringLiteral("editMenu"));
  actionUndo_ = addMenuItem(editMenu_, "actionUndo", tr("元に戻す(&U)"), &MainWindow::undo,
                            QKeySequence(Qt::CTRL | Qt::Key_Z));
  actionRedo_ = addMenuItem(editMenu_, "actionRedo", tr("やり直し(&R)"), &MainWindow::redo,
                            QKeySequence(Qt::CTRL | Qt::Key_Y));
  actionRedo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  addMenuSeparator(editMenu_, "editSeparator");
  actionCut_ = addMenuItem(editMenu_, "actionCut", tr("切り取り(&T)"), &MainWindow::cutSet,
                           QKeySequence(Qt::CTRL | Qt::Key_X));
  actionCopy_ = addMenuItem(editMenu_, "actionCopy", tr("ｺﾋﾟｰ(&C)"), &MainWindow::copySet,
                            QKeySequence(Qt::CTRL | Qt::Key_C));
  actionPaste_ = addMenuItem(editMenu_, "actionPaste", tr("貼り付け(&P)"), &MainWindow::pasteSet,
                             QKeySequence(Qt::CTRL | Qt::Key_V));
  addMenuSeparator(editMenu_, "editSeparator2");
  actionShellLibrary_ =
      addMenuItem(editMenu_, "actionShellLibrary", tr("花火玉ライブラリ(&B)..."),
                  &MainWindow::showShellLibrary, QKeySequence(Qt::CTRL | Qt::Key_B));
  actionSaveShell_ = addMenuItem(editMenu_, "actionSaveShell", tr("選択を花火玉として保存(&S)..."),
                                 &MainWindow::saveSelectionAsShell);
}

void MainWindow::createLaunchMenu() {
  launchMenu_ = menuBar()->addMenu(tr("打ち上げ(&L)"));
  launchMenu_->setObjectName(QStringLiteral("launchMenu"));
  actionLaunch_ = addMenuItem(launchMenu_, "actionLaunch", tr("パーティクル発射！(&L)"),
                              &MainWindow::launch, QKeySequence(Qt::Key_F9));
  actionPreview_ = addMenuItem(launchMenu_, "actionPreview", tr("プレビュー(&P)"),
                               &MainWindow::applyPreview, QKeySequence(Qt::Key_F5));
  actionPreview_->setCheckable(true);
  actionHandles_ =
      addMenuItem(launchMenu_, "actionHandles", tr("ハンドル(&H)"), &MainWindow::applyHandles);
  actionHandles_->setCheckable(true);
  actionHandles_->setIconText(tr("ハンドル"));  // on the preview's time bar
  actionFitToSoundtrack_ =
      addMenuItem(launchMenu_, "actionFitToSoundtrack", tr("サウンドトラックに合わせる(&S)"),
                  &MainWindow::fitLaunchToSoundtrack);
  actionSoundtrack_ = addMenuItem(launchMenu_, "actionSoundtrack",
                                  tr("サウンドトラックと拍(&B)..."), &MainWindow::editSoundtrack);
  actionLook_ = addMenuItem(launchMenu_, "actionLook", tr("見た目(&K)..."), &MainWindow::editLook);
  actionTimeline_ = addMenuItem(launchMenu_, "actionTimeline", tr("タイムライン(&T)"),
                                &MainWindow::showTimeline, QKeySequence(Qt::Key_F6));
}

void MainWindow::createOptionsMenu() {
  optionsMenu_ = menuBar()->addMenu(tr("設定(&O)"));
  optionsMenu_->setObjectName(QStringLiteral("optionsMenu"));
  actionFitColumns_ =
      addMenuItem(optionsMenu_, "actionFitColumns",
                  tr("グリッドの列幅をフォームの幅に合わせる(&G)"), &MainWindow::applyFitColumns);
  actionShowToolBar_ =
      addMenuItem(optionsMenu_, "actionShowToolBar", tr("ツールバーを表示する(&T)"),
                  &MainWindow::applyToolBarVisibility);
  addMenuSeparator(optionsMenu_, "optionsSeparator");
  actionResolution_ = addMenuItem(optionsMenu_, "actionResolution", tr("空間解像度の設定(&S)..."),
                                  &MainWindow::editResolution);
  actionWarningThreshold_ =
      addMenuItem(optionsMenu_, "actionWarningThreshold", tr("飽和粒子数の設定(&W)..."),
                  &MainWindow::editWarningThreshold);
  actionAntiAliasing_ = addMenuItem(optionsMenu_, "actionAntiAliasing",
                                    tr("アンチエイリアシング(&A)"), &MainWindow::applyAntiAliasing);
  actionWrapSpace_ = addMenuItem(optionsMenu_, "actionWrapSpace",
                                 tr("空間の上下・左右をつなげる(&L)"), &MainWindow::applyWrapSpace);
  for (QAction* item :
       {actionFitColumns_, actionShowToolBar_, actionAntiAliasing_, actionWrapSpace_})
    item->setCheckable(true);
  addMenuSeparator(optionsMenu_, "languageSeparator");
  languageMenu_ = new LanguageMenu(this);
  connect(languageMenu_, &LanguageMenu::chosen, this, &MainWindow::applyLanguage);
  optionsMenu_->addMenu(languageMenu_);
}

void MainWindow::createHelpMenu() {
  helpMenu_ = menuBar()->addMenu(tr("ヘルプ(&H)"));
  helpMenu_->setObjectName(QStringLiteral("helpMenu"));
  actionHelp_ = addMenuItem(helpMenu_, "actionHelp", tr("Kirabelのヘルプを表示(&F)..."),
                            &MainWindow::showHelp, QKeySequence(Qt::Key_F1));
  addMenuItem(helpMenu_, "actionGuide", tr("ユーザーガイド(&G)..."), &MainWindow::showGuide);
  addMenuSeparator(helpMenu_, "helpSeparator");
  actionAbout_ =
      addMenuItem(helpMenu_, "actionAbout", tr("あばうと(&A)..."), &MainWindow::showAbout);
}

void MainWindow::createGridMenu() {
  gridMenu_ = new QMenu(this);
  gridMenu_->setObjectName(QStringLiteral("gridMenu"));
  // Intended: the popup's "プロパティ" item adds a new set, as the add button
  // does; changing the selected set is "パーティクルセット追加", Enter or a
  // double click.
  actionNewSet_ = addMenuItem(gridMenu_, "actionProperties", tr("プロパティ"), &MainWindow::addSet);
  gridMenu_->setDefaultAction(actionNewSet_);
  QFont bold = actionNewSet_->font();
  bold.setBold(true);
  actionNewSet_->setFont(bold);  // the default item is shown in bold
  addMenuSeparator(gridMenu_, "gridMenuSeparator");
  actionChangeSet_ = addMenuItem(gridMenu_, "actionAddSet", tr("パーティクルセット追加"),
                                 &MainWindow::changeSelectedSet, QKeySequence(Qt::Key_Insert));
  actionDeleteSet_ = addMenuItem(gridMenu_, "actionDeleteSet", tr("パーティクルセット削除"),
                                 &MainWindow::deleteSelectedSet, QKeySequence(Qt::Key_Delete));
  // The popup's shortcuts work while the grid has the keyboard focus.
  for (QAction* item : {actionChangeSet_, actionDeleteSet_}) {
    item->setShortcutContext(Qt::WidgetShortcut);
    grid_->addAction(item);
  }
  grid_->setPopupMenu(gridMenu_);
}

// The tool bar repeats menu commands; its buttons take the picture (normal
// and disabled), the tip and the enabled state from their actions. The icons
// show on the tool bar only.
void MainWindow::addToolButton(QAction* action, const char* buttonName, const QString& tip) {
  action->setIcon(ToolIcon(QLatin1String(buttonName)));
  action->setIconVisibleInMenu(false);
  action->setToolTip(tip);
  toolBar_->addAction(action);
  auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action));
  button->setObjectName(QLatin1String(buttonName));
  button->setFixedSize(kButtonSize, kButtonSize);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(false);
}

void MainWindow::createToolBar() {
  toolBar_ = new QToolBar(this);
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->toggleViewAction()->setVisible(false);
  toolBar_->setIconSize(QSize(16, 16));
  toolBar_->setFixedHeight(kToolBarHeight);
  // Stopping a launch has no menu item: the tool bar and Esc in the grid.
  actionStop_ = new QAction(this);
  actionStop_->setObjectName(QStringLiteral("actionStop"));
  connect(actionStop_, &QAction::triggered, this, &MainWindow::stopLaunch);
  addToolButton(actionOpen_, "openButton", tr("パーティクルリスト読み込み"));
  addToolButton(actionSaveAs_, "saveButton", tr("パーティクルリスト保存"));
  addToolButton(actionSaveImage_, "saveImageButton", tr("空間画像の保存"));
  toolBar_->addSeparator();
  addToolButton(actionCut_, "cutButton", tr("切り取り"));
  addToolButton(actionCopy_, "copyButton", tr("ｺﾋﾟｰ"));
  addToolButton(actionPaste_, "pasteButton", tr("貼り付け"));
  toolBar_->addSeparator();
  // The add and change buttons share the popup's actions.
  addToolButton(actionNewSet_, "addSetButton", tr("新しいパーティクルセットを追加"));
  addToolButton(actionChangeSet_, "changeSetButton", tr("選択中のパーティクルセットを変更"));
  addToolButton(actionDeleteSet_, "deleteSetButton", tr("リストからパーティクルセットを削除"));
  toolBar_->addSeparator();
  addToolButton(actionLaunch_, "launchButton", tr("パーティクル打ち上げ!"));
  addToolButton(actionStop_, "stopButton", tr("打ち上げ中止"));
}

void MainWindow::createStatusPanel() {
  statusPanel_ = new QFrame(this);
  statusPanel_->setObjectName(QStringLiteral("statusPanel"));
  statusPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  statusPanel_->setFixedHeight(kStatusHeight);
  progressBar_ = new QProgressBar(statusPanel_);
  progressBar_->setObjectName(QStringLiteral("progressBar"));
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);
  progressBar_->setFixedWidth(kProgressWidth);
  progressBar_->setToolTip(tr("[ESC]キーで計算をキャンセルできます"));
  statusMessage_ = new StatusMessage(statusPanel_);
  auto* layout = new QHBoxLayout(statusPanel_);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(statusMessage_, 1);
  layout->addWidget(progressBar_);
}

void MainWindow::createLayout() {
  menuRule_ = new QFrame(this);
  menuRule_->setObjectName(QStringLiteral("menuRule"));
  menuRule_->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  menuRule_->setFixedHeight(kBevelHeight);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(menuRule_);
  layout->addWidget(toolBar_);
  layout->addWidget(grid_, 1);
  layout->addWidget(statusPanel_);
  setCentralWidget(central);
}

void MainWindow::connectDocument() {
  connect(grid_, &ParticleGrid::escapePressed, this, &MainWindow::stopLaunch);
  connect(grid_, &ParticleGrid::rowActivated, this, &MainWindow::changeSelectedSet);
  connect(&document_, &Document::fileNameChanged, this, &MainWindow::showFileName);
  connect(&document_, &Document::modifiedChanged, this, &MainWindow::showFileName);
  QUndoStack& history = document_.history();
  connect(&history, &QUndoStack::indexChanged, this, &MainWindow::showHistory);
  showHistory();
  connect(&document_, &Document::optionsChanged, this, &MainWindow::showOptions);
  connect(&document_, &Document::lookChanged, this, [this] { developInLook(document_.look()); });
}

// Undo and redo are there when there is a step to take back or redo, and
// name it.
void MainWindow::showHistory() {
  const QUndoStack& history = document_.history();
  const auto named = [](const QString& caption, const QString& step) {
    return step.isEmpty() ? caption : caption + QLatin1Char(' ') + step;
  };
  actionUndo_->setEnabled(history.canUndo());
  actionUndo_->setText(named(tr("元に戻す(&U)"), history.undoText()));
  actionRedo_->setEnabled(history.canRedo());
  actionRedo_->setText(named(tr("やり直し(&R)"), history.redoText()));
}

void MainWindow::undo() {
  document_.history().undo();
}

void MainWindow::redo() {
  document_.history().redo();
}

// The caption "Kirabel -<name>-", with the name part of the current file or
// "名称未設定" (untitled).
void MainWindow::showFileName() {
  QString name = QString::fromStdString(document_.fileName());
  const int slash = qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
  name = name.mid(slash + 1);
  if (name.isEmpty()) name = tr("名称未設定");
  if (document_.modified()) name += QLatin1Char('*');
  setWindowTitle(QLatin1String(kApplicationTitle) + QStringLiteral(" -") + name +
                 QStringLiteral("-"));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (document_.options().fitColumns) grid_->fitColumns(width());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  event->acceptProposedAction();
  if (!paths.isEmpty()) dropFiles(paths);
}

}  // namespace kirabel

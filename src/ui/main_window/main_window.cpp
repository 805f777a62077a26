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
#include "model/launch_settings.h"
#include "simulation/space_buffer.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/launch_settings_dialog.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/dialogs/resolution_dialog.h"
#include "ui/dialogs/threshold_dialog.h"
#include "ui/launch/animation_export.h"
#include "ui/launch/window_launch.h"
#include "ui/main_window/language_menu.h"
#include "ui/main_window/recent_files_menu.h"
#include "ui/main_window/tool_icons.h"
#include "ui/services/program_font.h"
#include "ui/widgets/particle_grid.h"

namespace kirabel {

const char kApplicationTitle[] = "Kirabel";

namespace {

constexpr int kBevelHeight = 2;
constexpr int kToolBarHeight = 33;
constexpr int kStatusHeight = 26;
constexpr int kProgressWidth = 143;
constexpr int kButtonSize = 25;

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), childChoices_(new ChildSetModel(document_, this)) {
  setObjectName(QStringLiteral("mainWindow"));
  setFont(ProgramFont());
  resize(512, 291);
  createMenus();
  grid = new ParticleGrid(document_, this);
  createGridMenu();
  createToolBar();
  createStatusPanel();
  createLayout();
  connectDocument();
  showOptions();
  setInterfaceOptions(interfaceOptions_);
  setBusy(false);
  grid->setInitialMetrics();
  showFileName();
  setAcceptDrops(true);
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
  fileMenu = menuBar()->addMenu(tr("ファイル(&F)"));
  fileMenu->setObjectName(QStringLiteral("fileMenu"));
  actionNew = addMenuItem(fileMenu, "actionNew", tr("パーティクルリストの新規作成(&N)..."),
                          &MainWindow::newList);
  actionOpen = addMenuItem(fileMenu, "actionOpen", tr("パーティクルリストの読み込み(&R)..."),
                           &MainWindow::openList);
  actionMerge = addMenuItem(fileMenu, "actionMerge", tr("パーティクルリストを追加読み込み(&M)..."),
                            &MainWindow::mergeList);
  actionSave = addMenuItem(fileMenu, "actionSave", tr("パーティクルリストの上書き保存(&S)..."),
                           &MainWindow::saveList);
  actionSaveAs =
      addMenuItem(fileMenu, "actionSaveAs", tr("パーティクルリストに名前を付けて保存(&A)..."),
                  &MainWindow::saveListAs);
  addMenuSeparator(fileMenu, "fileSeparator1");
  actionSaveImage =
      addMenuItem(fileMenu, "actionSaveImage", tr("空間画像の保存(&I)..."), &MainWindow::saveImage);
  actionExportAnimation =
      addMenuItem(fileMenu, "actionExportAnimation", tr("アニメーションを書き出す(&V)..."),
                  &MainWindow::exportAnimation);
  addMenuSeparator(fileMenu, "fileSeparator2");
  recentFilesMenu = new RecentFilesMenu(this);
  connect(recentFilesMenu, &RecentFilesMenu::fileChosen, this, &MainWindow::openRecentFile);
  fileMenu->addMenu(recentFilesMenu);
  addMenuSeparator(fileMenu, "fileSeparator3");
  actionExit = addMenuItem(fileMenu, "actionExit", tr("終了(&X)"), &MainWindow::exitProgram);
}

void MainWindow::createEditMenu() {
  editMenu = menuBar()->addMenu(tr("編集(&E)"));
  editMenu->setObjectName(QStringLiteral("editMenu"));
  actionUndo = addMenuItem(editMenu, "actionUndo", tr("元に戻す(&U)"), &MainWindow::undo,
                           QKeySequence(Qt::CTRL | Qt::Key_Z));
  actionRedo = addMenuItem(editMenu, "actionRedo", tr("やり直し(&R)"), &MainWindow::redo,
                           QKeySequence(Qt::CTRL | Qt::Key_Y));
  actionRedo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  addMenuSeparator(editMenu, "editSeparator");
  actionCut = addMenuItem(editMenu, "actionCut", tr("切り取り(&T)"), &MainWindow::cutSet,
                          QKeySequence(Qt::CTRL | Qt::Key_X));
  actionCopy = addMenuItem(editMenu, "actionCopy", tr("ｺﾋﾟｰ(&C)"), &MainWindow::copySet,
                           QKeySequence(Qt::CTRL | Qt::Key_C));
  actionPaste = addMenuItem(editMenu, "actionPaste", tr("貼り付け(&P)"), &MainWindow::pasteSet,
                            QKeySequence(Qt::CTRL | Qt::Key_V));
}

void MainWindow::createLaunchMenu() {
  launchMenu = menuBar()->addMenu(tr("打ち上げ(&L)"));
  launchMenu->setObjectName(QStringLiteral("launchMenu"));
  actionLaunch = addMenuItem(launchMenu, "actionLaunch", tr("パーティクル発射！(&L)"),
                             &MainWindow::launch, QKeySequence(Qt::Key_F9));
  actionPreview = addMenuItem(launchMenu, "actionPreview", tr("プレビュー(&P)"),
                              &MainWindow::applyPreview, QKeySequence(Qt::Key_F5));
  actionPreview->setCheckable(true);
}

void MainWindow::createOptionsMenu() {
  optionsMenu = menuBar()->addMenu(tr("設定(&O)"));
  optionsMenu->setObjectName(QStringLiteral("optionsMenu"));
  actionFitColumns =
      addMenuItem(optionsMenu, "actionFitColumns", tr("グリッドの列幅をフォームの幅に合わせる(&G)"),
                  &MainWindow::applyFitColumns);
  actionShowToolBar = addMenuItem(optionsMenu, "actionShowToolBar", tr("ツールバーを表示する(&T)"),
                                  &MainWindow::applyToolBarVisibility);
  addMenuSeparator(optionsMenu, "optionsSeparator");
  actionResolution = addMenuItem(optionsMenu, "actionResolution", tr("空間解像度の設定(&S)..."),
                                 &MainWindow::editResolution);
  actionWarningThreshold =
      addMenuItem(optionsMenu, "actionWarningThreshold", tr("飽和粒子数の設定(&W)..."),
                  &MainWindow::editWarningThreshold);
  actionAntiAliasing = addMenuItem(optionsMenu, "actionAntiAliasing",
                                   tr("アンチエイリアシング(&A)"), &MainWindow::applyAntiAliasing);
  actionWrapSpace = addMenuItem(optionsMenu, "actionWrapSpace",
                                tr("空間の上下・左右をつなげる(&L)"), &MainWindow::applyWrapSpace);
  for (QAction* item : {actionFitColumns, actionShowToolBar, actionAntiAliasing, actionWrapSpace})
    item->setCheckable(true);
  addMenuSeparator(optionsMenu, "languageSeparator");
  languageMenu = new LanguageMenu(this);
  connect(languageMenu, &LanguageMenu::chosen, this, &MainWindow::applyLanguage);
  optionsMenu->addMenu(languageMenu);
}

void MainWindow::createHelpMenu() {
  helpMenu = menuBar()->addMenu(tr("ヘルプ(&H)"));
  helpMenu->setObjectName(QStringLiteral("helpMenu"));
  actionHelp = addMenuItem(helpMenu, "actionHelp", tr("Kirabelのヘルプを表示(&F)..."),
                           &MainWindow::showHelp, QKeySequence(Qt::Key_F1));
  addMenuSeparator(helpMenu, "helpSeparator");
  actionAbout = addMenuItem(helpMenu, "actionAbout", tr("あばうと(&A)..."), &MainWindow::showAbout);
}

void MainWindow::createGridMenu() {
  gridMenu = new QMenu(this);
  gridMenu->setObjectName(QStringLiteral("gridMenu"));
  // Intended: the popup's "プロパティ" item adds a new set, as the add button
  // does; changing the selected set is Enter or a double click.
  actionProperties =
      addMenuItem(gridMenu, "actionProperties", tr("プロパティ"), &MainWindow::addSet);
  gridMenu->setDefaultAction(actionProperties);
  QFont bold = actionProperties->font();
  bold.setBold(true);
  actionProperties->setFont(bold);  // the default item is shown in bold
  addMenuSeparator(gridMenu, "gridMenuSeparator");
  actionAddSet = addMenuItem(gridMenu, "actionAddSet", tr("パーティクルセット追加"),
                             &MainWindow::changeSelectedSet, QKeySequence(Qt::Key_Insert));
  actionDeleteSet = addMenuItem(gridMenu, "actionDeleteSet", tr("パーティクルセット削除"),
                                &MainWindow::deleteSelectedSet, QKeySequence(Qt::Key_Delete));
  // The popup's shortcuts work while the grid has the keyboard focus.
  for (QAction* item : {actionAddSet, actionDeleteSet}) {
    item->setShortcutContext(Qt::WidgetShortcut);
    grid->addAction(item);
  }
  grid->setPopupMenu(gridMenu);
}

// The tool bar repeats menu commands; its buttons take the picture (normal
// and disabled), the tip and the enabled state from their actions. The icons
// show on the tool bar only.
void MainWindow::addToolButton(QAction* action, const char* buttonName, const QString& tip) {
  action->setIcon(ToolIcon(QLatin1String(buttonName)));
  action->setIconVisibleInMenu(false);
  action->setToolTip(tip);
  toolBar->addAction(action);
  auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action));
  button->setObjectName(QLatin1String(buttonName));
  button->setFixedSize(kButtonSize, kButtonSize);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(false);
}

void MainWindow::createToolBar() {
  toolBar = new QToolBar(this);
  toolBar->setObjectName(QStringLiteral("toolBar"));
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  toolBar->toggleViewAction()->setVisible(false);
  toolBar->setIconSize(QSize(16, 16));
  toolBar->setFixedHeight(kToolBarHeight);
  // Stopping a launch has no menu item: the tool bar and Esc in the grid.
  actionStop = new QAction(this);
  actionStop->setObjectName(QStringLiteral("actionStop"));
  connect(actionStop, &QAction::triggered, this, &MainWindow::stopLaunch);
  addToolButton(actionOpen, "openButton", tr("パーティクルリスト読み込み"));
  addToolButton(actionSaveAs, "saveButton", tr("パーティクルリスト保存"));
  addToolButton(actionSaveImage, "saveImageButton", tr("空間画像の保存"));
  toolBar->addSeparator();
  addToolButton(actionCut, "cutButton", tr("切り取り"));
  addToolButton(actionCopy, "copyButton", tr("ｺﾋﾟｰ"));
  addToolButton(actionPaste, "pasteButton", tr("貼り付け"));
  toolBar->addSeparator();
  // The popup's "プロパティ" adds a set and its "パーティクルセット追加"
  // changes the selected one; the buttons share those actions.
  addToolButton(actionProperties, "addSetButton", tr("新しいパーティクルセットを追加"));
  addToolButton(actionAddSet, "changeSetButton", tr("選択中のパーティクルセットを変更"));
  addToolButton(actionDeleteSet, "deleteSetButton", tr("リストからパーティクルセットを削除"));
  toolBar->addSeparator();
  addToolButton(actionLaunch, "launchButton", tr("パーティクル打ち上げ!"));
  addToolButton(actionStop, "stopButton", tr("打ち上げ中止"));
}

void MainWindow::createStatusPanel() {
  statusPanel = new QFrame(this);
  statusPanel->setObjectName(QStringLiteral("statusPanel"));
  statusPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  statusPanel->setFixedHeight(kStatusHeight);
  progressBar = new QProgressBar(statusPanel);
  progressBar->setObjectName(QStringLiteral("progressBar"));
  progressBar->setRange(0, 100);
  progressBar->setValue(0);
  progressBar->setTextVisible(false);
  progressBar->setFixedWidth(kProgressWidth);
  progressBar->setToolTip(tr("[ESC]キーで計算をキャンセルできます"));
  auto* layout = new QHBoxLayout(statusPanel);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addStretch(1);
  layout->addWidget(progressBar);
}

void MainWindow::createLayout() {
  menuRule = new QFrame(this);
  menuRule->setObjectName(QStringLiteral("menuRule"));
  menuRule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  menuRule->setFixedHeight(kBevelHeight);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(menuRule);
  layout->addWidget(toolBar);
  layout->addWidget(grid, 1);
  layout->addWidget(statusPanel);
  setCentralWidget(central);
}

void MainWindow::connectDocument() {
  connect(grid, &ParticleGrid::escapePressed, this, &MainWindow::stopLaunch);
  connect(grid, &ParticleGrid::rowActivated, this, &MainWindow::changeSelectedSet);
  connect(&document_, &Document::fileNameChanged, this, &MainWindow::showFileName);
  connect(&document_, &Document::modifiedChanged, this, &MainWindow::showFileName);
  document_.setSelectionAccess([this] { return grid->selectedRow(); },
                               [this](int row) { grid->setSelectedRow(row); });
  QUndoStack& history = document_.history();
  connect(&history, &QUndoStack::indexChanged, this, &MainWindow::showHistory);
  showHistory();
  connect(&document_, &Document::optionsChanged, this, &MainWindow::showOptions);
}

// Undo and redo are there when there is a step to take back or redo, and
// name it.
void MainWindow::showHistory() {
  const QUndoStack& history = document_.history();
  const auto named = [](const QString& caption, const QString& step) {
    return step.isEmpty() ? caption : caption + QLatin1Char(' ') + step;
  };
  actionUndo->setEnabled(history.canUndo());
  actionUndo->setText(named(tr("元に戻す(&U)"), history.undoText()));
  actionRedo->setEnabled(history.canRedo());
  actionRedo->setText(named(tr("やり直し(&R)"), history.redoText()));
}

void MainWindow::undo() {
  document_.history().undo();
}

void MainWindow::redo() {
  document_.history().redo();
}

QAbstractItemModel* MainWindow::childChoices() const {
  return childChoices_;
}

int MainWindow::selectedRow() const {
  return grid->selectedRow();
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
  if (document_.options().fitColumns) grid->fitColumns(width());
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

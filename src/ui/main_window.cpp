// Construction of the main window: menus, tool bar, popup menu and layout.
#include "ui/main_window.h"

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
#include <QToolButton>
#include <QVBoxLayout>

#include "model/environment.h"
#include "simulation/space.h"
#include "ui/form_font.h"
#include "ui/launch_settings_dialog.h"
#include "ui/particle_grid.h"
#include "ui/tool_icons.h"

namespace kirabel {

const char kApplicationTitle[] = "Kirabel";

namespace {

constexpr int kBevelHeight = 2;
constexpr int kToolBarHeight = 33;
constexpr int kStatusHeight = 26;
constexpr int kProgressWidth = 143;
constexpr int kButtonSize = 25;
constexpr int kButtonTop = 4;

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), ownEnvironment_(std::make_unique<TEnvironment>()) {
  setObjectName(QStringLiteral("Form1"));
  setFont(FormFont());
  resize(512, 291);
  CreateMenus();
  CreateToolBar();
  CreateStatusPanel();
  DrawGrid1 = new TDrawGrid(List, this);
  CreatePopupMenu();
  CreateLayout();
  ConnectGrid();
  SetBusy(false);
  DrawGrid1->SetInitialMetrics();
  SetFileName(std::string());
  setAcceptDrops(true);
}

TForm1::~TForm1() = default;

QAction* TForm1::AddItem(QMenu* menu, const char* name, const QString& caption,
                         void (TForm1::*handler)(), const QKeySequence& shortcut) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(name));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, handler);
  menu->addAction(action);
  return action;
}

QAction* TForm1::AddSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QLatin1String(name));
  return separator;
}

void TForm1::CreateMenus() {
  CreateFileMenu();
  CreateEditMenu();
  CreateLaunchMenu();
  CreateOptionMenu();
  CreateHelpMenu();
}

void TForm1::CreateFileMenu() {
  K1 = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  K1->setObjectName(QStringLiteral("K1"));
  KN2 =
      AddItem(K1, "KN2", QStringLiteral("パーティクルリストの新規作成(&N)..."), &TForm1::KN2Click);
  KR1 =
      AddItem(K1, "KR1", QStringLiteral("パーティクルリストの読み込み(&R)..."), &TForm1::KR1Click);
  KM1 = AddItem(K1, "KM1", QStringLiteral("パーティクルリストを追加読み込み(&M)..."),
                &TForm1::KM1Click);
  KA1 = AddItem(K1, "KA1", QStringLiteral("パーティクルリストの上書き保存(&S)..."),
                &TForm1::KA1Click);
  KS1 = AddItem(K1, "KS1", QStringLiteral("パーティクルリストに名前を付けて保存(&A)..."),
                &TForm1::KS1Click);
  N1 = AddSeparator(K1, "N1");
  KI1 = AddItem(K1, "KI1", QStringLiteral("空間画像の保存(&I)..."), &TForm1::KI1Click);
  N2 = AddSeparator(K1, "N2");
  Exit1 = AddItem(K1, "Exit1", QStringLiteral("終了(&X)"), &TForm1::Exit1Click);
}

void TForm1::CreateEditMenu() {
  Edit1 = menuBar()->addMenu(QStringLiteral("編集(&E)"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Cut1 = AddItem(Edit1, "Cut1", QStringLiteral("切り取り(&T)"), &TForm1::SpeedButton9Click,
                 QKeySequence(Qt::CTRL | Qt::Key_X));
  Copy1 = AddItem(Edit1, "Copy1", QStringLiteral("ｺﾋﾟｰ(&C)"), &TForm1::SpeedButton10Click,
                  QKeySequence(Qt::CTRL | Qt::Key_C));
  Paste1 = AddItem(Edit1, "Paste1", QStringLiteral("貼り付け(&P)"), &TForm1::SpeedButton11Click,
                   QKeySequence(Qt::CTRL | Qt::Key_V));
}

void TForm1::CreateLaunchMenu() {
  K4 = menuBar()->addMenu(QStringLiteral("打ち上げ(&L)"));
  K4->setObjectName(QStringLiteral("K4"));
  KL1 = AddItem(K4, "KL1", QStringLiteral("パーティクル発射！(&L)"), &TForm1::BitBtn2Click,
                QKeySequence(Qt::Key_F9));
}

void TForm1::CreateOptionMenu() {
  KO1 = menuBar()->addMenu(QStringLiteral("設定(&O)"));
  KO1->setObjectName(QStringLiteral("KO1"));
  K2 = AddItem(KO1, "K2", QStringLiteral("グリッドの列幅をフォームの幅に合わせる(&G)"),
               &TForm1::K2Click);
  K3 = AddItem(KO1, "K3", QStringLiteral("ツールバーを表示する(&T)"), &TForm1::K3Click);
  N3 = AddSeparator(KO1, "N3");
  K6 = AddItem(KO1, "K6", QStringLiteral("空間解像度の設定(&S)..."), &TForm1::K6Click);
  KW1 = AddItem(KO1, "KW1", QStringLiteral("飽和粒子数の設定(&W)..."), &TForm1::KW1Click);
  K5 = AddItem(KO1, "K5", QStringLiteral("アンチエイリアシング(&A)"), &TForm1::K5Click);
  KL2 = AddItem(KO1, "KL2", QStringLiteral("空間の上下・左右をつなげる(&L)"), &TForm1::KL2Click);
  for (QAction* item : {K2, K3, K5, KL2}) item->setCheckable(true);
  K2->setChecked(ColSizing);
  K3->setChecked(true);
  K5->setChecked(AntiA);
  KL2->setChecked(LoopSpace);
}

void TForm1::CreateHelpMenu() {
  KH1 = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
  KH1->setObjectName(QStringLiteral("KH1"));
  K10 = AddItem(KH1, "K10", QStringLiteral("Kirabelのヘルプを表示(&F)..."), &TForm1::K10Click,
                QKeySequence(Qt::Key_F1));
  N5 = AddSeparator(KH1, "N5");
  KA2 = AddItem(KH1, "KA2", QStringLiteral("あばうと(&A)..."), &TForm1::KA2Click);
}

void TForm1::CreatePopupMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  K7 = AddItem(PopupMenu1, "K7", QStringLiteral("プロパティ"), &TForm1::BitBtn1Click);
  PopupMenu1->setDefaultAction(K7);
  QFont bold = K7->font();
  bold.setBold(true);
  K7->setFont(bold);  // the default item is shown in bold
  N4 = AddSeparator(PopupMenu1, "N4");
  K8 = AddItem(PopupMenu1, "K8", QStringLiteral("パーティクルセット追加"), &TForm1::BitBtn4Click,
               QKeySequence(Qt::Key_Insert));
  K9 = AddItem(PopupMenu1, "K9", QStringLiteral("パーティクルセット削除"), &TForm1::BitBtn3Click,
               QKeySequence(Qt::Key_Delete));
  // The popup's shortcuts work while the grid has the keyboard focus.
  for (QAction* item : {K8, K9}) {
    item->setShortcutContext(Qt::WidgetShortcut);
    DrawGrid1->addAction(item);
  }
  DrawGrid1->SetPopupMenu(PopupMenu1);
}

QToolButton* TForm1::AddToolButton(const char* name, int left, const QString& hint,
                                   void (TForm1::*handler)()) {
  auto* button = new QToolButton(Panel1);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(left, kButtonTop, kButtonSize, kButtonSize);
  button->setFocusPolicy(Qt::NoFocus);
  button->setToolTip(hint);
  button->setAutoRaise(false);
  button->setIconSize(QSize(16, 16));
  button->setIcon(ToolIcon(button->objectName()));
  connect(button, &QToolButton::clicked, this, handler);
  return button;
}

void TForm1::CreateToolBar() {
  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(kToolBarHeight);
  SpeedButton6 = AddToolButton("SpeedButton6", 4, QStringLiteral("パーティクルリスト読み込み"),
                               &TForm1::KR1Click);
  SpeedButton7 = AddToolButton("SpeedButton7", 28, QStringLiteral("パーティクルリスト保存"),
                               &TForm1::KS1Click);
  SpeedButton8 =
      AddToolButton("SpeedButton8", 52, QStringLiteral("空間画像の保存"), &TForm1::KI1Click);
  SpeedButton9 =
      AddToolButton("SpeedButton9", 92, QStringLiteral("切り取り"), &TForm1::SpeedButton9Click);
  SpeedButton10 =
      AddToolButton("SpeedButton10", 116, QStringLiteral("ｺﾋﾟｰ"), &TForm1::SpeedButton10Click);
  SpeedButton11 =
      AddToolButton("SpeedButton11", 140, QStringLiteral("貼り付け"), &TForm1::SpeedButton11Click);
  SpeedButton3 = AddToolButton(
      "SpeedButton3", 180, QStringLiteral("新しいパーティクルセットを追加"), &TForm1::BitBtn1Click);
  SpeedButton1 =
      AddToolButton("SpeedButton1", 204, QStringLiteral("選択中のパーティクルセットを変更"),
                    &TForm1::BitBtn4Click);
  SpeedButton2 =
      AddToolButton("SpeedButton2", 228, QStringLiteral("リストからパーティクルセットを削除"),
                    &TForm1::BitBtn3Click);
  SpeedButton4 = AddToolButton("SpeedButton4", 268, QStringLiteral("パーティクル打ち上げ!"),
                               &TForm1::BitBtn2Click);
  SpeedButton5 = AddToolButton("SpeedButton5", 292, QStringLiteral("打ち上げ中止"),
                               &TForm1::SpeedButton5Click);
}

void TForm1::CreateStatusPanel() {
  Panel2 = new QFrame(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel2->setFixedHeight(kStatusHeight);
  ProgressBar1 = new QProgressBar(Panel2);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setFixedWidth(kProgressWidth);
  ProgressBar1->setToolTip(QStringLiteral("[ESC]キーで計算をキャンセルできます"));
  auto* layout = new QHBoxLayout(Panel2);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addStretch(1);
  layout->addWidget(ProgressBar1);
}

void TForm1::CreateLayout() {
  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel1->setFixedHeight(kBevelHeight);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Bevel1);
  layout->addWidget(Panel1);
  layout->addWidget(DrawGrid1, 1);
  layout->addWidget(Panel2);
  setCentralWidget(central);
}

void TForm1::ConnectGrid() {
  connect(DrawGrid1, &TDrawGrid::EscapePressed, this, &TForm1::DrawGrid1Escape);
  connect(DrawGrid1, &TDrawGrid::RowActivated, this, &TForm1::DrawGrid1DblClick);
}

int TForm1::Row() const {
  return DrawGrid1->Row();
}

int TForm1::RowCount() const {
  return DrawGrid1->RowCount();
}

void TForm1::SetRowCount(int rows) {
  DrawGrid1->SetRowCount(rows);
}

void TForm1::RepaintGrid() {
  DrawGrid1->Repaint();
}

void TForm1::SetFileName(const std::string& fullName) {
  FileName = fullName;
  QString name = QString::fromStdString(fullName);
  const int slash = qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
  name = name.mid(slash + 1);
  if (name.isEmpty()) name = QStringLiteral("名称未設定");
  setWindowTitle(QLatin1String(kApplicationTitle) + QStringLiteral(" -") + name +
                 QStringLiteral("-"));
}

TEnvironment& TForm1::Environment() {
  return Form5 ? Form5->Environment() : *ownEnvironment_;
}

void TForm1::DrawGrid1DblClick() {
  BitBtn4Click();
}

void TForm1::DrawGrid1Escape() {
  SetBusy(false);
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (ColSizing) DrawGrid1->FitColumns(width());
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  event->acceptProposedAction();
  if (!paths.isEmpty()) DropFiles(paths);
}

}  // namespace kirabel

#include "ui/launch_settings_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controls/NValEdit.h"
#include "model/launch_limits.h"
#include "platform/sjis.h"
#include "ui/form_font.h"
#include "ui/window_placement.h"

namespace kirabel {

namespace {

const QSize kClientSize(370, 265);
constexpr int kLabelLeft = 16;
constexpr int kFieldLeft = 100;
constexpr int kFieldWidth = 121;
constexpr int kUnitLeft = 228;
constexpr int kRowHeight = 21;

bool IsBlankOrControl(QChar c) {
  return c.unicode() <= 0x20 || c.unicode() == 0x7f;
}

}  // namespace

std::string CleanAutosaveName(const QString& text) {
  int begin = 0;
  int end = text.size();
  while (begin < end && IsBlankOrControl(text.at(begin))) ++begin;
  while (end > begin && IsBlankOrControl(text.at(end - 1))) --end;
  return CutToFileBytes(text.mid(begin, end - begin).toStdString(), kMaxEnvNameBytes);
}

TForm5::TForm5(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      SaveDialog1(TFileDialog::Kind::Save,
                  QStringLiteral("ビットマップ(*.BMP)|*.bmp|なんでも(*.*)|*.*")) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("打ち上げ設定"));
  setFont(FormFont());
  setFixedSize(kClientSize);
  setModal(true);
  SaveDialog1.DefaultExt = QStringLiteral("bmp");
  // The name is only a prefix: the frames go to NAME00001.BMP, ..., so a file
  // of the chosen name is never replaced and there is nothing to ask.
  SaveDialog1.ConfirmOverwrite = false;
  CreateNumberRows();
  CreateSaveGroup();
  CreateButtons();
  environment_ = std::make_unique<TEnvironment>();
  DialogToSettings();
}

TForm5::~TForm5() = default;

TNValEdit* TForm5::AddNumber(const char* name, const QString& caption, const QString& unit,
                             int top) {
  auto* label = new QLabel(caption, this);
  label->move(kLabelLeft, top + 4);
  auto* field = new TNValEdit(this);
  field->setObjectName(QLatin1String(name));
  field->setGeometry(kFieldLeft, top, kFieldWidth, kRowHeight);
  field->setZeroDisplay(true);
  label->setBuddy(field);
  auto* unitLabel = new QLabel(unit, this);
  unitLabel->move(kUnitLeft, top + 4);
  return field;
}

void TForm5::CreateNumberRows() {
  NEditG = AddNumber("NEditG", QStringLiteral("重力"), QStringLiteral("[Pixels/Time^2]"), 12);
  NEditST = AddNumber("NEditST", QStringLiteral("開始時間"), QStringLiteral("[Time]"), 40);
  NeditIT = AddNumber("NeditIT", QStringLiteral("出力間隔"), QStringLiteral("[Time]"), 68);
  NEditNF = AddNumber("NEditNF", QStringLiteral("出力コマ数"), QStringLiteral("[フレーム]"), 96);
  const std::pair<TNValEdit*, LaunchSetting> limited[] = {{NEditG, LaunchSetting::kGravity},
                                                          {NEditST, LaunchSetting::kStartTime},
                                                          {NeditIT, LaunchSetting::kInterval},
                                                          {NEditNF, LaunchSetting::kFrameCount}};
  for (const auto& [field, setting] : limited) {
    const NumericProperties limits = LaunchSettingLimits(setting);
    field->setMaxDigits(limits.maxDigits);
    field->setPrmtNegative(limits.prmtNegative);
    field->setFixDecimal(limits.fixDecimal);
  }
  NEditG->setValue(0.5L);
  NEditST->setValue(10);
  NeditIT->setValue(1);
  NEditNF->setValue(1);
}

void TForm5::CreateSaveGroup() {
  GroupBox1 = new QGroupBox(QStringLiteral("空間画像の保存"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(8, 128, 354, 88);
  CheckBox1 = new QCheckBox(QStringLiteral("一フレーム毎に自動保存する"), GroupBox1);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setGeometry(12, 22, 240, 18);
  Label1 = new QLabel(QStringLiteral("ファイル名"), GroupBox1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->move(12, 54);
  Edit1 = new QLineEdit(GroupBox1);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(84, 50, 178, kRowHeight);
  Button1 = new QPushButton(QStringLiteral("参照(&B)..."), GroupBox1);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(268, 49, 76, 23);
  Button1->setAutoDefault(false);
  connect(CheckBox1, &QCheckBox::clicked, this, &TForm5::CheckBox1Click);
  connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
}

void TForm5::CreateButtons() {
  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(196, 228, 75, 25);
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  BitBtn2->setGeometry(284, 228, 75, 25);
  BitBtn2->setAutoDefault(false);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm5::DialogToSettings() {
  TEnvironment& env = *environment_;
  env.G = NEditG->Value();
  env.ST = NEditST->Value();
  env.IT = NeditIT->Value();
  env.NF = NEditNF->Value();
  env.NAME = CleanAutosaveName(Edit1->text());
  env.AUTOSAVE = CheckBox1->isChecked();
}

void TForm5::SettingsToDialog() {
  const TEnvironment& env = *environment_;
  NEditG->setValue(env.G);
  NEditST->setValue(env.ST);
  NeditIT->setValue(env.IT);
  NEditNF->setValue(env.NF);
  Edit1->setText(QString::fromStdString(env.NAME));
  CheckBox1->setChecked(env.AUTOSAVE);
}

void TForm5::CheckBox1Click() {
  const bool on = CheckBox1->isChecked();
  Edit1->setEnabled(on);
  Button1->setEnabled(on);
}

void TForm5::Button1Click() {
  if (MainSaveDialog) SaveDialog1.InitialDir = MainSaveDialog->InitialDir;
  if (!SaveDialog1.Execute(this)) return;
  const QString path = SaveDialog1.FileName;
  Edit1->setText(path);
  const QString folder = QFileInfo(path).absolutePath();
  if (MainOpenDialog) MainOpenDialog->InitialDir = folder;
  if (MainSaveDialog) MainSaveDialog->InitialDir = folder;
}

void TForm5::showEvent(QShowEvent* event) {
  KeepWindowReachable(*this);
  SettingsToDialog();
  CheckBox1Click();
  QDialog::showEvent(event);
}

void TForm5::done(int result) {
  DialogToSettings();
  QDialog::done(result);
}

}  // namespace kirabel

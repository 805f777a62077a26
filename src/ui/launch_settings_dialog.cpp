#include "ui/launch_settings_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/launch_limits.h"
#include "platform/sjis.h"
#include "ui/form_font.h"
#include "ui/widgets/numeric_field.h"
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
  return CutToFileBytes(text.mid(begin, end - begin).toStdString(), kMaxAutosaveNameBytes);
}

LaunchSettingsDialog::LaunchSettingsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      browseDialog(FileChooser::Kind::Save, tr("ビットマップ(*.BMP)|*.bmp|なんでも(*.*)|*.*")) {
  setObjectName(QStringLiteral("launchSettingsDialog"));
  setWindowTitle(tr("打ち上げ設定"));
  setFont(FormFont());
  setFixedSize(kClientSize);
  setModal(true);
  browseDialog.defaultExtension = QStringLiteral("bmp");
  // The name is only a prefix: the frames go to NAME00001.BMP, ..., so a file
  // of the chosen name is never replaced and there is nothing to ask.
  browseDialog.confirmOverwrite = false;
  createNumberRows();
  createAutosaveGroup();
  createButtons();
}

NumericField* LaunchSettingsDialog::addNumber(const char* name, const QString& caption,
                                              const QString& unit, int top) {
  auto* label = new QLabel(caption, this);
  label->move(kLabelLeft, top + 4);
  auto* field = new NumericField(this);
  field->setObjectName(QLatin1String(name));
  field->setGeometry(kFieldLeft, top, kFieldWidth, kRowHeight);
  field->setShowZero(true);
  label->setBuddy(field);
  auto* unitLabel = new QLabel(unit, this);
  unitLabel->move(kUnitLeft, top + 4);
  return field;
}

void LaunchSettingsDialog::createNumberRows() {
  gravityEdit = addNumber("gravityEdit", tr("重力"), QStringLiteral("[Pixels/Time^2]"), 12);
  startTimeEdit = addNumber("startTimeEdit", tr("開始時間"), QStringLiteral("[Time]"), 40);
  frameIntervalEdit = addNumber("frameIntervalEdit", tr("出力間隔"), QStringLiteral("[Time]"), 68);
  frameCountEdit = addNumber("frameCountEdit", tr("出力コマ数"), tr("[フレーム]"), 96);
  const std::pair<NumericField*, LaunchSetting> limited[] = {
      {gravityEdit, LaunchSetting::kGravity},
      {startTimeEdit, LaunchSetting::kStartTime},
      {frameIntervalEdit, LaunchSetting::kInterval},
      {frameCountEdit, LaunchSetting::kFrameCount}};
  for (const auto& [field, setting] : limited) {
    const NumericProperties limits = LaunchSettingLimits(setting);
    field->setMaxDigits(limits.maxDigits);
    field->setAllowNegative(limits.allowNegative);
    field->setFixedDecimals(limits.fixedDecimals);
  }
  gravityEdit->setValue(0.5L);
  startTimeEdit->setValue(10);
  frameIntervalEdit->setValue(1);
  frameCountEdit->setValue(1);
}

void LaunchSettingsDialog::createAutosaveGroup() {
  autosaveGroup = new QGroupBox(tr("空間画像の保存"), this);
  autosaveGroup->setObjectName(QStringLiteral("autosaveGroup"));
  autosaveGroup->setGeometry(8, 128, 354, 88);
  autosaveCheck = new QCheckBox(tr("一フレーム毎に自動保存する"), autosaveGroup);
  autosaveCheck->setObjectName(QStringLiteral("autosaveCheck"));
  autosaveCheck->setGeometry(12, 22, 240, 18);
  autosaveNameLabel = new QLabel(tr("ファイル名"), autosaveGroup);
  autosaveNameLabel->setObjectName(QStringLiteral("autosaveNameLabel"));
  autosaveNameLabel->move(12, 54);
  autosaveNameEdit = new QLineEdit(autosaveGroup);
  autosaveNameEdit->setObjectName(QStringLiteral("autosaveNameEdit"));
  autosaveNameEdit->setGeometry(84, 50, 178, kRowHeight);
  browseButton = new QPushButton(tr("参照(&B)..."), autosaveGroup);
  browseButton->setObjectName(QStringLiteral("browseButton"));
  browseButton->setGeometry(268, 49, 76, 23);
  browseButton->setAutoDefault(false);
  connect(autosaveCheck, &QCheckBox::clicked, this, &LaunchSettingsDialog::updateAutosaveControls);
  connect(browseButton, &QPushButton::clicked, this, &LaunchSettingsDialog::browseAutosaveName);
}

void LaunchSettingsDialog::createButtons() {
  okButton = new QPushButton(QStringLiteral("OK"), this);
  okButton->setObjectName(QStringLiteral("okButton"));
  okButton->setGeometry(196, 228, 75, 25);
  okButton->setDefault(true);
  cancelButton = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
  cancelButton->setObjectName(QStringLiteral("cancelButton"));
  cancelButton->setGeometry(284, 228, 75, 25);
  cancelButton->setAutoDefault(false);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

LaunchSettings LaunchSettingsDialog::launchSettings() const {
  LaunchSettings env;
  env.gravity = gravityEdit->value();
  env.startTime = startTimeEdit->value();
  env.frameInterval = frameIntervalEdit->value();
  env.frameCount = frameCountEdit->value();
  env.autosaveName = CleanAutosaveName(autosaveNameEdit->text());
  env.autosave = autosaveCheck->isChecked();
  return env;
}

void LaunchSettingsDialog::setLaunchSettings(const LaunchSettings& env) {
  gravityEdit->setValue(env.gravity);
  startTimeEdit->setValue(env.startTime);
  frameIntervalEdit->setValue(env.frameInterval);
  frameCountEdit->setValue(env.frameCount);
  autosaveNameEdit->setText(QString::fromStdString(env.autosaveName));
  autosaveCheck->setChecked(env.autosave);
  updateAutosaveControls();
}

void LaunchSettingsDialog::updateAutosaveControls() {
  const bool on = autosaveCheck->isChecked();
  autosaveNameEdit->setEnabled(on);
  browseButton->setEnabled(on);
}

void LaunchSettingsDialog::browseAutosaveName() {
  if (mainSaveDialog) browseDialog.initialDir = mainSaveDialog->initialDir;
  if (!browseDialog.execute(this)) return;
  const QString path = browseDialog.fileName;
  autosaveNameEdit->setText(path);
  const QString folder = QFileInfo(path).absolutePath();
  if (mainOpenDialog) mainOpenDialog->initialDir = folder;
  if (mainSaveDialog) mainSaveDialog->initialDir = folder;
}

void LaunchSettingsDialog::showEvent(QShowEvent* event) {
  KeepWindowReachable(*this);
  QDialog::showEvent(event);
}

}  // namespace kirabel

#include "ui/dialogs/launch_settings_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "model/launch_limits.h"
#include "platform/sjis.h"
#include "ui/dialogs/number_row.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {

namespace {

// The designed client size; larger where the system's font needs it.
const QSize kDesignedSize(370, 265);
// The widest text the fields are made to show: nine digits and six decimals.
const char kWidestNumber[] = "-999,999,999.999999";

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

// One number of the settings: its field, label and unit, and the setting
// whose limits (and starting value) the field takes. Texts go through tr();
// those marked are the translated ones.
struct LaunchSettingsDialog::NumberRow {
  NumericField* LaunchSettingsDialog::*field;
  const char* objectName;
  const char* caption;
  const char* unit;
  LaunchSetting setting;
};

LaunchSettingsDialog::LaunchSettingsDialog(QWidget* parent)
    : FixedDialog(parent, tr("打ち上げ設定"), Placement::kWhereItWasPut),
      browseDialog(FileChooser::Kind::Save, tr("ビットマップ(*.BMP)|*.bmp|なんでも(*.*)|*.*")) {
  setObjectName(QStringLiteral("launchSettingsDialog"));
  browseDialog.defaultExtension = QStringLiteral("bmp");
  // The name is only a prefix: the frames go to NAME00001.BMP, ..., so a file
  // of the chosen name is never replaced and there is nothing to ask.
  browseDialog.confirmOverwrite = false;
  addRows();
  okButton = addOkButton();
  cancelButton = addCancelButton();
  addButtonRow({okButton, cancelButton}, Qt::AlignRight);
  fixSize(kDesignedSize);
}

void LaunchSettingsDialog::addRows() {
  using D = LaunchSettingsDialog;
  const NumberRow numbers[] = {
      {&D::gravityEdit, "gravityEdit", QT_TR_NOOP("重力"), "[Pixels/Time^2]",
       LaunchSetting::kGravity},
      {&D::startTimeEdit, "startTimeEdit", QT_TR_NOOP("開始時間"), "[Time]",
       LaunchSetting::kStartTime},
      {&D::frameIntervalEdit, "frameIntervalEdit", QT_TR_NOOP("出力間隔"), "[Time]",
       LaunchSetting::kInterval},
      {&D::frameCountEdit, "frameCountEdit", QT_TR_NOOP("出力コマ数"), QT_TR_NOOP("[フレーム]"),
       LaunchSetting::kFrameCount},
  };
  QGridLayout* grid = NewRowGrid();
  for (int row = 0; row < static_cast<int>(std::size(numbers)); ++row)
    addNumberRow(grid, row, numbers[row]);
  grid->setColumnStretch(2, 1);  // the units take the room the fields leave
  addAutosaveGroup(grid, static_cast<int>(std::size(numbers)));
  addSpreadRows(grid);
}

void LaunchSettingsDialog::addNumberRow(QGridLayout* grid, int row, const NumberRow& number) {
  NumericField* field = AddNumberRow(this, grid, row, number.objectName, tr(number.caption),
                                     tr(number.unit), QLatin1String(kWidestNumber));
  const FieldLimits limits = LaunchSettingLimits(number.setting);
  field->setLimits(limits);
  field->setValue(limits.initial);
  this->*number.field = field;
}

// Under the numbers, the check box over the file name row: label, name,
// browse button.
void LaunchSettingsDialog::addAutosaveGroup(QGridLayout* rowsGrid, int row) {
  autosaveGroup = new QGroupBox(tr("空間画像の保存"), this);
  autosaveGroup->setObjectName(QStringLiteral("autosaveGroup"));
  QGridLayout* grid = NewRowGrid(autosaveGroup);
  autosaveCheck = new QCheckBox(tr("一フレーム毎に自動保存する"), autosaveGroup);
  autosaveCheck->setObjectName(QStringLiteral("autosaveCheck"));
  grid->addWidget(autosaveCheck, 0, 0, 1, 3);
  autosaveNameLabel = new QLabel(tr("ファイル名"), autosaveGroup);
  autosaveNameLabel->setObjectName(QStringLiteral("autosaveNameLabel"));
  grid->addWidget(autosaveNameLabel, 1, 0);
  autosaveNameEdit = new QLineEdit(autosaveGroup);
  autosaveNameEdit->setObjectName(QStringLiteral("autosaveNameEdit"));
  MakeCompactHeight(*autosaveNameEdit);
  grid->addWidget(autosaveNameEdit, 1, 1);
  browseButton = new QPushButton(tr("参照(&B)..."), autosaveGroup);
  browseButton->setObjectName(QStringLiteral("browseButton"));
  browseButton->setAutoDefault(false);
  grid->addWidget(browseButton, 1, 2);
  rowsGrid->addWidget(autosaveGroup, row, 0, 1, 3);
  connect(autosaveCheck, &QCheckBox::clicked, this, &LaunchSettingsDialog::updateAutosaveControls);
  connect(browseButton, &QPushButton::clicked, this, &LaunchSettingsDialog::browseAutosaveName);
}

LaunchSettings LaunchSettingsDialog::launchSettings() const {
  LaunchSettings settings = shownSettings;
  settings.gravity = gravityEdit->value();
  settings.startTime = startTimeEdit->value();
  settings.frameInterval = frameIntervalEdit->value();
  settings.frameCount = frameCountEdit->value();
  settings.autosaveName = CleanAutosaveName(autosaveNameEdit->text());
  settings.autosave = autosaveCheck->isChecked();
  return settings;
}

void LaunchSettingsDialog::setLaunchSettings(const LaunchSettings& settings) {
  shownSettings = settings;
  gravityEdit->setValue(settings.gravity);
  startTimeEdit->setValue(settings.startTime);
  frameIntervalEdit->setValue(settings.frameInterval);
  frameCountEdit->setValue(settings.frameCount);
  autosaveNameEdit->setText(QString::fromStdString(settings.autosaveName));
  autosaveCheck->setChecked(settings.autosave);
  updateAutosaveControls();
}

void LaunchSettingsDialog::updateAutosaveControls() {
  const bool on = autosaveCheck->isChecked();
  autosaveNameEdit->setEnabled(on);
  browseButton->setEnabled(on);
}

void LaunchSettingsDialog::browseAutosaveName() {
  if (mainSaveDialog) browseDialog.startFolder = mainSaveDialog->startFolder;
  if (!browseDialog.execute(this)) return;
  const QString path = browseDialog.fileName;
  autosaveNameEdit->setText(path);
  const QString folder = QFileInfo(path).absolutePath();
  if (mainOpenDialog) mainOpenDialog->startFolder = folder;
  if (mainSaveDialog) mainSaveDialog->startFolder = folder;
}

}  // namespace kirabel

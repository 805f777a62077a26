#include "ui/dialogs/look_dialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "model/look_limits.h"
#include "ui/dialogs/number_row.h"
#include "ui/services/color_dialog_service.h"
#include "ui/services/pcl_dialogs.h"
#include "ui/widgets/color_swatch.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {

namespace {

// The designed client size; larger where the system's font needs it.
const QSize kDesignedSize(480, 390);
const char kWidestNumber[] = "-99.999999";
const QSize kSwatchSize(48, 20);

QString PhotoFilter() {
  return QCoreApplication::translate("kirabel::LookDialog", "写真(*.png;*.jpg;*.jpeg)") +
         QStringLiteral("|*.png;*.jpg;*.jpeg|PNG(*.png)|*.png|JPEG(*.jpg;*.jpeg)|*.jpg;*.jpeg|") +
         AnyFileFilter();
}

QColor ToQColor(const SkyColour& colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

SkyColour ToSkyColour(const QColor& colour) {
  return {static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
          static_cast<uint8_t>(colour.blue())};
}

}  // namespace

// One number of the look: its field, label, unit and limits.
struct LookDialog::NumberRow {
  NumericField* LookDialog::*field;
  const char* objectName;
  const char* caption;
  const char* unit;
  LookNumber number;
};

LookDialog::LookDialog(QWidget* parent)
    : FixedDialog(parent, tr("見た目"), Placement::kCentred),
      photoDialog(FileChooser::Kind::Open, PhotoFilter()) {
  using D = LookDialog;
  setObjectName(QStringLiteral("lookDialog"));
  photoDialog.title = tr("空の写真");
  QGridLayout* grid = NewRowGrid();
  addLightRow(grid);
  const NumberRow numbers[] = {
      {&D::exposureEdit, "exposureEdit", QT_TR_NOOP("露出"), QT_TR_NOOP("[段]"),
       LookNumber::kExposure},
      {&D::glowEdit, "glowEdit", QT_TR_NOOP("にじみの強さ"), "", LookNumber::kGlow},
      {&D::glowRadiusEdit, "glowRadiusEdit", QT_TR_NOOP("にじみの広がり"),
       QT_TR_NOOP("[画像の高さの%]"), LookNumber::kGlowRadius},
      {&D::starSizeEdit, "starSizeEdit", QT_TR_NOOP("星の大きさ"), QT_TR_NOOP("[ﾋﾟｸｾﾙ]"),
       LookNumber::kStarSize},
  };
  int row = 1;
  for (const NumberRow& number : numbers) addNumberRow(grid, row++, number);
  skyTopSwatch = addColourRow(grid, row++, "skyTopSwatch", QT_TR_NOOP("空の色 (上)"));
  skyBottomSwatch = addColourRow(grid, row++, "skyBottomSwatch", QT_TR_NOOP("空の色 (下)"));
  addPhotoRow(grid, row++);
  addNumberRow(
      grid, row++,
      {&D::skyGlowEdit, "skyGlowEdit", QT_TR_NOOP("空の照り返し"), "", LookNumber::kSkyGlow});
  grid->setColumnStretch(2, 1);  // the units take the room the fields leave
  addSpreadRows(grid);
  okButton = addOkButton();
  cancelButton = addCancelButton();
  addButtonRow({okButton, cancelButton}, Qt::AlignRight);
  fixSize(kDesignedSize);
}

void LookDialog::addLightRow(QGridLayout* grid) {
  classicButton = new QRadioButton(tr("クラシック"), this);
  classicButton->setObjectName(QStringLiteral("classicButton"));
  filmButton = new QRadioButton(tr("フィルム"), this);
  filmButton->setObjectName(QStringLiteral("filmButton"));
  auto* group = new QButtonGroup(this);
  group->addButton(classicButton);
  group->addButton(filmButton);
  auto* choices = new QHBoxLayout;
  choices->addWidget(classicButton);
  choices->addWidget(filmButton);
  choices->addStretch(1);
  grid->addWidget(new QLabel(tr("光"), this), 0, 0);
  grid->addLayout(choices, 0, 1, 1, 2);
  connect(filmButton, &QRadioButton::toggled, this, &LookDialog::edited);
}

void LookDialog::addNumberRow(QGridLayout* grid, int row, const NumberRow& number) {
  NumericField* field =
      AddNumberRow(this, grid, row, number.objectName, tr(number.caption),
                   *number.unit ? tr(number.unit) : QString(), QLatin1String(kWidestNumber));
  field->setAllowNegative(LookNumberRange(number.number).lowest < 0);
  connect(field, &QLineEdit::textChanged, this, &LookDialog::edited);
  this->*number.field = field;
}

ColorSwatch* LookDialog::addColourRow(QGridLayout* grid, int row, const char* objectName,
                                      const char* caption) {
  auto* swatch = new ColorSwatch(this);
  swatch->setObjectName(QLatin1String(objectName));
  swatch->setFixedSize(kSwatchSize);
  auto* label = new QLabel(tr(caption), this);
  label->setBuddy(swatch);
  grid->addWidget(label, row, 0);
  grid->addWidget(swatch, row, 1);
  connect(swatch, &ColorSwatch::activated, this, [this, swatch] { chooseColourOf(swatch); });
  return swatch;
}

// The file over the whole width, its buttons after it.
void LookDialog::addPhotoRow(QGridLayout* grid, int row) {
  photoEdit = new QLineEdit(this);
  photoEdit->setObjectName(QStringLiteral("photoEdit"));
  photoEdit->setReadOnly(true);
  MakeCompactHeight(*photoEdit);
  browseButton = new QPushButton(tr("参照..."), this);
  browseButton->setObjectName(QStringLiteral("browseButton"));
  browseButton->setAutoDefault(false);
  clearPhotoButton = new QPushButton(tr("削除"), this);
  clearPhotoButton->setObjectName(QStringLiteral("clearPhotoButton"));
  clearPhotoButton->setAutoDefault(false);
  auto* photoRow = new QHBoxLayout;
  photoRow->addWidget(photoEdit, 1);
  photoRow->addWidget(browseButton);
  photoRow->addWidget(clearPhotoButton);
  grid->addWidget(new QLabel(tr("空の写真"), this), row, 0);
  grid->addLayout(photoRow, row, 1, 1, 2);
  connect(browseButton, &QPushButton::clicked, this, &LookDialog::browsePhoto);
  connect(clearPhotoButton, &QPushButton::clicked, this, &LookDialog::clearPhoto);
}

void LookDialog::setLook(const Look& look) {
  filling_ = true;
  shown_ = look;
  (look.Film() ? filmButton : classicButton)->setChecked(true);
  exposureEdit->setValue(look.exposure);
  glowEdit->setValue(look.glow);
  glowRadiusEdit->setValue(look.glowRadius);
  starSizeEdit->setValue(look.starSize);
  skyTopSwatch->setBrushColor(ToQColor(look.skyTop));
  skyBottomSwatch->setBrushColor(ToQColor(look.skyBottom));
  skyGlowEdit->setValue(look.skyGlow);
  showPhoto();
  filling_ = false;
  updateControls();
}

Look LookDialog::look() const {
  Look look = shown_;
  look.light = filmButton->isChecked() ? Look::Light::kFilm : Look::Light::kClassic;
  look.exposure = static_cast<double>(exposureEdit->value());
  look.glow = static_cast<double>(glowEdit->value());
  look.glowRadius = static_cast<double>(glowRadiusEdit->value());
  look.starSize = static_cast<double>(starSizeEdit->value());
  look.skyTop = ToSkyColour(skyTopSwatch->brushColor());
  look.skyBottom = ToSkyColour(skyBottomSwatch->brushColor());
  look.skyGlow = static_cast<double>(skyGlowEdit->value());
  return WithinLookLimits(look);
}

void LookDialog::chooseColourOf(ColorSwatch* swatch) {
  const std::optional<QColor> chosen = ColorDialogService::getColor(swatch->brushColor(), this);
  if (!chosen) return;
  swatch->setBrushColor(*chosen);
  edited();
}

void LookDialog::browsePhoto() {
  if (!shown_.skyPhoto.empty()) {
    const QFileInfo photo(QString::fromStdString(shown_.skyPhoto));
    photoDialog.startFolder = photo.absolutePath();
    photoDialog.fileName = photo.fileName();
  }
  if (!photoDialog.execute(this)) return;
  shown_.skyPhoto = QFileInfo(photoDialog.fileName).absoluteFilePath().toStdString();
  showPhoto();
  edited();
}

void LookDialog::clearPhoto() {
  shown_.skyPhoto.clear();
  showPhoto();
  edited();
}

void LookDialog::showPhoto() {
  photoEdit->setText(QDir::toNativeSeparators(QString::fromStdString(shown_.skyPhoto)));
}

void LookDialog::edited() {
  if (filling_) return;
  updateControls();
  emit lookEdited(look());
}

// Everything but the light itself is the film's alone.
void LookDialog::updateControls() {
  const bool film = filmButton->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{
           exposureEdit, glowEdit, glowRadiusEdit, starSizeEdit, skyTopSwatch, skyBottomSwatch,
           photoEdit, browseButton, skyGlowEdit})
    control->setEnabled(film);
  clearPhotoButton->setEnabled(film && !shown_.skyPhoto.empty());
}

}  // namespace kirabel

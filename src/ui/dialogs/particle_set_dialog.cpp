#include "ui/dialogs/particle_set_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

#include "document/child_set_model.h"
#include "model/particle.h"
#include "model/set_number_limits.h"
#include "ui/dialogs/byte_limit_validator.h"
#include "ui/services/color_dialog_service.h"
#include "ui/widgets/color_swatch.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {

namespace {

// The designed client size; wider where the system's font needs it.
const QSize kDesignedSize(423, 403);

// The grid's columns: label, field, "," or "±", second field, unit, and the
// distribution selectors at the right.
enum Column {
  kLabelColumn,
  kFieldColumn,
  kSeparatorColumn,
  kSecondFieldColumn,
  kUnitColumn,
  kSelectorColumn,
  kColumnCount
};
// The grid's rows that are not built from the table of numbers.
enum Row { kNameRow, kColourRow, kFirstNumberRow };

// The widest text a nine-digit numeric field shows.
const char kWidestNumber[] = "-999,999,999";

// The field takes the number's limits and starting value; zero shows as "0"
// unless the field shows it blank.
void Configure(NumericField* field, SetNumber number, bool blankZero) {
  const FieldLimits limits = LimitsOf(number);
  field->setLimits(limits);
  field->setShowZero(!blankZero);
  field->setValue(limits.initial);
}

}  // namespace

// One numeric field: its control, object name, hint and the set's number it
// shows (whose limits it takes).
struct ParticleSetDialog::NumberField {
  NumericField* ParticleSetDialog::*control;
  const char* objectName;
  const char* hint;
  SetNumber number;
  bool blankZero = false;  // zero shows an empty field
};

// One row of numbers: its label, a field or two joined by a separator, the
// unit, and for the rows with a random spread the distribution selector.
// Texts go through tr(); those marked are the translated ones.
struct ParticleSetDialog::NumberRow {
  const char* label;
  NumberField field;
  const char* separator = nullptr;  // "," or "±" before the second field
  NumberField secondField = {};
  const char* unit = nullptr;
  QComboBox* ParticleSetDialog::*selector = nullptr;
  const char* selectorName = nullptr;
};

ParticleSetDialog::ParticleSetDialog(QWidget* parent)
    : FixedDialog(parent, tr("パーティクルセットの個別設定"), Placement::kWhereItWasPut) {
  setObjectName(QStringLiteral("particleSetDialog"));
  pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("pages"));
  pages->addTab(newBasicPage(), tr("基本"));
  pages->addTab(newStarPage(), tr("星"));
  rows()->addWidget(pages, 1);

  okButton = addOkButton();
  okButton->setToolTip(tr("これでよし"));
  cancelButton = addCancelButton();
  addButtonRow({okButton, cancelButton}, Qt::AlignRight);
  fixSize(kDesignedSize);
  // The strip follows every change of a field (the lifetime and the effects
  // draw it), the check box and the swatches.
  for (NumericField* field : findChildren<NumericField*>())
    connect(field, &QLineEdit::textChanged, this, &ParticleSetDialog::updateStarLife);
  updateSecondColourControls();
}

// The classic numbers of a set, its name, colour, child and visibility.
QWidget* ParticleSetDialog::newBasicPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("basicPage"));
  QGridLayout* grid = NewPageGrid(page);
  addNameAndColourRows(grid);
  const int childRow = addNumberRows(grid);
  addChildAndGenerationRows(grid, childRow);
  addVisibleCheck(grid, childRow + 2);
  grid->setColumnStretch(kUnitColumn, 1);
  SpreadEvenly(*grid);
  return page;
}

// The rows of numbers under the colour; returns the row after them.
int ParticleSetDialog::addNumberRows(QGridLayout* grid) {
  using D = ParticleSetDialog;
  const NumberRow numbers[] = {
      {QT_TR_NOOP("粒子の数"),
       {&D::countEdit, "countEdit", QT_TR_NOOP("何個の粒子を飛ばすか"), SetNumber::kCount, true},
       nullptr,
       {},
       QT_TR_NOOP("[個]")},
      {QT_TR_NOOP("初期位置"),
       {&D::originXEdit, "originXEdit", QT_TR_NOOP("どこを始点として粒子が飛び散るか(X座標)"),
        SetNumber::kOriginX},
       ",",
       {&D::originYEdit, "originYEdit", QT_TR_NOOP("どこを始点として粒子が飛び散るか(Y座標)"),
        SetNumber::kOriginY},
       "[Pixel]"},
      {QT_TR_NOOP("爆発の強さ"),
       {&D::speedEdit, "speedEdit", QT_TR_NOOP("粒子の飛び散る速度です"), SetNumber::kSpeed},
       "±",
       {&D::speedSpreadEdit, "speedSpreadEdit", QT_TR_NOOP("爆発の強さのバラつき具合"),
        SetNumber::kSpeedSpread},
       "[Pixels/Time]",
       &D::speedDistributionCombo,
       "speedDistributionCombo"},
      {QT_TR_NOOP("爆発の向き"),
       {&D::directionEdit, "directionEdit", QT_TR_NOOP("0度が真上で、左回りに指定します"),
        SetNumber::kDirection},
       "±",
       {&D::directionSpreadEdit, "directionSpreadEdit",
        QT_TR_NOOP("「爆発の向き」を中心に、どのくらいの範囲で飛び散るか"),
        SetNumber::kDirectionSpread},
       "[deg]",
       &D::directionDistributionCombo,
       "directionDistributionCombo"},
      {QT_TR_NOOP("生起時間"),
       {&D::birthTimeEdit, "birthTimeEdit", QT_TR_NOOP("粒子が画面に登場する時間"),
        SetNumber::kBirthTime},
       "±",
       {&D::birthSpreadEdit, "birthSpreadEdit",
        QT_TR_NOOP("±何フレーム分、粒子の出現時間にバラつきを出すか"), SetNumber::kBirthSpread},
       "[Time]",
       &D::birthDistributionCombo,
       "birthDistributionCombo"},
      {QT_TR_NOOP("寿命"),
       {&D::lifetimeEdit, "lifetimeEdit",
        QT_TR_NOOP("どれだけの間、粒子が空間内に生きていられるか"), SetNumber::kLifetime},
       "±",
       {&D::lifetimeSpreadEdit, "lifetimeSpreadEdit",
        QT_TR_NOOP("±何フレーム分、粒子の寿命にバラつきを出すか"), SetNumber::kLifetimeSpread},
       "[Time]",
       &D::lifetimeDistributionCombo,
       "lifetimeDistributionCombo"},
      {QT_TR_NOOP("残像の長さ"),
       {&D::trailLengthEdit, "trailLengthEdit",
        QT_TR_NOOP("網膜にどのくらいの時間、この粒子の光が影響を与えるか"),
        SetNumber::kTrailLength},
       nullptr,
       {},
       "[Time]"},
      {QT_TR_NOOP("残像の分割数"),
       {&D::trailSamplesEdit, "trailSamplesEdit",
        QT_TR_NOOP("一つの粒子当たり残像を何回計算するか"), SetNumber::kTrailSamples},
       nullptr,
       {},
       QT_TR_NOOP("[個]")},
  };
  int row = kFirstNumberRow;
  for (const NumberRow& number : numbers) addNumberRow(grid, row++, number);
  // The heading of the selectors' column stands in the row above the first.
  grid->addWidget(new QLabel(tr("乱数の分布"), this), kFirstNumberRow + 1, kSelectorColumn);
  return row;
}

void ParticleSetDialog::addNameAndColourRows(QGridLayout* grid) {
  grid->addWidget(new QLabel(tr("名前"), this), kNameRow, kLabelColumn);
  nameEdit = new QLineEdit(QStringLiteral("火花 1"), this);
  nameEdit->setObjectName(QStringLiteral("nameEdit"));
  nameEdit->setValidator(new FileByteLimitValidator(kMaxNameBytes, nameEdit));
  nameEdit->setToolTip(tr("この火花を識別する時の名前です"));
  MakeCompactHeight(*nameEdit);
  grid->addWidget(nameEdit, kNameRow, kFieldColumn, 1, kUnitColumn - kFieldColumn);

  grid->addWidget(new QLabel(tr("色合い"), this), kColourRow, kLabelColumn);
  colorSwatch =
      addSwatch("colorSwatch", QT_TR_NOOP("粒子が集まると、この色になります"), QSize(49, 33));
  grid->addWidget(colorSwatch, kColourRow, kFieldColumn, 1, kUnitColumn - kFieldColumn,
                  Qt::AlignLeft);
}

NumericField* ParticleSetDialog::addNumber(const NumberField& number) {
  auto* field = new NumericField(this);
  field->setObjectName(QLatin1String(number.objectName));
  field->setToolTip(tr(number.hint));
  Configure(field, number.number, number.blankZero);
  field->setFixedWidth(WidthShowing(*field, QLatin1String(kWidestNumber)));
  MakeCompactHeight(*field);
  this->*number.control = field;
  return field;
}

// The row's controls are made from left to right, which is their tab order.
void ParticleSetDialog::addNumberRow(QGridLayout* grid, int row, const NumberRow& numbers) {
  grid->addWidget(new QLabel(tr(numbers.label), this), row, kLabelColumn);
  grid->addWidget(addNumber(numbers.field), row, kFieldColumn);
  if (numbers.separator) {
    grid->addWidget(new QLabel(tr(numbers.separator), this), row, kSeparatorColumn,
                    Qt::AlignHCenter);
    grid->addWidget(addNumber(numbers.secondField), row, kSecondFieldColumn);
  }
  if (numbers.unit) grid->addWidget(new QLabel(tr(numbers.unit), this), row, kUnitColumn);
  if (numbers.selector) {
    this->*numbers.selector = addDistributionSelector(numbers.selectorName);
    grid->addWidget(this->*numbers.selector, row, kSelectorColumn);
  }
}

QComboBox* ParticleSetDialog::addDistributionSelector(const char* objectName) {
  auto* selector = new QComboBox(this);
  selector->setObjectName(QLatin1String(objectName));
  // Item index = Distribution value.
  selector->addItems({tr("均等に分布"), tr("中央に偏った分布"), tr("等間隔配置(非ﾗﾝﾀﾞﾑ)")});
  selector->setCurrentIndex(kUniformDistribution);
  MakeCompactHeight(*selector);
  return selector;
}

void ParticleSetDialog::addChildAndGenerationRows(QGridLayout* grid, int row) {
  grid->addWidget(new QLabel(tr("子火花"), this), row, kLabelColumn);
  childSetCombo = new QComboBox(this);
  childSetCombo->setObjectName(QStringLiteral("childSetCombo"));
  childSetCombo->addItem(ChildSetModel::noChildText());
  childSetCombo->setCurrentIndex(0);
  childSetCombo->setToolTip(tr("この粒子の寿命が尽きると、ここで指定したﾊﾟｰﾃｨｸﾙｾｯﾄが出現します"));
  // As wide as the fields above it: long set names are cut rather than
  // widening the dialog.
  childSetCombo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  MakeCompactHeight(*childSetCombo);
  grid->addWidget(childSetCombo, row, kFieldColumn, 1, kUnitColumn - kFieldColumn);

  using D = ParticleSetDialog;
  const NumberRow generations = {
      QT_TR_NOOP("最大世代数"),
      {&D::maxGenerationsEdit, "maxGenerationsEdit",
       QT_TR_NOOP("子火花を指定した場合、最大で何世代目まで打ち上げるか"),
       SetNumber::kMaxGenerations}};

  addNumberRow(grid, row + 1, generations);
}

void ParticleSetDialog::addVisibleCheck(QGridLayout* grid, int row) {
  visibleCheck = new QCheckBox(tr("このパーティクルセットを表示する"), this);
  visibleCheck->setObjectName(QStringLiteral("visibleCheck"));
  visibleCheck->setChecked(true);
  visibleCheck->setToolTip(tr("ここをチェックしないと、画面に出てきません。"));
  grid->addWidget(visibleCheck, row, kFieldColumn, 1, kColumnCount - kFieldColumn);
}

// A white swatch whose activation offers the colour chooser; a chosen colour
// redraws the star's life.
ColorSwatch* ParticleSetDialog::addSwatch(const char* objectName, const char* hint, QSize size) {
  auto* swatch = new ColorSwatch(this);
  swatch->setObjectName(QLatin1String(objectName));
  swatch->setFixedSize(size);
  swatch->setBrushColor(Qt::white);
  swatch->setToolTip(tr(hint));
  connect(swatch, &ColorSwatch::activated, this, [this, swatch] { chooseColorOf(swatch); });
  return swatch;
}

void ParticleSetDialog::chooseColor() {
  chooseColorOf(colorSwatch);
}

void ParticleSetDialog::chooseColorOf(ColorSwatch* swatch) {
  const std::optional<QColor> chosen = ColorDialogService::getColor(swatch->brushColor(), this);
  if (!chosen) return;
  swatch->setBrushColor(*chosen);
  updateStarLife();
}

}  // namespace kirabel

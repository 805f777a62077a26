// The properties dialog's "星" page: the star effects of a set (air drag,
// fades, flash, strobe, a second colour, sparks) and the strip that draws a
// star's light over its life. Every amount's field takes its limits from the
// star effect table (model/star_effect_fields.h), which also holds what the
// page reads back.
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <algorithm>

#include "model/particle.h"
#include "model/star_effect_fields.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/dialogs/set_colour.h"
#include "ui/widgets/color_swatch.h"
#include "ui/widgets/numeric_field.h"
#include "ui/widgets/star_life_strip.h"

namespace kirabel {

namespace {

// The page's grid: two amounts a row, each with its label, field and unit.
constexpr int kColumnsPerAmount = 3;
enum StarRow {
  kDragRow,
  kFadeRow,
  kFlashRow,
  kStrobeRow,
  kSecondColourRow,
  kSecondColourTimeRow,
  kSparkRow,
  kSparkFlightRow,
  kStripRow,
};
// The fields are as wide as the basic page's.
const char kWidestAmount[] = "-999,999,999";

}  // namespace

// One amount of the star effects: its label, field, hint and unit, the
// effect it shows, and its place (row, left or right half) on the page.
// Texts go through tr(); those marked are the translated ones.
struct ParticleSetDialog::StarNumber {
  const char* label;
  NumericField* ParticleSetDialog::*control;
  const char* objectName;
  const char* hint;
  const char* unit;
  long double StarEffects::*effect;
  int row;
  int half;
};

std::vector<ParticleSetDialog::StarNumber> ParticleSetDialog::starNumbers() {
  using D = ParticleSetDialog;
  return {
      {QT_TR_NOOP("空気抵抗"), &D::dragEdit, "dragEdit",
       QT_TR_NOOP("空気が星を減速させる強さ (0で空気なし)"), "[1/Time]", &StarEffects::drag,
       kDragRow, 0},
      {QT_TR_NOOP("明るくなる"), &D::fadeInEdit, "fadeInEdit",
       QT_TR_NOOP("生まれてから明るさが満ちるまでの時間"), "[Time]", &StarEffects::fadeIn, kFadeRow,
       0},
      {QT_TR_NOOP("消えていく"), &D::fadeOutEdit, "fadeOutEdit",
       QT_TR_NOOP("寿命が尽きる前に暗くなっていく時間"), "[Time]", &StarEffects::fadeOut, kFadeRow,
       1},
      {QT_TR_NOOP("閃光"), &D::flashEdit, "flashEdit",
       QT_TR_NOOP("生まれた瞬間に加わる光 (色の何倍か)"), QT_TR_NOOP("[倍]"), &StarEffects::flash,
       kFlashRow, 0},
      {QT_TR_NOOP("閃光の時間"), &D::flashTimeEdit, "flashTimeEdit",
       QT_TR_NOOP("閃光が消えるまでの時間 (0で閃光なし)"), "[Time]", &StarEffects::flashTime,
       kFlashRow, 1},
      {QT_TR_NOOP("点滅の周期"), &D::strobePeriodEdit, "strobePeriodEdit",
       QT_TR_NOOP("点いて消えるまでの一回りの時間"), "[Time]", &StarEffects::strobePeriod,
       kStrobeRow, 0},
      {QT_TR_NOOP("点灯の割合"), &D::strobeLitEdit, "strobeLitEdit",
       QT_TR_NOOP("一回りのうち点いている割合 (0で点滅なし、1未満)"), "(0-1)",
       &StarEffects::strobeLit, kStrobeRow, 1},
      {QT_TR_NOOP("変わり始め"), &D::secondColorAgeEdit, "secondColorAgeEdit",
       QT_TR_NOOP("色が変わり始める星の年齢"), "[Time]", &StarEffects::secondColourAge,
       kSecondColourTimeRow, 0},
      {QT_TR_NOOP("変わる時間"), &D::secondColorBlendEdit, "secondColorBlendEdit",
       QT_TR_NOOP("色が変わりきるまでの時間 (0で一瞬)"), "[Time]", &StarEffects::secondColourBlend,
       kSecondColourTimeRow, 1},
      {QT_TR_NOOP("火の粉の数"), &D::sparkRateEdit, "sparkRateEdit",
       QT_TR_NOOP("一つの星が単位時間に散らす火の粉の数 (0で火の粉なし)"), QT_TR_NOOP("[個/Time]"),
       &StarEffects::sparkRate, kSparkRow, 0},
      {QT_TR_NOOP("火の粉の寿命"), &D::sparkLifetimeEdit, "sparkLifetimeEdit",
       QT_TR_NOOP("火の粉が光っている時間"), "[Time]", &StarEffects::sparkLifetime, kSparkFlightRow,
       0},
      {QT_TR_NOOP("火の粉の速さ"), &D::sparkSpeedEdit, "sparkSpeedEdit",
       QT_TR_NOOP("火の粉が星から離れていく速さ"), "[Pixels/Time]", &StarEffects::sparkSpeed,
       kSparkFlightRow, 1},
  };
}

QWidget* ParticleSetDialog::newStarPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("starPage"));
  QGridLayout* grid = NewPageGrid(page);
  const std::vector<StarNumber> numbers = starNumbers();
  // Made row by row, left to right: the tab order.
  for (int row = kDragRow; row < kStripRow; ++row) {
    if (row == kSecondColourRow) addSecondColourRow(grid, row);
    for (const StarNumber& number : numbers) {
      if (number.row == row) addStarNumber(grid, number);
    }
    if (row == kSparkRow) {
      grid->addWidget(new QLabel(tr("火の粉の色"), this), row, kColumnsPerAmount);
      sparkColorSwatch = addSwatch("sparkColorSwatch", QT_TR_NOOP("火の粉の色です"),
                                   QSize(49, secondColorSwatch->height()));
      grid->addWidget(sparkColorSwatch, row, kColumnsPerAmount + 1, 1, 2, Qt::AlignLeft);
    }
  }
  starLifeStrip = new StarLifeStrip(this);
  starLifeStrip->setObjectName(QStringLiteral("starLifeStrip"));
  starLifeStrip->setToolTip(tr("星の一生の明るさと色 (左が誕生、右が寿命の尽きる時)"));
  grid->addWidget(starLifeStrip, kStripRow, 0, 1, 2 * kColumnsPerAmount);
  grid->setColumnStretch(kColumnsPerAmount - 1, 1);
  grid->setColumnStretch(2 * kColumnsPerAmount - 1, 1);
  SpreadEvenly(*grid);
  return page;
}

void ParticleSetDialog::addStarNumber(QGridLayout* grid, const StarNumber& number) {
  const int column = number.half * kColumnsPerAmount;
  auto* field = new NumericField(this);
  field->setObjectName(QLatin1String(number.objectName));
  field->setToolTip(tr(number.hint));
  const FieldLimits limits = EffectFieldLimits(number.effect);
  field->setLimits(limits);
  field->setShowZero(true);
  field->setValue(limits.initial);
  field->setFixedWidth(WidthShowing(*field, QLatin1String(kWidestAmount)));
  MakeCompactHeight(*field);
  auto* label = new QLabel(tr(number.label), this);
  label->setBuddy(field);
  grid->addWidget(label, number.row, column);
  grid->addWidget(field, number.row, column + 1);
  grid->addWidget(new QLabel(tr(number.unit), this), number.row, column + 2);
  this->*number.control = field;
}

// "色を変える" turns the second colour on; its swatch stands beside it.
void ParticleSetDialog::addSecondColourRow(QGridLayout* grid, int row) {
  secondColorCheck = new QCheckBox(tr("色を変える"), this);
  secondColorCheck->setObjectName(QStringLiteral("secondColorCheck"));
  secondColorCheck->setToolTip(tr("星の色を途中で別の色に変えます"));
  grid->addWidget(secondColorCheck, row, 0, 1, 2);
  grid->addWidget(new QLabel(tr("変わる色"), this), row, kColumnsPerAmount);
  secondColorSwatch = addSwatch("secondColorSwatch", QT_TR_NOOP("星が変わっていく色です"),
                                QSize(49, secondColorCheck->sizeHint().height()));
  grid->addWidget(secondColorSwatch, row, kColumnsPerAmount + 1, 1, 2, Qt::AlignLeft);
  connect(secondColorCheck, &QCheckBox::toggled, this,
          &ParticleSetDialog::updateSecondColourControls);
}

void ParticleSetDialog::updateSecondColourControls() {
  const bool on = secondColorCheck->isChecked();
  for (QWidget* control :
       {static_cast<QWidget*>(secondColorSwatch), static_cast<QWidget*>(secondColorAgeEdit),
        static_cast<QWidget*>(secondColorBlendEdit)}) {
    control->setEnabled(on);
  }
  updateStarLife();
}

void ParticleSetDialog::showEffects(const StarEffects& effects) {
  const StarEffects held = WithinEffectLimits(effects);
  for (const StarNumber& number : starNumbers())
    (this->*number.control)->setValue(held.*number.effect);
  // A negative age (no second colour) shows as 0 beside the check box off.
  secondColorAgeEdit->setValue(std::max(held.secondColourAge, 0.0L));
  secondColorCheck->setChecked(held.secondColourAge >= 0);
  secondColorSwatch->setBrushColor(ColourOf(held.secondRed, held.secondGreen, held.secondBlue));
  sparkColorSwatch->setBrushColor(ColourOf(held.sparkRed, held.sparkGreen, held.sparkBlue));
  shownSeed = held.seed;
  updateSecondColourControls();
}

StarEffects ParticleSetDialog::effects() const {
  StarEffects effects;
  for (const StarNumber& number : starNumbers())
    effects.*number.effect = (this->*number.control)->value();
  if (!secondColorCheck->isChecked()) effects.secondColourAge = -1;
  StoreColour(secondColorSwatch->brushColor(), effects.secondRed, effects.secondGreen,
              effects.secondBlue);
  StoreColour(sparkColorSwatch->brushColor(), effects.sparkRed, effects.sparkGreen,
              effects.sparkBlue);
  effects.seed = shownSeed;
  return WithinEffectLimits(effects);
}

void ParticleSetDialog::updateStarLife() {
  if (starLifeStrip) starLifeStrip->setParticleSet(particleSet());
}

}  // namespace kirabel

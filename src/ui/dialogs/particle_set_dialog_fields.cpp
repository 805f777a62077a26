// The particle set properties dialog's exchange with a set: each control
// carries one field of the set.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <cmath>
#include <cstdint>

#include "image/picture.h"
#include "model/angles.h"
#include "model/particle.h"
#include "platform/sjis.h"
#include "ui/dialogs/numeric_value.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/widgets/color_swatch.h"
#include "ui/widgets/numeric_field.h"

namespace kirabel {

namespace {

QColor SetColour(const ParticleSet& set) {
  const uint8_t pixel[3] = {set.blue, set.green, set.red};
  const uint32_t c = Picture::PixelToColor(pixel);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void StoreColour(const QColor& colour, ParticleSet& set) {
  const uint32_t c = static_cast<uint32_t>(colour.red()) |
                     (static_cast<uint32_t>(colour.green()) << 8) |
                     (static_cast<uint32_t>(colour.blue()) << 16);
  uint8_t pixel[3];
  Picture::ColorToPixel(c, pixel);
  set.blue = pixel[0];
  set.green = pixel[1];
  set.red = pixel[2];
}

// A mode outside the selector's items shows no choice (and reads back as -1).
void ShowMode(QComboBox* selector, Distribution mode) {
  selector->setCurrentIndex(mode >= 0 && mode < selector->count() ? mode : -1);
}

// A child that names no set shows "(なし)".
void ShowChild(QComboBox* selector, int32_t child) {
  const bool valid = child >= -1 && child < selector->count() - 1;
  selector->setCurrentIndex(valid ? child + 1 : 0);
}

int32_t ReadChild(const QComboBox* selector) {
  const int index = selector->currentIndex();
  return index >= 1 ? index - 1 : -1;
}

}  // namespace

void ParticleSetDialog::setParticleSet(const ParticleSet& set) {
  colorSwatch->setBrushColor(SetColour(set));
  countEdit->setValue(set.count);
  speedEdit->setValue(set.speed);
  originXEdit->setValue(set.originX);
  originYEdit->setValue(set.originY);
  directionEdit->setValue(RadiansToDegrees(set.direction));
  directionSpreadEdit->setValue(RadiansToDegrees(set.directionSpread));
  speedSpreadEdit->setValue(set.speedSpread);
  birthTimeEdit->setValue(set.birthTime);
  birthSpreadEdit->setValue(set.birthSpread);
  lifetimeEdit->setValue(set.lifetime);
  lifetimeSpreadEdit->setValue(set.lifetimeSpread);
  trailLengthEdit->setValue(set.trailLength);
  trailSamplesEdit->setValue(set.trailSamples);
  nameEdit->setText(QString::fromStdString(set.name));
  visibleCheck->setChecked(set.visible);
  ShowChild(childSetCombo, set.child);
  maxGenerationsEdit->setValue(set.maxGenerations);
  ShowMode(speedDistributionCombo, set.speedDistribution);
  ShowMode(directionDistributionCombo, set.directionDistribution);
  ShowMode(birthDistributionCombo, set.birthDistribution);
  ShowMode(lifetimeDistributionCombo, set.lifetimeDistribution);
  shownEffects = set.Effects();
}

ParticleSet ParticleSetDialog::particleSet() const {
  ParticleSet set;
  StoreColour(colorSwatch->brushColor(), set);
  set.count = TruncateToInt32(countEdit->value());
  set.speed = speedEdit->value();
  set.originX = originXEdit->value();
  set.originY = originYEdit->value();
  set.direction = DegreesToRadians(directionEdit->value());
  set.directionSpread = DegreesToRadians(directionSpreadEdit->value());
  set.speedSpread = speedSpreadEdit->value();
  set.birthTime = birthTimeEdit->value();
  set.birthSpread = birthSpreadEdit->value();
  set.lifetime = lifetimeEdit->value();
  set.lifetimeSpread = lifetimeSpreadEdit->value();
  set.trailLength = trailLengthEdit->value();
  set.trailSamples = TruncateToInt32(trailSamplesEdit->value());
  set.name = CutToFileBytes(nameEdit->text().toStdString(), kMaxNameBytes);
  set.visible = visibleCheck->isChecked();
  set.child = ReadChild(childSetCombo);
  set.maxGenerations = TruncateToInt32(maxGenerationsEdit->value());
  set.speedDistribution = speedDistributionCombo->currentIndex();
  set.directionDistribution = directionDistributionCombo->currentIndex();
  set.birthDistribution = birthDistributionCombo->currentIndex();
  set.lifetimeDistribution = lifetimeDistributionCombo->currentIndex();
  set.SetEffects(shownEffects);
  return set;
}

void ParticleSetDialog::proposeNewSet(const QString& name) {
  nameEdit->setText(name);
  shownEffects = StarEffects();
  for (QComboBox* selector : {childSetCombo, speedDistributionCombo, directionDistributionCombo,
                              birthDistributionCombo, lifetimeDistributionCombo}) {
    selector->setCurrentIndex(0);
  }
}

void ParticleSetDialog::setChildChoices(QAbstractItemModel* choices) {
  childSetCombo->setModel(choices);
}

}  // namespace kirabel

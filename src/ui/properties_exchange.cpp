#include "ui/properties_exchange.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "controls/NValEdit.h"
#include "image/dibs.h"
#include "model/angles.h"
#include "model/particle.h"
#include "platform/sjis.h"
#include "ui/color_swatch.h"
#include "ui/properties_dialog.h"

namespace kirabel {

namespace {

// A field value truncated toward zero into a 32-bit integer (the fields hold
// at most nine digits, the clamp only guards against the impossible).
int32_t TruncToInt32(long double value) {
  if (!(value == value)) return 0;
  const long double t = std::trunc(value);
  if (t >= static_cast<long double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  if (t <= static_cast<long double>(std::numeric_limits<int32_t>::min())) {
    return std::numeric_limits<int32_t>::min();
  }
  return static_cast<int32_t>(t);
}

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

void SetToDialog(ParticleSetDialog& d, const ParticleSet& set) {
  d.colorSwatch->setBrushColor(SetColour(set));
  d.countEdit->setValue(set.count);
  d.speedEdit->setValue(set.speed);
  d.originXEdit->setValue(set.originX);
  d.originYEdit->setValue(set.originY);
  d.directionEdit->setValue(RadiansToDegrees(set.direction));
  d.directionSpreadEdit->setValue(RadiansToDegrees(set.directionSpread));
  d.speedSpreadEdit->setValue(set.speedSpread);
  d.birthTimeEdit->setValue(set.birthTime);
  d.birthSpreadEdit->setValue(set.birthSpread);
  d.lifetimeEdit->setValue(set.lifetime);
  d.lifetimeSpreadEdit->setValue(set.lifetimeSpread);
  d.trailLengthEdit->setValue(set.trailLength);
  d.trailSamplesEdit->setValue(set.trailSamples);
  d.nameEdit->setText(QString::fromStdString(set.name));
  d.visibleCheck->setChecked(set.visible);
  ShowChild(d.childSetCombo, set.child);
  d.maxGenerationsEdit->setValue(set.maxGenerations);
  ShowMode(d.speedDistributionCombo, set.speedDistribution);
  ShowMode(d.directionDistributionCombo, set.directionDistribution);
  ShowMode(d.birthDistributionCombo, set.birthDistribution);
  ShowMode(d.lifetimeDistributionCombo, set.lifetimeDistribution);
}

void DialogToSet(const ParticleSetDialog& d, ParticleSet& set) {
  StoreColour(d.colorSwatch->brushColor(), set);
  set.count = TruncToInt32(d.countEdit->Value());
  set.speed = d.speedEdit->Value();
  set.originX = d.originXEdit->Value();
  set.originY = d.originYEdit->Value();
  set.direction = DegreesToRadians(d.directionEdit->Value());
  set.directionSpread = DegreesToRadians(d.directionSpreadEdit->Value());
  set.speedSpread = d.speedSpreadEdit->Value();
  set.birthTime = d.birthTimeEdit->Value();
  set.birthSpread = d.birthSpreadEdit->Value();
  set.lifetime = d.lifetimeEdit->Value();
  set.lifetimeSpread = d.lifetimeSpreadEdit->Value();
  set.trailLength = d.trailLengthEdit->Value();
  set.trailSamples = TruncToInt32(d.trailSamplesEdit->Value());
  set.name = CutToFileBytes(d.nameEdit->text().toStdString(), kMaxNameBytes);
  set.visible = d.visibleCheck->isChecked();
  set.child = ReadChild(d.childSetCombo);
  set.maxGenerations = TruncToInt32(d.maxGenerationsEdit->Value());
  set.speedDistribution = d.speedDistributionCombo->currentIndex();
  set.directionDistribution = d.directionDistributionCombo->currentIndex();
  set.birthDistribution = d.birthDistributionCombo->currentIndex();
  set.lifetimeDistribution = d.lifetimeDistributionCombo->currentIndex();
}

}  // namespace kirabel

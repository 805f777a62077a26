#include "ui/widgets/star_life_strip.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "simulation/star_light.h"

namespace kirabel {

namespace {

// The thin border around the strip.
constexpr int kBorder = 1;

// A colour amount of StarLight (x 128) as a channel.
int Channel(long double amount) {
  return std::clamp(static_cast<int>(std::lround(amount / 128)), 0, 255);
}

}  // namespace

std::vector<StarLifeColumn> StarLifeColumns(const ParticleSet& set, int width) {
  std::vector<StarLifeColumn> columns;
  const long double life = set.lifetime;
  if (!(life > 0) || !std::isfinite(life) || width <= 0) return columns;
  const StarLight light(set);
  columns.resize(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) {
    StarLifeColumn& column = columns[static_cast<std::size_t>(x)];
    column.age = life * (x + 0.5L) / width;
    const auto age = static_cast<double>(column.age);
    column.brightness =
        light.Brightness(age, static_cast<double>(life), light.StrobeCycleAt(age, 0));
    double amounts[3];
    light.ColourAt(age, amounts);
    column.colour = QColor(Channel(amounts[0]), Channel(amounts[1]), Channel(amounts[2]));
  }
  return columns;
}

StarLifeStrip::StarLifeStrip(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setFixedHeight(40);
}

void StarLifeStrip::setParticleSet(const ParticleSet& set) {
  set_ = set;
  updateColumns();
  update();
}

QSize StarLifeStrip::sizeHint() const {
  return QSize(200, height());
}

QRect StarLifeStrip::inside() const {
  return rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
}

void StarLifeStrip::updateColumns() {
  columns_ = StarLifeColumns(set_, inside().width());
}

void StarLifeStrip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  updateColumns();
}

void StarLifeStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const QRect area = inside();
  long double peak = 1;
  for (const StarLifeColumn& column : columns_) peak = std::max(peak, column.brightness);
  for (std::size_t x = 0; x < columns_.size(); ++x) {
    const StarLifeColumn& column = columns_[x];
    const int height = static_cast<int>(std::lround(area.height() * column.brightness / peak));
    if (height <= 0) continue;
    painter.fillRect(area.left() + static_cast<int>(x), area.bottom() + 1 - height, 1, height,
                     column.colour);
  }
}

}  // namespace kirabel

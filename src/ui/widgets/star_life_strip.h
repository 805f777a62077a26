#pragma once
// StarLifeStrip: a star's life at a glance. From left to right the star's age
// runs from birth to the set's mean lifetime; each column is as high as the
// star's brightness at that age (fades, flash and the strobe at phase 0, the
// brightest column filling the strip) and drawn in its colour at that age.
// Both come from StarLight, the launch's own light of a star.
#include <QColor>
#include <QWidget>
#include <vector>

#include "model/particle.h"

namespace kirabel {

// One column of the strip: the star's age, brightness and colour there.
struct StarLifeColumn {
  long double age = 0;
  long double brightness = 0;
  QColor colour;
};

// The columns of a strip `width` pixels wide for the set's stars (none for a
// set whose stars do not live).
std::vector<StarLifeColumn> StarLifeColumns(const ParticleSet& set, int width);

class StarLifeStrip : public QWidget {
  Q_OBJECT
 public:
  explicit StarLifeStrip(QWidget* parent = nullptr);

  // Draws the life of this set's stars from now on.
  void setParticleSet(const ParticleSet& set);
  // The columns drawn (as wide as the strip's inside).
  const std::vector<StarLifeColumn>& columns() const { return columns_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect inside() const;
  void updateColumns();

  ParticleSet set_;
  std::vector<StarLifeColumn> columns_;
};

}  // namespace kirabel

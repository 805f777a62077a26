// The strip of a star's life draws the launch's own light: its columns are
// StarLight's brightness and colour at their ages.
#include "ui/widgets/star_life_strip.h"

#include <gtest/gtest.h>

#include <cmath>

#include "simulation/star_light.h"

namespace kirabel {
namespace {

TEST(StarLifeStripTest, ColumnsAreTheLaunchsLightAtTheirAges) {
  ParticleSet set;
  set.lifetime = 20;
  set.red = 200;
  StarEffects effects;
  effects.fadeIn = 2;
  effects.fadeOut = 5;
  effects.flash = 3;
  effects.flashTime = 1;
  effects.strobePeriod = 4;
  effects.strobeLit = 0.5L;
  effects.secondColourAge = 10;
  effects.secondColourBlend = 2;
  effects.secondGreen = 0;
  set.SetEffects(effects);
  const StarLight light(set);
  const std::vector<StarLifeColumn> columns = StarLifeColumns(set, 200);
  ASSERT_EQ(columns.size(), 200u);
  for (const int x : {0, 9, 35, 99, 110, 150, 199}) {
    const StarLifeColumn& column = columns[static_cast<std::size_t>(x)];
    EXPECT_EQ(column.age, 20 * (x + 0.5L) / 200) << x;
    const auto age = static_cast<double>(column.age);
    EXPECT_EQ(column.brightness, light.Brightness(age, 20, light.StrobeCycleAt(age, 0))) << x;
    double amounts[3];
    light.ColourAt(age, amounts);
    EXPECT_EQ(column.colour.green(), std::lround(amounts[1] / 128)) << x;
  }
  // A star that does not live draws nothing.
  set.lifetime = 0;
  EXPECT_TRUE(StarLifeColumns(set, 200).empty());
}

}  // namespace
}  // namespace kirabel

// The grid's cell texts, formed from the list as the grid asks for them.
#include "document/particle_grid_model.h"

#include <gtest/gtest.h>

#include "support/particle_sets.h"

namespace kirabel {
namespace {

TEST(GridCellTextTest, ColumnsFormatTheSetAsTheGridShowsIt) {
  ParticleList list{testing::NamedSet("火花 1"), testing::NamedSet("b"), testing::NamedSet("c")};
  list[0].originX = 255.9L;
  list[0].originY = 0.5L;
  list[0].birthTime = 12.5L;
  list[0].birthSpread = 0;
  list[1].visible = false;
  list[1].birthTime = -3;
  list[1].originX = -1.7L;
  list[1].child = 1;  // its own child
  list[2].child = 0;

  EXPECT_EQ(GridCellText(list, 0, 0), QStringLiteral("火花 1"));
  EXPECT_EQ(GridCellText(list, 0, 1), QStringLiteral("Yes"));
  EXPECT_EQ(GridCellText(list, 0, 2), QString());
  EXPECT_EQ(GridCellText(list, 0, 3), QStringLiteral("255,0"));
  EXPECT_EQ(GridCellText(list, 0, 4), QStringLiteral("12.50±0.00"));
  EXPECT_EQ(GridCellText(list, 0, 5), QStringLiteral("(なし)"));
  EXPECT_EQ(GridCellText(list, 1, 1), QStringLiteral("No"));
  EXPECT_EQ(GridCellText(list, 1, 3), QStringLiteral("-1,256"));
  EXPECT_EQ(GridCellText(list, 1, 4), QStringLiteral("-3.00±5.00"));
  EXPECT_EQ(GridCellText(list, 1, 5), QStringLiteral("b"));
  EXPECT_EQ(GridCellText(list, 2, 5), QStringLiteral("火花 1"));
  EXPECT_EQ(GridCellText(list, 3, 0), QString());  // beyond the list: nothing
}

TEST(GridCellTextTest, BrokenValuesShowWithoutFailing) {
  ParticleList list{testing::NamedSet("a")};
  list[0].child = 7;  // names no set
  list[0].originX = 1e30L;
  list[0].originY = -1e30L;
  EXPECT_EQ(GridCellText(list, 0, 5), QStringLiteral("(なし)"));
  EXPECT_EQ(GridCellText(list, 0, 3), QStringLiteral("2147483647,-2147483648"));
  list[0].child = -5;
  EXPECT_EQ(GridCellText(list, 0, 5), QStringLiteral("(なし)"));
}

}  // namespace
}  // namespace kirabel

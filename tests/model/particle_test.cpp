#include "model/particle.h"

#include <gtest/gtest.h>

#include "model/particle_fields.h"

namespace kirabel {
namespace {

TEST(ParticleSetTest, NewRecordIsAllZero) {
  ParticleSet p;
  EXPECT_EQ(p.count, 0);
  EXPECT_EQ(p.child, 0);
  EXPECT_FALSE(p.visible);
  EXPECT_TRUE(p.name.empty());
}

// Every field of the table takes part in the comparison.
TEST(ParticleSetTest, SetsDifferInAnyFieldOfTheTable) {
  const ParticleSet base;
  int fields = 0;
  ForEachParticleField([&](const auto& field) {
    ParticleSet changed = base;
    auto& value = changed.*field.member;
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
      value = "x";
    } else {
      value = !value;
    }
    EXPECT_NE(changed, base) << field.key;
    EXPECT_EQ(ParticleSet(changed), changed) << field.key;
    ++fields;
  });
  EXPECT_EQ(fields, 24);
}

TEST(ParticleSetTest, SetNameKeepsAtMost40ShiftJisBytes) {
  ParticleSet p;
  p.SetName(std::string(41, 'a'));
  EXPECT_EQ(p.name, std::string(40, 'a'));
  std::string kanji;
  for (int i = 0; i < 21; ++i) kanji += "火";
  p.SetName("x" + kanji);  // 1 + 2 * 19 = 39 bytes; one more would split
  EXPECT_EQ(p.name, "x" + kanji.substr(0, 19 * 3));
  p.SetName("火花 1");
  EXPECT_EQ(p.name, "火花 1");
}

}  // namespace
}  // namespace kirabel

#include "model/particle.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

TEST(TParticleTest, NewRecordIsAllZero) {
  TParticle p;
  EXPECT_EQ(p.N, 0);
  EXPECT_EQ(p.child, 0);
  EXPECT_FALSE(p.visible);
  EXPECT_TRUE(p.name.empty());
  EXPECT_TRUE(p.states.empty());
}

TEST(TParticleTest, AssignCopiesEverythingButStates) {
  TParticle source;
  source.colR = 1;
  source.colG = 2;
  source.colB = 3;
  source.N = 7;
  source.P0x = 1.5L;
  source.tv = 4;
  source.ns = 9;
  source.child = 2;
  source.am = 5;
  source.rmLT = 1;
  source.visible = true;
  source.name = std::string(40, 'x');
  source.states.resize(3);
  TParticle target;
  target.states.resize(1);
  target.Assign(source);
  EXPECT_EQ(target.colR, 1);
  EXPECT_EQ(target.colB, 3);
  EXPECT_EQ(target.N, 7);
  EXPECT_EQ(target.P0x, 1.5L);
  EXPECT_EQ(target.ns, 9);
  EXPECT_EQ(target.child, 2);
  EXPECT_EQ(target.am, 5);
  EXPECT_EQ(target.rmLT, 1);
  EXPECT_TRUE(target.visible);
  EXPECT_EQ(target.name, source.name);
  EXPECT_EQ(target.states.size(), 1u);
}

TEST(TParticleTest, SetNameKeepsAtMost40ShiftJisBytes) {
  TParticle p;
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

// The star effects and the later launch settings in a PCL file: written only
// when used, read back exactly, hostile values held within their limits.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/list_commands.h"
#include "model/pcl_file.h"
#include "model/star_effect_fields.h"
#include "support/particle_sets.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

// Effects with every field away from its default.
StarEffects EveryEffect() {
  StarEffects e;
  e.drag = 0.25L;
  e.fadeIn = 1.5L;
  e.fadeOut = 2.5L;
  e.flash = 3;
  e.flashTime = 0.75L;
  e.strobePeriod = 0.5L;
  e.strobeLit = 0.4L;
  e.secondRed = 10;
  e.secondGreen = 20;
  e.secondBlue = 30;
  e.secondColourAge = 4;
  e.secondColourBlend = 1.25L;
  e.sparkRate = 6;
  e.sparkLifetime = 2;
  e.sparkSpeed = 1.5L;
  e.sparkRed = 40;
  e.sparkGreen = 50;
  e.sparkBlue = 60;
  e.seed = -123456;
  return e;
}

class StarEffectsFileTest : public ::testing::Test {
 protected:
  std::string Save(const ParticleList& list, const LaunchSettings& settings = LaunchSettings()) {
    SaveListToFile(path_, list, settings);
    return testing::ReadBytes(path_);
  }
  testing::ScratchFolder scratch_;
  std::string path_ = scratch_.File("list.pcl");
};

TEST_F(StarEffectsFileTest, EveryKeyTravelsThroughAFileAndIsWrittenOnlyWhenUsed) {
  ParticleList list{testing::NamedSet("plain"), testing::NamedSet("lit")};
  const std::string plainText = Save(list);
  list[1].SetEffects(EveryEffect());
  LaunchSettings settings;
  settings.wind = -2.5L;
  settings.ownRandom = true;
  const std::string litText = Save(list, settings);

  const PclContents read = ReadPclFile(path_);
  EXPECT_EQ(read.sets, list);
  EXPECT_EQ(read.settings, settings);
  ForEachStarEffectField([&](const auto& field) {
    const std::string line = std::string("\n") + field.key + "=";
    EXPECT_EQ(plainText.find(line), std::string::npos) << field.key;
    EXPECT_NE(litText.find(line), std::string::npos) << field.key;
  });
  for (const char* key : {"\nWIND=", "\nOWNRANDOM="}) {
    EXPECT_EQ(plainText.find(key), std::string::npos) << key;
    EXPECT_NE(litText.find(key), std::string::npos) << key;
  }

  // Back at their defaults, the keys leave the file: it is as if never used.
  list[1].SetEffects(StarEffects());
  EXPECT_EQ(Save(list), plainText);
}

TEST_F(StarEffectsFileTest, HostileValuesAreHeldWithinTheirLimits) {
  for (const char* value : {"-1", "-1e308", "1e308", "1e4000", "nan", "inf", "-inf", "99999999999",
                            "0x7FFFFFFF", "junk", ""}) {
    std::string text = "[HEADER]\nID=PCL\nnSET=1\n[ENV]\nWIND=" + std::string(value) + "\n[P0]\n";
    ForEachStarEffectField(
        [&](const auto& field) { text += std::string(field.key) + "=" + value + "\n"; });
    testing::WriteBytes(path_, text);
    const PclContents read = ReadPclFile(path_);
    ASSERT_EQ(read.sets.size(), 1u);
    const StarEffects effects = read.sets[0].Effects();
    ForEachStarEffectField([&](const auto& field) {
      const auto held = effects.*field.member;
      EXPECT_TRUE(held >= field.low && held <= field.high) << field.key << "=" << value;
    });
    EXPECT_TRUE(std::isfinite(read.settings.wind)) << value;
    EXPECT_LE(std::fabs(read.settings.wind), 999999999.0L) << value;
  }
}

TEST(StarEffectsLimitsTest, NegativeAgeMeansNoSecondColour) {
  StarEffects effects;
  effects.secondColourAge = -0.5L;
  effects.drag = NAN;
  effects.strobeLit = 7;
  const StarEffects held = WithinEffectLimits(effects);
  EXPECT_EQ(held.secondColourAge, -1);
  EXPECT_EQ(held.drag, 0);
  EXPECT_EQ(held.strobeLit, 1);
}

TEST(SetSeedTest, AnAddedSetGetsASeedAndASeededSetKeepsItsOwn) {
  DocumentData data;
  AppendSetCommand(testing::NamedSet("new"))->Apply(data);
  ParticleSet seeded = testing::NamedSet("seeded");
  StarEffects own;
  own.seed = 77;
  seeded.SetEffects(own);
  AppendSetCommand(seeded)->Apply(data);
  ASSERT_EQ(data.sets.size(), 2u);
  EXPECT_NE(data.sets[0].Effects().seed, 0);
  EXPECT_EQ(data.sets[1].Effects().seed, 77);
}

}  // namespace
}  // namespace kirabel

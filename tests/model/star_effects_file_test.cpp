// The star effects and the later launch settings in a PCL file: written only
// when used, read back exactly, hostile values held within their limits.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/list_commands.h"
#include "model/pcl_file.h"
#include "model/set_seed.h"
#include "model/star_effect_fields.h"
#include "support/particle_sets.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

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
  list[1].SetEffects(testing::EveryStarEffect());
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
  LaunchSettings own;
  own.ownRandom = true;
  DocumentData data;
  AppendSetCommand(SeededForList(testing::NamedSet("new"), own))->Apply(data);
  ParticleSet seeded = testing::NamedSet("seeded");
  StarEffects effects;
  effects.seed = 77;
  seeded.SetEffects(effects);
  AppendSetCommand(SeededForList(seeded, own))->Apply(data);
  AppendSetCommand(SeededForList(testing::NamedSet("plain"), LaunchSettings()))->Apply(data);
  ASSERT_EQ(data.sets.size(), 3u);
  EXPECT_NE(data.sets[0].Effects().seed, 0);
  EXPECT_EQ(data.sets[1].Effects().seed, 77);
  EXPECT_EQ(data.sets[2].Effects().seed, 0);  // appended as given
}

TEST_F(StarEffectsFileTest, AddingASetToAPlainListWritesNoSeed) {
  DocumentData data;
  AppendSetCommand(testing::NamedSet("first"))->Apply(data);
  AppendSetCommand(testing::NamedSet("second"))->Apply(data);
  const std::string text = Save(data.sets);
  EXPECT_EQ(text.find("\nseed="), std::string::npos);
  EXPECT_EQ(Save(data.sets), text);  // and saving again writes the same bytes
}

// Turning own random streams on seeds every set without one in the same step;
// undoing it takes exactly those seeds back, redoing gives the same seeds.
TEST(SetSeedTest, TurningOwnRandomOnSeedsTheSetsWithoutOne) {
  DocumentData data;
  data.sets = {testing::NamedSet("a"), testing::NamedSet("b")};
  StarEffects effects;
  effects.seed = 5;
  data.sets[1].SetEffects(effects);
  LaunchSettings on;
  on.ownRandom = true;
  auto command = ChangeLaunchSettingsCommand(on);
  EXPECT_EQ(command->RowsToApply(data).kind, RowChange::Kind::kUpdate);
  command->Apply(data);
  EXPECT_TRUE(data.settings.ownRandom);
  const int32_t made = data.sets[0].Effects().seed;
  EXPECT_NE(made, 0);
  EXPECT_EQ(data.sets[1].Effects().seed, 5);
  command->Revert(data);
  EXPECT_FALSE(data.settings.ownRandom);
  EXPECT_EQ(data.sets[0].Effects().seed, 0);
  EXPECT_EQ(data.sets[1].Effects().seed, 5);
  command->Apply(data);
  EXPECT_EQ(data.sets[0].Effects().seed, made);

  // Other changes, with own random streams on or off, leave the seeds alone.
  LaunchSettings windy = on;
  windy.wind = 3;
  data.sets[0].SetEffects(StarEffects());
  auto wind = ChangeLaunchSettingsCommand(windy);
  EXPECT_EQ(wind->RowsToApply(data).kind, RowChange::Kind::kNone);
  wind->Apply(data);
  EXPECT_EQ(data.sets[0].Effects().seed, 0);
}

}  // namespace
}  // namespace kirabel

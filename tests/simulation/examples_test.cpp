// The example lists, read from their files and launched, draw exactly what a
// straight reading of the rules draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/pcl_file.h"
#include "simulation/canvas.h"
#include "simulation/launch.h"
#include "simulation/literal_reference.h"
#include "simulation/random.h"
#include "simulation/renderer.h"

namespace kirabel {
namespace {

constexpr int32_t kW = 512;
constexpr int32_t kH = 400;
const std::string kExamples = std::string(KIRABEL_TEST_DATA) + "/../../examples/";

TEST(ExamplesTest, FirstLaunchMatchesTheLiteralRules) {
  for (const char* name : {"chrysanthemum", "willow", "ring", "finale"}) {
    const PclContents read = ReadPclFile(kExamples + name + ".pcl");
    const ParticleList& list = read.sets;
    LaunchSettings settings = read.settings;
    settings.frameCount = 2;
    const bool aa = std::string(name) != "ring";

    RandomGenerator random;
    const auto built = Launch::Build(list, settings, random, INT64_MAX, {});
    ASSERT_TRUE(built.launch) << name;

    RandomGenerator literalRandom;
    const auto reference = literal::Population(list, settings.gravity, literalRandom).Build();
    long double t = settings.startTime;
    for (int frame = 0; frame < 2; ++frame, t = t + settings.frameInterval) {
      literal::Space space(kW, kH);
      literal::RenderFrame(reference, t, settings.gravity, aa, false, space);
      SpaceBuffer copy(kW, kH);
      for (int plane = 0; plane < 3; ++plane)
        for (int32_t y = 0; y < kH; ++y)
          for (int32_t x = 0; x < kW; ++x)
            copy.SetValue(plane, x, y, space.data[(plane * kH + y) * kW + x]);
      Picture expected;
      expected.SetHeight(kH);
      expected.SetWidth(kW);
      CopySpaceToPicture(copy, expected);
      const std::vector<uint8_t> bytes(expected.Bits(), expected.Bits() + 3 * kW * kH);
      testing::Canvas canvas(kW, kH);
      ASSERT_TRUE(built.launch->DrawFrame(frame + 1, canvas.space, canvas.picture, {aa, false}));
      EXPECT_TRUE(canvas.Bytes() == bytes) << name << " frame " << frame + 1;
      EXPECT_GT(std::count_if(bytes.begin(), bytes.end(), [](uint8_t b) { return b > 40; }), 500)
          << name << " draws little";
    }
  }
}

}  // namespace
}  // namespace kirabel

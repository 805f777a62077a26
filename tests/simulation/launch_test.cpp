#include "simulation/launch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>

#include "platform/errors.h"
#include "simulation/fake_host.h"
#include "simulation/random.h"
#include "simulation/renderer.h"
#include "simulation/scene.h"

namespace kirabel {
namespace {

using testing::FakeHost;

TEST(LaunchTest, AutoSaveNames) {
  EXPECT_EQ(AutoSaveFileName("C:\\work\\fire.bmp", 1), "C:\\work\\fire00001.BMP");
  EXPECT_EQ(AutoSaveFileName("C:\\work\\fire", 2), "C:\\work\\fire00002.BMP");
  EXPECT_EQ(AutoSaveFileName("/tmp/fire.bmp", 123456), "/tmp/fire123456.BMP");
  EXPECT_EQ(AutoSaveFileName("", 1), "00001.BMP");
  EXPECT_EQ(AutoSaveFileName("a.b/fire", 3), "a.b/fire00003.BMP");  // a folder's dot stays
  EXPECT_EQ(AutoSaveFileName("a.b/fire.x.bmp", 3), "a.b/fire.x00003.BMP");
  EXPECT_EQ(AutoSaveFileName("dir/.bmp", 4), "dir/00004.BMP");
  EXPECT_EQ(RemoveExtension("shot."), "shot");
}

TEST(LaunchTest, FrameCountAndCaption) {
  EXPECT_EQ(FrameCount(2.9L), 2);
  EXPECT_EQ(FrameCount(0), 0);
  EXPECT_EQ(FrameCount(0.99L), 0);
  EXPECT_EQ(FrameCount(-3), 0);
  EXPECT_EQ(FrameCount(std::numeric_limits<long double>::quiet_NaN()), 0);
  EXPECT_EQ(FrameCount(1e300L), INT64_MAX);
  EXPECT_EQ(DrawingCaption(3, 10), "作画中です...3/10");
}

// Frames are drawn at ST, ST + IT, ... and saved one by one.
TEST(LaunchTest, FramesAreDrawnAtTheirTimesAndSaved) {
  // One particle moving right at one pixel per time unit from x = 0.5.
  ParticleList list{testing::StillSet(1, 0.5L, 1.5L)};
  list[0].b = 1;
  list[0].vb = -3.1415926535897932385L / 2;
  list[0].ns = 0;
  list[0].tv = 0;
  TEnvironment env;
  env.G = 0;
  env.ST = 2;
  env.IT = 3;
  env.NF = 3;
  env.AUTOSAVE = true;
  env.NAME = "/out/fire.bmp";
  FakeHost host;
  // A command run inside a progress step replaces the settings; the launch
  // keeps those it started with.
  host.onAdvance = [&env](FakeHost&) {
    env.IT = 100;
    env.AUTOSAVE = false;
  };
  LaunchList launched;
  EXPECT_EQ(RunLaunch(list, env, launched, host), LaunchEnd::Completed);
  ASSERT_EQ(host.savedBits.size(), 3u);
  const int32_t row = host.bitmap.Height() - 1 - 1;  // picture row 1
  for (int frame = 0; frame < 3; ++frame) {
    const uint8_t* pixels = host.savedBits[frame].data() + row * host.bitmap.RowBytes();
    const int x = 2 + 3 * frame;
    EXPECT_EQ(pixels[3 * x], 127) << frame;
    EXPECT_EQ(pixels[3 * (x + 1)], 0) << frame;
  }
  EXPECT_EQ(host.captions,
            (std::vector<std::string>{"作画中です...1/3", "作画中です...2/3", "作画中です...3/3"}));
  EXPECT_EQ(host.savedNames, (std::vector<std::string>{"/out/fire00001.BMP", "/out/fire00002.BMP",
                                                       "/out/fire00003.BMP"}));
  EXPECT_EQ(host.framesShown, 3);
  EXPECT_TRUE(launched.empty());
  EXPECT_FALSE(host.busy);
  EXPECT_EQ(host.busyCalls.front(), true);
  EXPECT_EQ(host.busyCalls.back(), false);

  env.NF = 0;  // the list is still built (and may be confirmed), no frame drawn
  host.captions.clear();
  host.tooMany = 1;
  EXPECT_EQ(RunLaunch(list, env, launched, host), LaunchEnd::Completed);
  EXPECT_TRUE(host.captions.empty());
  EXPECT_EQ(host.questions.size(), 1u);
}

TEST(LaunchTest, EveryEndLeavesTheWindowIdleWithAnEmptyList) {
  ParticleList list{testing::MakeSet(500)};
  TEnvironment env;
  env.NF = 10;
  env.AUTOSAVE = true;

  FakeHost declined;
  declined.tooMany = 1;
  declined.answer = false;
  LaunchList launched;
  EXPECT_EQ(RunLaunch(list, env, launched, declined), LaunchEnd::Declined);
  EXPECT_FALSE(declined.busy);
  EXPECT_TRUE(declined.captions.empty());

  FakeHost stopped;  // stop during frame 3 of 10
  stopped.onAdvance = [](FakeHost& h) {
    if (h.captions.size() == 3 && h.progress == 50) h.busy = false;
  };
  EXPECT_EQ(RunLaunch(list, env, launched, stopped), LaunchEnd::Stopped);
  EXPECT_EQ(stopped.savedNames.size(), 2u);
  EXPECT_TRUE(launched.empty());
  EXPECT_FALSE(stopped.busy);

  FakeHost full;  // the second save fails
  full.saveFails = 2;
  EXPECT_EQ(RunLaunch(list, env, launched, full), LaunchEnd::SaveFailed);
  EXPECT_EQ(full.savedNames.size(), 2u);
  EXPECT_EQ(full.captions.size(), 2u);
  ASSERT_EQ(full.warnings.size(), 1u);
  EXPECT_EQ(full.warnings[0], kSaveFailedWarning);
  EXPECT_TRUE(launched.empty());
  EXPECT_FALSE(full.busy);
}

TEST(LaunchTest, SecondLaunchContinuesTheRandomSequence) {
  ParticleList list{testing::MakeSet(50)};
  list[0].P0x = 32;
  list[0].P0y = 24;
  TEnvironment env;
  env.NF = 1;
  RandomSeed = 0;
  FakeHost first;
  LaunchList launched;
  RunLaunch(list, env, launched, first);
  FakeHost second;
  RunLaunch(list, env, launched, second);
  EXPECT_NE(0, std::memcmp(first.bitmap.Bits(), second.bitmap.Bits(),
                           first.bitmap.RowBytes() * first.bitmap.Height()));
}

TEST(LaunchTest, ParallelLaunchWritesTheSameFiles) {
  ParticleList list{testing::MakeSet(3000, 1, 2), testing::MakeSet(3)};
  list[0].P0x = list[0].P0y = 32;
  TEnvironment env;
  env.NF = 2;
  env.ST = 12;
  env.AUTOSAVE = true;
  const std::string dir = ::testing::TempDir();
  FakeHost single, parallel;
  single.writeFiles = parallel.writeFiles = true;
  LaunchList launched;
  env.NAME = dir + "kirabel_single.bmp";
  RandomSeed = 0;
  ASSERT_EQ(RunLaunch(list, env, launched, single, 1), LaunchEnd::Completed);
  env.NAME = dir + "kirabel_parallel.bmp";
  RandomSeed = 0;
  ASSERT_EQ(RunLaunch(list, env, launched, parallel, 2), LaunchEnd::Completed);
  for (const char* frame : {"00001.BMP", "00002.BMP"}) {
    std::ifstream a(dir + "kirabel_single" + frame, std::ios::binary);
    std::ifstream b(dir + "kirabel_parallel" + frame, std::ios::binary);
    const std::string bytesA((std::istreambuf_iterator<char>(a)), {});
    const std::string bytesB((std::istreambuf_iterator<char>(b)), {});
    EXPECT_EQ(bytesA.size(), 54u + 64 * 3 * 48);
    EXPECT_TRUE(bytesA == bytesB) << frame;
    std::remove((dir + "kirabel_single" + frame).c_str());
    std::remove((dir + "kirabel_parallel" + frame).c_str());
  }
}

}  // namespace
}  // namespace kirabel

#include <gtest/gtest.h>

#include "model/look.h"
#include "model/pcl_file.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

class LookFileTest : public ::testing::Test {
 protected:
  std::string SaveWithLook(const Look& look) {
    SaveListToFile(path_, {ParticleSet()}, LaunchSettings(), ShowSettings(), look);
    return ReadBytes(path_);
  }
  Look LoadLook(const std::string& section) {
    WriteBytes(path_, plain_ + "[LOOK]\r\n" + section);
    return ReadPclFile(path_).look;
  }
  void SetUp() override { plain_ = SaveWithLook(Look()); }

  ScratchFolder folder_;
  std::string path_ = folder_.File("look.pcl");
  std::string plain_;
};

TEST_F(LookFileTest, DefaultLookWritesNoSection) {
  EXPECT_EQ(plain_.find("LOOK"), std::string::npos);
  EXPECT_TRUE(ReadPclFile(path_).look == Look());
  EXPECT_EQ(SaveWithLook(ReadPclFile(path_).look), plain_) << "load and save keep every byte";
}

TEST_F(LookFileTest, EachValueTravelsAlone) {
  const auto changed = [](void (*change)(Look&)) {
    Look look;
    change(look);
    return look;
  };
  const Look looks[] = {
      changed([](Look& l) { l.light = Look::Light::kFilm; }),
      changed([](Look& l) { l.exposure = -2.5; }),
      changed([](Look& l) { l.glow = 1.25; }),
      changed([](Look& l) { l.glowRadius = 0.5; }),
      changed([](Look& l) { l.starSize = 3; }),
      changed([](Look& l) {
        l.skyTop = {1, 0x20, 0xFE};
      }),
      changed([](Look& l) {
        l.skyBottom = {0xAB, 0xCD, 0xEF};
      }),
      changed([](Look& l) { l.skyPhoto = "/elsewhere/夜空.jpg"; }),
      changed([](Look& l) { l.skyGlow = 0.75; }),
  };
  for (const Look& look : looks) {
    const std::string bytes = SaveWithLook(look);
    EXPECT_EQ(bytes.rfind(plain_, 0), 0u) << "the section comes after everything else";
    EXPECT_TRUE(ReadPclFile(path_).look == look) << bytes.substr(plain_.size());
  }
  EXPECT_EQ(SaveWithLook(Look()), plain_ + "[LOOK]\r\n") << "back to defaults: no key stays";
}

TEST_F(LookFileTest, KeysAndPhotoBelowTheListFolder) {
  Look look;
  look.light = Look::Light::kFilm;
  look.skyTop = {0x10, 0x20, 0x30};
  look.skyPhoto = folder_.File("sky/photo.png");
  const std::string bytes = SaveWithLook(look);
  EXPECT_NE(bytes.find("[LOOK]\r\nLIGHT=FILM\r\nSKYTOP=#102030\r\nSKYPHOTO=sky/photo.png\r\n"),
            std::string::npos);
  EXPECT_EQ(ReadPclFile(path_).look.skyPhoto, look.skyPhoto);
}

TEST_F(LookFileTest, HostileValuesAreHeldOrTakeDefaults) {
  const Look read = LoadLook(
      "LIGHT=film\r\nEXPOSURE=99\r\nGLOW=-1\r\nGLOWRADIUS=0\r\nSTARSIZE=1e300\r\n"
      "SKYTOP=#12345\r\nSKYBOTTOM=#GG0000\r\nSKYGLOW=nan\r\n");
  Look expected;
  expected.exposure = 10;
  expected.glow = 0;
  expected.glowRadius = 0.1;
  expected.starSize = 8;
  EXPECT_TRUE(read == expected) << "exposure " << read.exposure << " radius " << read.glowRadius;
  EXPECT_EQ(LoadLook("EXPOSURE=-1e9\r\nSKYGLOW=5\r\n").exposure, -10);
  EXPECT_EQ(LoadLook("SKYBOTTOM=#abcdef\r\n").skyBottom, (SkyColour{0xAB, 0xCD, 0xEF}));
}

}  // namespace
}  // namespace kirabel

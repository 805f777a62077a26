#include "model/pcl_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/particle_fields.h"
#include "platform/errors.h"
#include "platform/ini_file.h"
#include "platform/ini_values.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

const std::string kData = std::string(KIRABEL_TEST_DATA) + "/pcl/";

// Reads a file as merging it into a list does; the file's full path goes to
// *fullPath.
bool LoadInto(const std::string& path, ParticleList& list, LaunchSettings& settings,
              std::string* fullPath = nullptr) {
  PclContents read;
  try {
    read = ReadPclFile(path);
  } catch (const PclReadError&) {
    return false;
  }
  AppendSets(list, std::move(read.sets));
  settings = read.settings;
  if (fullPath) *fullPath = read.path;
  return true;
}

// The value a real takes after a trip through a file: its 15-digit form.
long double FifteenDigits(long double value) {
  return *ParseIniReal(FormatIniReal(value));
}

ParticleSet SampleSet(int seed) {
  ParticleSet p;
  p.red = static_cast<uint8_t>(10 + seed);
  p.green = 200;
  p.blue = 255;
  p.count = 300 + seed;
  p.originX = 1.0L / 3;
  p.originY = -12.5L;
  p.speed = 2.0L / 3;
  p.speedSpread = 1e-7L;
  p.direction = 3.1415926535897932385L / 4;
  p.directionSpread = 0.25L;
  p.birthTime = seed;
  p.birthSpread = 0.1L;
  p.lifetime = 123456789.123456789L;
  p.lifetimeSpread = 4;
  p.trailLength = 6.5L;
  p.trailSamples = 77;
  p.visible = seed % 2 == 0;
  p.child = seed == 0 ? 2 : -1;
  p.maxGenerations = 3;
  p.speedDistribution = 1;
  p.directionDistribution = 2;
  p.birthDistribution = 0;
  p.lifetimeDistribution = 1;
  p.SetName("火花 " + std::to_string(seed) + " 한");
  return p;
}

// A set as it reads back from a file: every real rounded to 15 digits.
void ExpectSameAfterFile(const ParticleSet& read, const ParticleSet& written) {
  ParticleSet expected = written;
  ForEachParticleField([&](const auto& field) {
    if constexpr (std::is_same_v<std::decay_t<decltype(expected.*field.member)>, long double>) {
      expected.*field.member = FifteenDigits(written.*field.member);
    }
  });
  EXPECT_EQ(read, expected);
}

class PclFileTest : public ::testing::Test {
 protected:
  ScratchFolder folder_;
};

TEST_F(PclFileTest, ListAndSettingsSurviveARoundTrip) {
  const ParticleList list{SampleSet(0), SampleSet(1), SampleSet(2)};
  LaunchSettings settings;
  settings.gravity = 0.1L;
  settings.startTime = 1.0L / 7;
  settings.frameInterval = 2;
  settings.frameCount = 2.9L;
  settings.autosave = true;
  settings.autosaveName = "/home/花子/出力/frame.BMP";
  const std::string path = folder_.File("花火.pcl");  // a Shift-JIS-representable path
  SaveListToFile(path, list, settings);

  ParticleList read;
  LaunchSettings readEnv;
  std::string fullPath;
  ASSERT_TRUE(LoadInto(path, read, readEnv, &fullPath));
  ASSERT_EQ(read.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) ExpectSameAfterFile(read[i], list[i]);
  EXPECT_EQ(readEnv.gravity, FifteenDigits(settings.gravity));
  EXPECT_EQ(readEnv.startTime, FifteenDigits(settings.startTime));
  EXPECT_EQ(readEnv.frameCount, FifteenDigits(settings.frameCount));
  EXPECT_TRUE(readEnv.autosave);
  EXPECT_EQ(readEnv.autosaveName, settings.autosaveName);
  EXPECT_EQ(fullPath, path);
}

TEST_F(PclFileTest, ShowSettingsTravelInTheirOwnSection) {
  const std::string path = folder_.File("show.pcl");
  SaveListToFile(path, {SampleSet(1)}, LaunchSettings());
  const std::string plain = ReadBytes(path);
  ShowSettings show;
  show.fps = {30000, 1001};
  show.audio = folder_.File("music/花火.wav");  // below the list's folder: kept relative
  show.audioOffset = -1.5L;
  show.bpm = 120;
  SaveListToFile(path, {SampleSet(1)}, LaunchSettings(), show);
  const std::string withShow = ReadBytes(path);
  EXPECT_EQ(withShow.rfind(plain, 0), 0u) << "the section comes after everything else";
  EXPECT_NE(withShow.find("[SHOW]\r\nFPS=29.97\r\nAUDIO=music/"), std::string::npos);
  EXPECT_EQ(withShow.find("BEATOFFSET"), std::string::npos) << "defaults are not written";
  EXPECT_TRUE(ReadPclFile(path).show == show);

  show.audio = "/elsewhere/song.flac";  // outside the list's folder: absolute
  SaveListToFile(path, {SampleSet(1)}, LaunchSettings(), show);
  EXPECT_EQ(ReadPclFile(path).show.audio, "/elsewhere/song.flac");
  SaveListToFile(path, {SampleSet(1)}, LaunchSettings(), ShowSettings());
  EXPECT_EQ(ReadBytes(path), plain + "[SHOW]\r\n") << "back to defaults: no key stays";

  WriteBytes(path, plain + "[SHOW]\r\nFPS=fast\r\nBPM=-5\r\nAUDIOOFFSET=x\r\n");
  EXPECT_TRUE(ReadPclFile(path).show == ShowSettings()) << "malformed values take defaults";
}

TEST_F(PclFileTest, NewFileHasTheKeysInTheirOrderInShiftJis) {
  ParticleSet set;
  set.red = 1;
  set.green = 2;
  set.blue = 3;
  set.count = 4;
  set.originX = 256;
  set.child = -1;
  set.visible = true;
  set.name = "火花";
  const std::string path = folder_.File("order.pcl");
  SaveListToFile(path, {set}, LaunchSettings());
  const std::string z = "0.00000000000000E+000";
  EXPECT_EQ(ReadBytes(path),
            "[HEADER]\r\nID=PCL\r\nVER=0020\r\nnSET=1\r\n"
            "[ENV]\r\nG=5.00000000000000E-001\r\nST=1.00000000000000E+001\r\n"
            "IT=1.00000000000000E+000\r\nNF=1.00000000000000E+000\r\nAUTOSAVE=0\r\nNAME=\r\n"
            "[P0]\r\ncolR=1\r\ncolG=2\r\ncolB=3\r\nN=4\r\nP0x=2.56000000000000E+002\r\nP0y=" +
                z + "\r\nb=" + z + "\r\neb=" + z + "\r\nvb=" + z + "\r\ndb=" + z + "\r\ngt=" + z +
                "\r\net=" + z + "\r\ntv=" + z + "\r\nns=0\r\nlt=" + z + "\r\nelt=" + z +
                "\r\nname=\x89\xCE\x89\xD4\r\nvisible=1\r\nchild=-1\r\nam=0\r\n"
                "rmB=0\r\nrmVB=0\r\nrmGT=0\r\nrmLT=0\r\n");
}

TEST_F(PclFileTest, HandWrittenFileReadsWithTheTableDefaults) {
  ParticleList list;
  LaunchSettings settings;
  ASSERT_TRUE(LoadInto(kData + "handwritten.pcl", list, settings));
  ASSERT_EQ(list.size(), 4u);               // nSET=0x4, lower-case section and key names
  EXPECT_EQ(settings.gravity, 1.25L);       // quoted
  EXPECT_EQ(settings.startTime, 10.0L);     // malformed: default
  EXPECT_EQ(settings.frameInterval, 1.0L);  // missing: default
  EXPECT_EQ(settings.frameCount, 2.9L);
  EXPECT_TRUE(settings.autosave);
  EXPECT_EQ(settings.autosaveName, "C:\\花火\\out.bmp");

  const ParticleSet& p0 = list[0];
  EXPECT_EQ(p0.red, 44);     // 300 keeps its low 8 bits
  EXPECT_EQ(p0.green, 255);  // -1 too
  EXPECT_EQ(p0.blue, 128);
  EXPECT_EQ(p0.count, 16);
  EXPECT_EQ(p0.originX, 100.0L);
  EXPECT_EQ(p0.speed, 10.0L);  // overflow is malformed: default
  std::string eighteen;
  for (int i = 0; i < 9; ++i) eighteen += "火花";
  EXPECT_EQ(p0.name, "   " + eighteen);  // 3 + 36 bytes: the next character would split
  EXPECT_EQ(p0.child, 1);

  const ParticleSet& p1 = list[1];
  EXPECT_EQ(p1.count, 100);               // "abc"
  EXPECT_EQ(p1.child, -1);                // 2147483647 names no set
  EXPECT_EQ(p1.directionSpread, 180.0L);  // radians, as the table says
  EXPECT_EQ(p1.name, "火花 1");
  EXPECT_FALSE(p1.visible);

  const ParticleSet& p2 = list[2];
  EXPECT_EQ(p2.name, std::string(40, 'n'));
  EXPECT_EQ(p2.child, -1);
  EXPECT_EQ(p2.speedDistribution, 7);  // no range tests
  EXPECT_EQ(p2.count, -3);

  const ParticleSet& p3 = list[3];  // no section at all
  EXPECT_EQ(p3.name, "火花 3");
  EXPECT_EQ(p3.red, 255);
  EXPECT_EQ(p3.count, 100);
  EXPECT_EQ(p3.originY, 256.0L);
  EXPECT_EQ(p3.speedSpread, 5.0L);
  EXPECT_EQ(p3.lifetime, 20.0L);
  EXPECT_EQ(p3.trailSamples, 100);
  EXPECT_TRUE(p3.visible);
  EXPECT_EQ(p3.child, -1);
  EXPECT_EQ(p3.maxGenerations, 2);
}

TEST_F(PclFileTest, MergingShiftsChildrenByTheSetsAlreadyInTheList) {
  ParticleSet first = SampleSet(0);
  first.child = 1;
  ParticleSet second = SampleSet(1);
  second.child = -1;
  const std::string path = folder_.File("two.pcl");
  SaveListToFile(path, {first, second}, LaunchSettings());

  ParticleList list{SampleSet(5), SampleSet(6), SampleSet(7), SampleSet(8)};
  list[0].child = 3;
  LaunchSettings settings;
  ASSERT_TRUE(LoadInto(path, list, settings));
  ASSERT_EQ(list.size(), 6u);
  EXPECT_EQ(list[0].child, 3);  // the sets already there are untouched
  EXPECT_EQ(list[4].child, 5);
  EXPECT_EQ(list[5].child, -1);
}

TEST_F(PclFileTest, SavingOverALongerFileKeepsItsExtraSections) {
  const std::string path = folder_.File("list.pcl");
  SaveListToFile(path, ParticleList(5, SampleSet(1)), LaunchSettings());
  SaveListToFile(path, ParticleList(3, SampleSet(2)), LaunchSettings());
  const IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("HEADER", "nSET", 0), 3);
  EXPECT_TRUE(ini.HasSection("P3"));
  EXPECT_TRUE(ini.HasSection("P4"));
  EXPECT_EQ(ini.ReadInteger("P4", "N", 0), SampleSet(1).count);
  ParticleList list;
  LaunchSettings settings;
  ASSERT_TRUE(LoadInto(path, list, settings));
  EXPECT_EQ(list.size(), 3u);
  EXPECT_EQ(list[2].count, SampleSet(2).count);
}

TEST_F(PclFileTest, RefusedFilesChangeNothing) {
  ParticleList list{SampleSet(1)};
  LaunchSettings settings;
  settings.gravity = 7;
  const std::string empty = folder_.File("empty.pcl");
  WriteBytes(empty, "");
  const std::string garbage = folder_.File("garbage.pcl");
  WriteBytes(garbage, std::string("\0\xFF[HEADER\n=ID=PCL\n\x89", 18));
  using Reason = PclReadError::Reason;
  const std::pair<std::string, Reason> refused[] = {
      {kData + "wrong_id.pcl", Reason::kNotPcl},
      {kData + "huge_count.pcl", Reason::kTooManySets},
      {empty, Reason::kNotPcl},
      {garbage, Reason::kNotPcl},
      {folder_.File("missing.pcl"), Reason::kMissing},
      {folder_.path().string(), Reason::kNotPcl}};
  for (const auto& [path, reason] : refused) {
    try {
      ReadPclFile(path);
      ADD_FAILURE() << "read " << path;
    } catch (const PclReadError& e) {
      EXPECT_EQ(e.fileName(), path);
      EXPECT_EQ(e.reason(), reason) << path;
      EXPECT_STREQ(e.what(), "変なファイルを指定しちゃだめ");
    }
  }
  EXPECT_FALSE(LoadInto(empty, list, settings));
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(settings.gravity, 7.0L);
}

TEST_F(PclFileTest, HeaderAloneLoadsNoSetButReplacesTheSettings) {
  const std::string path = folder_.File("header.pcl");
  WriteBytes(path, "[HEADER]\nID=PCL\nnSET=-4\n[ENV]\nG=2\n");
  ParticleList list{SampleSet(1)};
  LaunchSettings settings;
  settings.frameCount = 9;
  ASSERT_TRUE(LoadInto(path, list, settings));
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(settings.gravity, 2.0L);
  EXPECT_EQ(settings.frameCount, 1.0L);
  // The largest accepted count reads that many sets, all of them defaults.
  WriteBytes(path, "[HEADER]\nID=PCL\nnSET=100000\n[P99999]\nN=1\n");
  ParticleList big;
  ASSERT_TRUE(LoadInto(path, big, settings));
  ASSERT_EQ(big.size(), 100000u);
  EXPECT_EQ(big.back().count, 1);
  EXPECT_EQ(big.back().name, "火花 99999");
}

TEST_F(PclFileTest, RelativeNamesAreReportedAsFullPaths) {
  const std::string path = folder_.File("rel.pcl");
  SaveListToFile(path, {SampleSet(1)}, LaunchSettings());
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder_.path());
  ParticleList list;
  LaunchSettings settings;
  std::string fullPath;
  const bool loaded = LoadInto("rel.pcl", list, settings, &fullPath);
  std::filesystem::current_path(previous);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(fullPath, path);
}

TEST_F(PclFileTest, FailedSaveLeavesTheOldFileAsItWas) {
  const std::string blocker = folder_.File("blocker");
  WriteBytes(blocker, "not a folder");
  EXPECT_THROW(SaveListToFile(blocker + "/x.pcl", {SampleSet(1)}, LaunchSettings()), WriteError);
  EXPECT_EQ(ReadBytes(blocker), "not a folder");
  EXPECT_THROW(SaveListToFile("/proc/kirabel.pcl", {SampleSet(1)}, LaunchSettings()), WriteError);
}

TEST_F(PclFileTest, HostileValuesNeverCrash) {
  const std::string path = folder_.File("hostile.pcl");
  WriteBytes(path, "[HEADER]\nID=PCL\nnSET=2\n[P0]\nname=" + std::string(50 << 20, '\x81') +
                       "\nchild=2147483647\ncolR=99999999999\n[P1]\nchild=-2147483648\n");
  ParticleList list(3);
  LaunchSettings settings;
  ASSERT_TRUE(LoadInto(path, list, settings));
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[3].child, -1);
  EXPECT_EQ(list[4].child, -1);
  EXPECT_EQ(list[3].red, 255);
  EXPECT_LE(list[3].name.size(), 3u * 40);
}

}  // namespace
}  // namespace kirabel

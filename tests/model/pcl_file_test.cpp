#include "model/pcl_file.h"

#include <gtest/gtest.h>

#include <vector>

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

// Records what a window would be told.
struct RecordingObserver : PclLoadObserver {
  std::vector<std::string> refused, fileNames;
  std::vector<std::pair<int, int>> appended;
  void NotPclFile(const std::string& path) override { refused.push_back(path); }
  void FileNameChanged(const std::string& fullPath) override { fileNames.push_back(fullPath); }
  void SetsAppended(int first, int count) override { appended.emplace_back(first, count); }
};

// The value a real takes after a trip through a file: its 15-digit form.
long double FifteenDigits(long double value) {
  return *ParseIniReal(FormatIniReal(value));
}

TParticle SampleSet(int seed) {
  TParticle p;
  p.colR = static_cast<uint8_t>(10 + seed);
  p.colG = 200;
  p.colB = 255;
  p.N = 300 + seed;
  p.P0x = 1.0L / 3;
  p.P0y = -12.5L;
  p.b = 2.0L / 3;
  p.eb = 1e-7L;
  p.vb = 3.1415926535897932385L / 4;
  p.db = 0.25L;
  p.gt = seed;
  p.et = 0.1L;
  p.lt = 123456789.123456789L;
  p.elt = 4;
  p.tv = 6.5L;
  p.ns = 77;
  p.visible = seed % 2 == 0;
  p.child = seed == 0 ? 2 : -1;
  p.am = 3;
  p.rmB = 1;
  p.rmVB = 2;
  p.rmGT = 0;
  p.rmLT = 1;
  p.SetName("火花 " + std::to_string(seed) + " 한");
  return p;
}

void ExpectSameAfterFile(const TParticle& read, const TParticle& written) {
  EXPECT_EQ(read.colR, written.colR);
  EXPECT_EQ(read.colG, written.colG);
  EXPECT_EQ(read.colB, written.colB);
  EXPECT_EQ(read.N, written.N);
  for (auto field : {&TParticle::P0x, &TParticle::P0y, &TParticle::b, &TParticle::eb,
                     &TParticle::vb, &TParticle::db, &TParticle::gt, &TParticle::et, &TParticle::lt,
                     &TParticle::elt, &TParticle::tv}) {
    EXPECT_EQ(read.*field, FifteenDigits(written.*field));
  }
  EXPECT_EQ(read.ns, written.ns);
  EXPECT_EQ(read.visible, written.visible);
  EXPECT_EQ(read.child, written.child);
  EXPECT_EQ(read.am, written.am);
  EXPECT_EQ(read.rmB, written.rmB);
  EXPECT_EQ(read.rmVB, written.rmVB);
  EXPECT_EQ(read.rmGT, written.rmGT);
  EXPECT_EQ(read.rmLT, written.rmLT);
  EXPECT_EQ(read.name, written.name);
}

class PclFileTest : public ::testing::Test {
 protected:
  ScratchFolder folder_;
  RecordingObserver observer_;
};

TEST_F(PclFileTest, ListAndSettingsSurviveARoundTrip) {
  const ParticleList list{SampleSet(0), SampleSet(1), SampleSet(2)};
  TEnvironment env;
  env.G = 0.1L;
  env.ST = 1.0L / 7;
  env.IT = 2;
  env.NF = 2.9L;
  env.AUTOSAVE = true;
  env.NAME = "/home/花子/出力/frame.BMP";
  const std::string path = folder_.File("花火.pcl");  // a Shift-JIS-representable path
  SaveListToFile(path, list, env);

  ParticleList read;
  TEnvironment readEnv;
  ASSERT_TRUE(LoadListFromFile(path, read, readEnv, &observer_));
  ASSERT_EQ(read.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) ExpectSameAfterFile(read[i], list[i]);
  EXPECT_EQ(readEnv.G, FifteenDigits(env.G));
  EXPECT_EQ(readEnv.ST, FifteenDigits(env.ST));
  EXPECT_EQ(readEnv.NF, FifteenDigits(env.NF));
  EXPECT_TRUE(readEnv.AUTOSAVE);
  EXPECT_EQ(readEnv.NAME, env.NAME);
  EXPECT_EQ(observer_.fileNames, std::vector<std::string>{path});
  EXPECT_EQ(observer_.appended, (std::vector<std::pair<int, int>>{{0, 3}}));
  EXPECT_TRUE(observer_.refused.empty());
}

TEST_F(PclFileTest, NewFileHasTheKeysInTheirOrderInShiftJis) {
  TParticle set;
  set.colR = 1;
  set.colG = 2;
  set.colB = 3;
  set.N = 4;
  set.P0x = 256;
  set.child = -1;
  set.visible = true;
  set.name = "火花";
  const std::string path = folder_.File("order.pcl");
  SaveListToFile(path, {set}, TEnvironment());
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
  TEnvironment env;
  ASSERT_TRUE(LoadListFromFile(kData + "handwritten.pcl", list, env, &observer_));
  ASSERT_EQ(list.size(), 4u);  // nSET=0x4, lower-case section and key names
  EXPECT_EQ(env.G, 1.25L);     // quoted
  EXPECT_EQ(env.ST, 10.0L);    // malformed: default
  EXPECT_EQ(env.IT, 1.0L);     // missing: default
  EXPECT_EQ(env.NF, 2.9L);
  EXPECT_TRUE(env.AUTOSAVE);
  EXPECT_EQ(env.NAME, "C:\\花火\\out.bmp");

  const TParticle& p0 = list[0];
  EXPECT_EQ(p0.colR, 44);   // 300 keeps its low 8 bits
  EXPECT_EQ(p0.colG, 255);  // -1 too
  EXPECT_EQ(p0.colB, 128);
  EXPECT_EQ(p0.N, 16);
  EXPECT_EQ(p0.P0x, 100.0L);
  EXPECT_EQ(p0.b, 10.0L);  // overflow is malformed: default
  std::string eighteen;
  for (int i = 0; i < 9; ++i) eighteen += "火花";
  EXPECT_EQ(p0.name, "   " + eighteen);  // 3 + 36 bytes: the next character would split
  EXPECT_EQ(p0.child, 1);

  const TParticle& p1 = list[1];
  EXPECT_EQ(p1.N, 100);      // "abc"
  EXPECT_EQ(p1.child, -1);   // 2147483647 names no set
  EXPECT_EQ(p1.db, 180.0L);  // radians, as the table says
  EXPECT_EQ(p1.name, "火花 1");
  EXPECT_FALSE(p1.visible);

  const TParticle& p2 = list[2];
  EXPECT_EQ(p2.name, std::string(40, 'n'));
  EXPECT_EQ(p2.child, -1);
  EXPECT_EQ(p2.rmB, 7);  // no range tests
  EXPECT_EQ(p2.N, -3);

  const TParticle& p3 = list[3];  // no section at all
  EXPECT_EQ(p3.name, "火花 3");
  EXPECT_EQ(p3.colR, 255);
  EXPECT_EQ(p3.N, 100);
  EXPECT_EQ(p3.P0y, 256.0L);
  EXPECT_EQ(p3.eb, 5.0L);
  EXPECT_EQ(p3.lt, 20.0L);
  EXPECT_EQ(p3.ns, 100);
  EXPECT_TRUE(p3.visible);
  EXPECT_EQ(p3.child, -1);
  EXPECT_EQ(p3.am, 2);
}

TEST_F(PclFileTest, MergingShiftsChildrenByTheSetsAlreadyInTheList) {
  TParticle first = SampleSet(0);
  first.child = 1;
  TParticle second = SampleSet(1);
  second.child = -1;
  const std::string path = folder_.File("two.pcl");
  SaveListToFile(path, {first, second}, TEnvironment());

  ParticleList list{SampleSet(5), SampleSet(6), SampleSet(7), SampleSet(8)};
  list[0].child = 3;
  TEnvironment env;
  ASSERT_TRUE(LoadListFromFile(path, list, env, &observer_));
  ASSERT_EQ(list.size(), 6u);
  EXPECT_EQ(list[0].child, 3);  // the sets already there are untouched
  EXPECT_EQ(list[4].child, 5);
  EXPECT_EQ(list[5].child, -1);
  EXPECT_EQ(observer_.appended, (std::vector<std::pair<int, int>>{{4, 2}}));
}

TEST_F(PclFileTest, SavingOverALongerFileKeepsItsExtraSections) {
  const std::string path = folder_.File("list.pcl");
  SaveListToFile(path, ParticleList(5, SampleSet(1)), TEnvironment());
  SaveListToFile(path, ParticleList(3, SampleSet(2)), TEnvironment());
  const IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("HEADER", "nSET", 0), 3);
  EXPECT_TRUE(ini.HasSection("P3"));
  EXPECT_TRUE(ini.HasSection("P4"));
  EXPECT_EQ(ini.ReadInteger("P4", "N", 0), SampleSet(1).N);
  ParticleList list;
  TEnvironment env;
  ASSERT_TRUE(LoadListFromFile(path, list, env, nullptr));
  EXPECT_EQ(list.size(), 3u);
  EXPECT_EQ(list[2].N, SampleSet(2).N);
}

TEST_F(PclFileTest, RefusedFilesChangeNothing) {
  ParticleList list{SampleSet(1)};
  TEnvironment env;
  env.G = 7;
  const std::string empty = folder_.File("empty.pcl");
  WriteBytes(empty, "");
  const std::string garbage = folder_.File("garbage.pcl");
  WriteBytes(garbage, std::string("\0\xFF[HEADER\n=ID=PCL\n\x89", 18));
  for (const std::string& path : {kData + "wrong_id.pcl", kData + "huge_count.pcl", empty, garbage,
                                  folder_.File("missing.pcl"), folder_.path().string()}) {
    EXPECT_FALSE(LoadListFromFile(path, list, env, &observer_)) << path;
    EXPECT_FALSE(LoadListFromFile(path, list, env, nullptr)) << path;
  }
  EXPECT_EQ(observer_.refused.size(), 6u);
  EXPECT_TRUE(observer_.fileNames.empty());
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(env.G, 7.0L);
  EXPECT_STREQ(kNotPclFileWarning, "変なファイルを指定しちゃだめ");
}

TEST_F(PclFileTest, HeaderAloneLoadsNoSetButReplacesTheSettings) {
  const std::string path = folder_.File("header.pcl");
  WriteBytes(path, "[HEADER]\nID=PCL\nnSET=-4\n[ENV]\nG=2\n");
  ParticleList list{SampleSet(1)};
  TEnvironment env;
  env.NF = 9;
  ASSERT_TRUE(LoadListFromFile(path, list, env, &observer_));
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(env.G, 2.0L);
  EXPECT_EQ(env.NF, 1.0L);
  EXPECT_TRUE(observer_.appended.empty());
  ASSERT_EQ(observer_.fileNames.size(), 1u);
  // The largest accepted count reads that many sets, all of them defaults.
  WriteBytes(path, "[HEADER]\nID=PCL\nnSET=100000\n[P99999]\nN=1\n");
  ParticleList big;
  ASSERT_TRUE(LoadListFromFile(path, big, env, nullptr));
  ASSERT_EQ(big.size(), 100000u);
  EXPECT_EQ(big.back().N, 1);
  EXPECT_EQ(big.back().name, "火花 99999");
}

TEST_F(PclFileTest, RelativeNamesAreReportedAsFullPaths) {
  const std::string path = folder_.File("rel.pcl");
  SaveListToFile(path, {SampleSet(1)}, TEnvironment());
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder_.path());
  ParticleList list;
  TEnvironment env;
  const bool loaded = LoadListFromFile("rel.pcl", list, env, &observer_);
  std::filesystem::current_path(previous);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(observer_.fileNames, std::vector<std::string>{path});
}

TEST_F(PclFileTest, FailedSaveLeavesTheOldFileAsItWas) {
  const std::string blocker = folder_.File("blocker");
  WriteBytes(blocker, "not a folder");
  EXPECT_THROW(SaveListToFile(blocker + "/x.pcl", {SampleSet(1)}, TEnvironment()), WriteError);
  EXPECT_EQ(ReadBytes(blocker), "not a folder");
  EXPECT_THROW(SaveListToFile("/proc/kirabel.pcl", {SampleSet(1)}, TEnvironment()), WriteError);
}

TEST_F(PclFileTest, HostileValuesNeverCrash) {
  const std::string path = folder_.File("hostile.pcl");
  WriteBytes(path, "[HEADER]\nID=PCL\nnSET=2\n[P0]\nname=" + std::string(50 << 20, '\x81') +
                       "\nchild=2147483647\ncolR=99999999999\n[P1]\nchild=-2147483648\n");
  ParticleList list(3);
  TEnvironment env;
  ASSERT_TRUE(LoadListFromFile(path, list, env, nullptr));
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[3].child, -1);
  EXPECT_EQ(list[4].child, -1);
  EXPECT_EQ(list[3].colR, 255);
  EXPECT_LE(list[3].name.size(), 3u * 40);
}

}  // namespace
}  // namespace kirabel

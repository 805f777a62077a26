#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <random>

#include "platform/errors.h"
#include "support/file_size_limit.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

class IniFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes, const std::string& name = "a.ini") {
    const std::string path = folder_.File(name);
    WriteBytes(path, bytes);
    return path;
  }
  ScratchFolder folder_;
};

TEST_F(IniFileTest, ReadsFollowThePrivateProfileRules) {
  const IniFile ini(
      Write("orphan=1\r\n"
            "; a comment\r\n"
            "  [ Alpha ]  trailing\r\n"
            "  spaced   =   value with blanks   \r\n"
            "quoted=\"  kept  \"\r\n"
            "twice=\"\"x\"\"\r\n"
            "half=\"open\r\n"
            "eq=a=b\r\n"
            "empty=\r\n"
            "dup=first\r\n"
            "DUP=second\r\n"
            "[alpha]\r\n"
            "later=ignored\r\n"
            "[beta]\n"
            "LF=yes"));
  EXPECT_EQ(ini.ReadString("ALPHA", "Spaced", "d"), "value with blanks");
  EXPECT_EQ(ini.ReadString("alpha", "quoted", "d"), "  kept  ");
  EXPECT_EQ(ini.ReadString("alpha", "twice", "d"), "\"x\"");
  EXPECT_EQ(ini.ReadString("alpha", "half", "d"), "\"open");
  EXPECT_EQ(ini.ReadString("alpha", "eq", "d"), "a=b");
  EXPECT_EQ(ini.ReadString("alpha", "empty", "d"), "");
  EXPECT_EQ(ini.ReadString("alpha", "dup", "d"), "first");
  EXPECT_EQ(ini.ReadString("alpha", "later", "d"), "d");  // only the first [alpha] counts
  EXPECT_EQ(ini.ReadString("alpha", "orphan", "d"), "d");
  EXPECT_EQ(ini.ReadString("beta", "lf", "d"), "yes");
  EXPECT_EQ(ini.ReadString("gamma", "x", "d"), "d");
  EXPECT_EQ(ini.ReadString("alpha", "; a comment", "d"), "d");
  EXPECT_TRUE(ini.HasSection("BETA"));
  EXPECT_FALSE(ini.HasSection("gamma"));
}

TEST_F(IniFileTest, TypedReadsFallBackToTheDefault) {
  const IniFile ini(Write("[s]\nhex=0x10\ndollar=$ff\nbad=abc\nreal=1.5\nbadreal=1.5.2\non=7\n"));
  EXPECT_EQ(ini.ReadInteger("s", "hex", 0), 16);
  EXPECT_EQ(ini.ReadInteger("s", "dollar", 0), 255);
  EXPECT_EQ(ini.ReadInteger("s", "bad", 100), 100);
  EXPECT_EQ(ini.ReadInteger("s", "missing", -1), -1);
  EXPECT_EQ(ini.ReadReal("s", "real", 0), 1.5L);
  EXPECT_EQ(ini.ReadReal("s", "badreal", 9), 9.0L);
  EXPECT_TRUE(ini.ReadBool("s", "on", false));
  EXPECT_FALSE(ini.ReadBool("s", "bad", false));
  EXPECT_TRUE(ini.ReadBool("s", "missing", true));
  const IniFile missing(folder_.File("none.ini"));
  EXPECT_EQ(missing.ReadInteger("s", "hex", 3), 3);
}

TEST_F(IniFileTest, ValuesAreReadUpTo1023BytesWithoutSplittingACharacter) {
  const std::string sjisKanji = "\x89\xCE";  // 火
  const IniFile ini(Write("[s]\nlong=" + std::string(2000, 'a') +
                          "\nsjis=" + std::string(1022, 'b') + sjisKanji +
                          "\nutf8=" + std::string(1021, 'c') + "火\n"));
  EXPECT_EQ(ini.ReadString("s", "long", ""), std::string(1023, 'a'));
  EXPECT_EQ(ini.ReadString("s", "sjis", ""), std::string(1022, 'b'));
  EXPECT_EQ(ini.ReadString("s", "utf8", ""), std::string(1021, 'c'));
}

TEST_F(IniFileTest, WritesChangeOnlyTheirOwnLines) {
  IniFile ini(
      Write("; kept comment\r\n"
            "[one]\r\n"
            "a = old   ; gone with the value\r\n"
            "B=2\r\n"
            "\r\n"
            "[two]\r\n"
            "x=1"));
  ini.WriteString("ONE", "A", "new");
  ini.WriteInteger("one", "c", 3);
  ini.WriteInteger("two", "y", 4);
  ini.WriteReal("three", "r", 0.5L);
  ini.WriteBool("three", "flag", true);
  EXPECT_EQ(ini.Text(),
            "; kept comment\r\n"
            "[one]\r\n"
            "a = new\r\n"
            "B=2\r\n"
            "c=3\r\n"
            "\r\n"
            "[two]\r\n"
            "x=1\r\n"
            "y=4\r\n"
            "[three]\r\n"
            "r=5.00000000000000E-001\r\n"
            "flag=1\r\n");
  EXPECT_EQ(ini.ReadString("one", "a", ""), "new");
  EXPECT_EQ(ini.ReadInteger("one", "C", 0), 3);
  EXPECT_EQ(ini.ReadReal("THREE", "r", 0), 0.5L);
  ini.WriteInteger("one", "c", 5);  // a second write replaces the first
  EXPECT_EQ(ini.ReadInteger("one", "c", 0), 5);
}

TEST_F(IniFileTest, RemovedKeysLeaveNoLineBehind) {
  IniFile ini(Write("[s]\r\nk=1\r\ngone=2\r\n; note\r\nGONE=3\r\nlast=4\r\n\r\n[t]\r\nx=1"));
  ini.RemoveKey("S", "gone");  // its repeat goes too, so it cannot come back
  ini.RemoveKey("s", "missing");
  ini.RemoveKey("nothing", "k");
  ini.WriteString("s", "added", "5");
  ini.RemoveKey("s", "added");
  ini.RemoveKey("t", "x");
  EXPECT_EQ(ini.Text(), "[s]\r\nk=1\r\n; note\r\nlast=4\r\n\r\n[t]\r\n");
  EXPECT_EQ(ini.ReadString("s", "gone", "default"), "default");
  ini.WriteString("s", "gone", "back");  // a later write adds it again
  ini.WriteString("s", "added", "6");
  EXPECT_EQ(ini.Text(), "[s]\r\nk=1\r\n; note\r\nlast=4\r\ngone=back\r\nadded=6\r\n\r\n[t]\r\n");
}

TEST_F(IniFileTest, NewLinesFollowTheFileAndValuesCannotAddLines) {
  IniFile lf(Write("[s]\nk=v\n", "lf.ini"));
  lf.WriteString("s", "n", "line1\r\nline2\n[evil]");
  EXPECT_EQ(lf.Text(), "[s]\nk=v\nn=line1  line2 [evil]\n");
  // CR alone ends a line too, and lines a write adds keep the file's own line ends.
  IniFile cr(Write("[section1]\rname1=val1\rname2=\"val2\"\r[section2]\r", "cr.ini"));
  EXPECT_EQ(cr.ReadString("section1", "name2", "d"), "val2");
  cr.WriteString("section1", "name3", "val3");
  cr.WriteString("section3", "k", "v");
  EXPECT_EQ(cr.Text(),
            "[section1]\rname1=val1\rname2=\"val2\"\rname3=val3\r[section2]\r[section3]\rk=v\r");
  IniFile mixed(Write("[a]\r\nx=1\ry=2\n[b]\rz=3", "mixed.ini"));
  EXPECT_EQ(mixed.ReadInteger("a", "y", 0) + mixed.ReadInteger("b", "z", 0), 5);
  mixed.WriteString("b", "w", "4");
  EXPECT_EQ(mixed.Text(), "[a]\r\nx=1\ry=2\n[b]\rz=3\r\nw=4\r\n");
  IniFile fresh(folder_.File("new.ini"));
  fresh.WriteString("s", "name", "火花");
  EXPECT_EQ(fresh.Text(), "[s]\r\nname=\x89\xCE\x89\xD4\r\n");
  EXPECT_EQ(fresh.ReadString("s", "name", ""), "火花");
}

TEST_F(IniFileTest, SaveReplacesTheFileAndKeepsItsMode) {
  const std::string path = Write("[s]\r\nk=1\r\n");
  chmod(path.c_str(), 0640);
  IniFile ini(path);
  ini.WriteInteger("s", "k", 2);
  ini.Save();
  EXPECT_EQ(ReadBytes(path), "[s]\r\nk=2\r\n");
  struct stat info;
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  // Saved through a symbolic link, the link stays a link.
  const std::string link = folder_.File("link.ini");
  std::filesystem::create_symlink(path, link);
  IniFile viaLink(link);
  viaLink.WriteInteger("s", "k", 3);
  viaLink.Save();
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(path), "[s]\r\nk=3\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()),
                          std::filesystem::directory_iterator()),
            2);  // no temporary file left behind
}

TEST_F(IniFileTest, FailedSaveLeavesTheOldFileAsItWas) {
  // A folder that cannot exist: its parent is a regular file.
  const std::string blocker = Write("x", "blocker");
  IniFile impossible(blocker + "/a.ini");
  impossible.WriteInteger("s", "k", 1);
  try {
    impossible.Save();
    FAIL() << "no error";
  } catch (const WriteError& error) {
    EXPECT_EQ(std::string(error.what()), blocker + "/a.ini に書き込めません");
  }
  // A full disk, simulated by a file size limit: the old file stays byte for
  // byte, and no temporary file is left.
  const std::string old = "[s]\r\nk=1\r\n; old\r\n";
  const std::string path = Write(old, "full.ini");
  IniFile ini(path);
  ini.WriteString("s", "big", std::string(100000, 'x'));
  {
    testing::FileSizeLimit limit(4096);
    EXPECT_THROW(ini.Save(), WriteError);
  }
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()),
                          std::filesystem::directory_iterator()),
            2);
  // What cannot be read is never overwritten: here the "file" is a folder.
  std::filesystem::create_directory(folder_.File("dir.ini"));
  IniFile folder(folder_.File("dir.ini"));
  folder.WriteInteger("s", "k", 1);
  EXPECT_THROW(folder.Save(), WriteError);
  EXPECT_TRUE(std::filesystem::is_directory(folder_.File("dir.ini")));
}

// Hostile files must not crash or hang; a quadratic reader would run into
// ctest's time limit here.
TEST_F(IniFileTest, HostileFilesAreReadSafely) {
  std::mt19937 random(42);
  std::string garbage(1 << 20, '\0');
  const char alphabet[] =
      "[]=\r\n\"; \t\x81\xFF"
      "aZ0";
  for (char& c : garbage) {
    c = (random() % 4 == 0) ? alphabet[random() % (sizeof alphabet - 1)] : char(random());
  }
  IniFile noise(Write(garbage, "garbage.ini"));
  noise.ReadString("a", "b", "");
  noise.WriteInteger("a", "b", 1);
  EXPECT_EQ(noise.Text().substr(0, garbage.size()), garbage);
  // One line of 50 MB, as key and as value.
  IniFile longLine(
      Write("[s]\nk=" + std::string(50 << 20, 'v') + "\n" + std::string(10, '['), "long.ini"));
  EXPECT_EQ(longLine.ReadString("s", "k", "").size(), 1023u);
  EXPECT_EQ(longLine.ReadInteger("s", "k", 7), 7);
  // Neither a FIFO without writer nor an endless device is read.
  const std::string fifo = folder_.File("fifo.ini");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(IniFile(fifo).ReadString("s", "k", "d"), "d");
  EXPECT_EQ(IniFile("/dev/zero").ReadString("s", "k", "d"), "d");
  IniFile empty(Write("", "empty.ini"));
  EXPECT_EQ(empty.ReadString("s", "k", "d"), "d");
  // Many sections and keys cost linear time: 200,000 sections, each looked up.
  std::string many;
  for (int i = 0; i < 200000; ++i)
    many += "[P" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
  IniFile big(Write(many, "many.ini"));
  for (int i = 0; i < 200000; i += 997) {
    EXPECT_EQ(big.ReadInteger("p" + std::to_string(i), "K", -1), i);
  }
}

}  // namespace
}  // namespace kirabel

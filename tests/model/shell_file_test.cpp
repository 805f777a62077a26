// Shells: reading with their names and refusing what cannot be inserted,
// writing, cutting a set and what it launches out of a list, and placing.
#include "model/shell_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/particle_sets.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::NamedSet;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

// "name>child name" for every set, "*" after a visible one.
std::string Links(const ParticleList& sets) {
  std::string text;
  for (const ParticleSet& set : sets) {
    text += set.name + (set.visible ? "*" : "") + ">";
    text += set.child >= 0 ? sets[static_cast<std::size_t>(set.child)].name : "-";
    text += " ";
  }
  return text;
}

constexpr char kHeader[] = "[HEADER]\nID=PCL\nnSET=2\n";

TEST(ShellFileTest, BadFilesAreRefusedWithTheirReason) {
  ScratchFolder folder;
  const struct {
    const char* what;
    const char* bytes;  // null: no file
    bool pclError;
    ShellError::Reason reason;
    int set;
  } cases[] = {
      {"missing", nullptr, true, {}, 0},
      {"not a PCL file", "hello\n", true, {}, 0},
      {"no visible set", "[HEADER]\nID=PCL\nnSET=1\n[P0]\nvisible=0\n", false,
       ShellError::Reason::kNoRisingSet, -1},
      {"link past the end", "[HEADER]\nID=PCL\nnSET=2\n[P0]\nvisible=1\nchild=1\n[P1]\nchild=2\n",
       false, ShellError::Reason::kBrokenChildLink, 1},
      {"negative link", "[HEADER]\nID=PCL\nnSET=1\n[P0]\nvisible=1\nchild=-3\n", false,
       ShellError::Reason::kBrokenChildLink, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = folder.File(std::string(c.what) + ".pcl");
    if (c.bytes) WriteBytes(path, c.bytes);
    try {
      ReadShellFile(path);
      ADD_FAILURE() << "accepted";
    } catch (const PclReadError&) {
      EXPECT_TRUE(c.pclError);
    } catch (const ShellError& error) {
      EXPECT_FALSE(c.pclError);
      EXPECT_EQ(error.reason(), c.reason);
      EXPECT_EQ(error.setIndex(), c.set);
    }
  }
}

TEST(ShellFileTest, NamesComeFromTheShellSectionOrTheFile) {
  ScratchFolder folder;
  const std::string body =
      std::string(kHeader) + "[P0]\nname=star\nchild=1\n[P1]\nname=burst\nvisible=0\n";
  WriteBytes(folder.File("peony.pcl"),
             body + "[SHELL]\nNAME=牡丹\nNAMEEN=Peony\nNAMEROMAJI=botan\n");
  WriteBytes(folder.File("plain.pcl"), body);
  const Shell named = ReadShellFile(folder.File("peony.pcl"));
  EXPECT_EQ(named.name, "牡丹");
  EXPECT_EQ(named.englishName, "Peony");
  EXPECT_EQ(named.romanisedName, "botan");
  EXPECT_EQ(Links(named.sets), "star*>burst burst>- ");
  const Shell plain = ReadShellFile(folder.File("plain.pcl"));
  EXPECT_EQ(plain.name, "plain");
  EXPECT_EQ(plain.englishName, "");
  EXPECT_EQ(plain.romanisedName, "");
}

TEST(ShellFileTest, ASetAndWhatItLaunchesBecomeAShellThatSurvivesAFile) {
  // A launches C, C launches D, D launches C again; B is not reached.
  ParticleList list = {NamedSet("B"), NamedSet("A", 2), NamedSet("C", 3), NamedSet("D", 2)};
  LaunchSettings settings;
  settings.gravity = 0.25L;
  settings.autosave = true;
  settings.autosaveName = "/frames/f.bmp";
  Shell shell = ShellFromList(list, 1, settings);
  EXPECT_FALSE(shell.settings.autosave);
  EXPECT_EQ(shell.settings.autosaveName, "");
  EXPECT_EQ(Links(shell.sets), "A*>C C>D D>C ");
  EXPECT_EQ(Links(ShellFromList(list, 0, settings).sets), "B*>- ");
  shell.name = "金の柳";
  shell.romanisedName = "kin no yanagi";
  ScratchFolder folder;
  const std::string path = folder.File("gold.pcl");
  WriteShellFile(path, shell);
  const Shell read = ReadShellFile(path);
  EXPECT_EQ(read.sets, shell.sets);
  EXPECT_EQ(read.settings, shell.settings);
  EXPECT_EQ(read.settings.gravity, 0.25L);
  EXPECT_EQ(read.name, "金の柳");
  EXPECT_EQ(read.romanisedName, "kin no yanagi");
}

TEST(ShellFileTest, AShellWrittenOverAnotherHoldsItAlone) {
  ParticleList list = {NamedSet("A", 1), NamedSet("B", 2), NamedSet("C")};
  Shell large = ShellFromList(list, 0, LaunchSettings());
  large.name = "old";
  large.englishName = "Old";
  Shell small = ShellFromList(list, 2, LaunchSettings());
  small.name = "new";
  ScratchFolder folder;
  WriteShellFile(folder.File("over.pcl"), large);
  WriteShellFile(folder.File("over.pcl"), small);
  WriteShellFile(folder.File("fresh.pcl"), small);
  EXPECT_EQ(ReadBytes(folder.File("over.pcl")), ReadBytes(folder.File("fresh.pcl")));
  EXPECT_EQ(ReadBytes(folder.File("over.pcl")).find("[P1]"), std::string::npos);
}

TEST(ShellFileTest, PlacingMovesEveryRisingSetAlike) {
  ParticleList sets = {NamedSet("ring"), NamedSet("peony"), NamedSet("star")};
  sets[1].originX = 266;  // a second rising set beside the first
  sets[2].visible = false;
  sets[0].birthTime = 3;
  PlaceShell(sets, 100, 512, 40.0L);
  EXPECT_EQ(sets[0].originX, 100);
  EXPECT_EQ(sets[1].originX, 110);
  EXPECT_EQ(sets[0].originY, 512);
  EXPECT_EQ(sets[1].originY, 512);
  EXPECT_EQ(sets[0].birthTime, 40);
  EXPECT_EQ(sets[1].birthTime, 37);
  EXPECT_EQ(sets[2].originX, 256);  // a child stays where its parent puts it
  PlaceShell(sets, 100, 512, std::nullopt);
  EXPECT_EQ(sets[0].birthTime, 40);
}

TEST(ShellFileTest, FileStemsAreAscii) {
  const struct {
    const char* name;
    const char* stem;
  } cases[] = {{"Gold Willow", "gold-willow"}, {"  菊 No.2!", "no-2"}, {"柳", "shell-"}};
  for (const auto& c : cases) EXPECT_EQ(ShellFileStem(c.name).rfind(c.stem, 0), 0u) << c.name;
  EXPECT_NE(ShellFileStem("柳"), ShellFileStem("菊"));
}

}  // namespace
}  // namespace kirabel

#include "model/recent_files.h"

#include <gtest/gtest.h>

#include "model/settings_file.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;
using List = std::vector<std::string>;

TEST(RecentFilesTest, NewestFirstWithoutDuplicatesAndAtMostEight) {
  struct Case {
    List before;
    std::string added;
    List after;
  };
  const Case cases[] = {
      {{}, "/a", {"/a"}},
      {{"/a", "/b"}, "/c", {"/c", "/a", "/b"}},
      {{"/a", "/b", "/c"}, "/c", {"/c", "/a", "/b"}},  // moved, not repeated
      {{"/a"}, "", {"/a"}},
      {{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
       "/9",
       {"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
  };
  for (const Case& c : cases) EXPECT_EQ(WithRecentFile(c.before, c.added), c.after) << c.added;
  EXPECT_EQ(WithoutRecentFile({"/a", "/b"}, "/a"), List{"/b"});
}

TEST(RecentFilesTest, KeptInTheirOwnSectionAfterTheOthers) {
  ScratchFolder folder;
  const std::string path = folder.File("Kirabel.INI");
  Settings settings;
  SaveSettingsFile(path, settings);
  const std::string withoutRecent = ReadBytes(path);
  EXPECT_EQ(withoutRecent.find("[RECENT]"), std::string::npos);  // as before recent files

  SaveRecentFiles(path, {"/home/花子/b.pcl", "/a.pcl"});
  const std::string withRecent = ReadBytes(path);
  EXPECT_EQ(withRecent.rfind(withoutRecent, 0), 0u) << "the older keys stay as they were";
  EXPECT_EQ(LoadSettingsFile(path).recentFiles, (List{"/home/花子/b.pcl", "/a.pcl"}));

  settings.recentFiles = {"/c.pcl"};  // a shorter list leaves no old name behind
  SaveSettingsFile(path, settings);
  EXPECT_EQ(LoadSettingsFile(path).recentFiles, List{"/c.pcl"});
  SaveRecentFiles(path, {});
  EXPECT_TRUE(LoadSettingsFile(path).recentFiles.empty());

  WriteBytes(path, "[recent]\r\nFile2=/x\r\nFile3=/y\r\nFile5=/x\r\nFile9=/z\r\n");
  EXPECT_EQ(LoadSettingsFile(path).recentFiles, (List{"/x", "/y"}));
}

TEST(RecentFilesTest, WritesOnlyTheEntriesTheListHolds) {
  ScratchFolder folder;
  const std::string path = folder.File("Kirabel.INI");
  const std::string handMade = "[RECENT]\r\nFile1=/a.pcl\r\n[OTHER]\r\nk=v\r\n";
  WriteBytes(path, handMade);
  SaveRecentFiles(path, {"/a.pcl"});
  EXPECT_EQ(ReadBytes(path), handMade);
  SaveRecentFiles(path, {"/b.pcl", "/a.pcl", "/c.pcl"});
  SaveRecentFiles(path, {"/a.pcl"});
  EXPECT_EQ(ReadBytes(path), handMade) << "keys past the list's end are taken out";
}

}  // namespace
}  // namespace kirabel

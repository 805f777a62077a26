// Saving over a file: the new bytes replace the old file only when all of
// them were written; every failure leaves the old file and no stray file.
#include "platform/replacing_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "image/dibs.h"
#include "platform/io_error.h"
#include "support/file_size_limit.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

int FilesIn(const ScratchFolder& folder) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++count;
  }
  return count;
}

using testing::FileSizeLimit;

TEST(ReplacingFileTest, CommitReplacesTheOldFileAndKeepsItsPermissions) {
  ScratchFolder folder;
  const std::string name = folder.File("picture.BMP");
  WriteBytes(name, "old contents");
  chmod(name.c_str(), 0640);
  {
    ReplacingFile file(name);
    file.Write("new", 3);
    EXPECT_EQ(ReadBytes(name), "old contents");  // not yet in place
    file.Commit();
  }
  EXPECT_EQ(ReadBytes(name), "new");
  struct stat info;
  ASSERT_EQ(stat(name.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(FilesIn(folder), 1);

  // A file given up before the commit leaves the old one and nothing else.
  {
    ReplacingFile file(name);
    file.Write("abandoned", 9);
  }
  EXPECT_EQ(ReadBytes(name), "new");
  EXPECT_EQ(FilesIn(folder), 1);
}

TEST(ReplacingFileTest, ALinkKeepsPointingToTheReplacedFile) {
  ScratchFolder folder;
  const std::string target = folder.File("target.BMP");
  const std::string link = folder.File("link.BMP");
  WriteBytes(target, "old");
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  ReplacingFile file(link);
  file.Write("new", 3);
  file.Commit();
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(target), "new");
}

TEST(ReplacingFileTest, FailuresCarryTheNameAndLeaveTheOldFile) {
  ScratchFolder folder;
  const std::string missing = folder.File("no_such_folder/x.BMP");
  try {
    ReplacingFile file(missing);
    FAIL() << "no error";
  } catch (const FileIOError& error) {
    EXPECT_EQ(error.fileName(), missing);
    EXPECT_EQ(error.code(), ENOENT);
  }

  // A bitmap larger than the disk allows, saved over an older picture.
  const std::string name = folder.File("frame00001.BMP");
  WriteBytes(name, "the previous frame");
  TDIBitmap bitmap;
  bitmap.SetHeight(200);
  bitmap.SetWidth(200);
  {
    FileSizeLimit limit(4096);
    EXPECT_THROW(bitmap.SaveToFile(name, 24), FileIOError);
  }
  EXPECT_EQ(ReadBytes(name), "the previous frame");
  EXPECT_EQ(FilesIn(folder), 1);
  // With room again the same save succeeds.
  EXPECT_TRUE(bitmap.SaveToFile(name, 24));
  EXPECT_EQ(ReadBytes(name).size(), 54u + 200u * 600u);
}

}  // namespace
}  // namespace kirabel

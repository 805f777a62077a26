// Saving over a file: the new bytes replace the old file only when all of
// them were written; every failure leaves the old file and no stray file.
#include "platform/replacing_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "image/picture.h"
#include "platform/errors.h"
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

  // A picture larger than the disk allows, saved over an older picture.
  const std::string name = folder.File("frame00001.BMP");
  WriteBytes(name, "the previous frame");
  Picture picture;
  picture.SetHeight(200);
  picture.SetWidth(200);
  {
    FileSizeLimit limit(4096);
    EXPECT_THROW(picture.SaveToFile(name, 24), FileIOError);
  }
  EXPECT_EQ(ReadBytes(name), "the previous frame");
  EXPECT_EQ(FilesIn(folder), 1);
  // With room again the same save succeeds.
  picture.SaveToFile(name);
  EXPECT_EQ(ReadBytes(name).size(), 54u + 200u * 600u);
}

// Saves name with "new" and tells how it went: 'w' written, 'r' refused with
// WriteError, 'e' another error.
char SaveNew(const std::string& name) {
  try {
    ReplacingFile file(name);
    file.Write("new", 3);
    file.Commit();
    return 'w';
  } catch (const WriteError& error) {
    return error.fileName() == name ? 'r' : 'e';
  } catch (const std::exception&) {
    return 'e';
  }
}

// Runs SaveNew in a child process as an ordinary user (nobody when the tests
// run as root), so that permissions apply.
char SaveNewAsOrdinaryUser(const std::string& name) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit('e');
    _exit(SaveNew(name));
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? static_cast<char>(WEXITSTATUS(status)) : 'e';
}

struct stat StatOf(const std::string& name) {
  struct stat info {};
  stat(name.c_str(), &info);
  return info;
}

TEST(ReplacingFileTest, WhatAPlainWriteWouldRefuseIsRefusedAndLeftAlone) {
  ScratchFolder folder;
  // An ordinary user may create files in the folder but may not write a file
  // only its group may write (the owner's own bits forbid it, and others'
  // too); the owner, root too, may not write a file without any write bit.
  chmod(folder.path().c_str(), 0777);
  struct Case {
    const char* file;
    mode_t mode;
    bool asOrdinaryUser;
  } cases[] = {{"read-only.pcl", 0444, false}, {"group-writable.pcl", 0464, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string name = folder.File(c.file);
    WriteBytes(name, "old");
    chmod(name.c_str(), c.mode);
    EXPECT_EQ(c.asOrdinaryUser ? SaveNewAsOrdinaryUser(name) : SaveNew(name), 'r');
    EXPECT_EQ(ReadBytes(name), "old");
    EXPECT_EQ(StatOf(name).st_mode & 0777, c.mode);
  }
  EXPECT_EQ(FilesIn(folder), 2);
}

TEST(ReplacingFileTest, AReplacedFileKeepsItsOwnerGroupModeAndLinks) {
  ScratchFolder folder;
  const std::string owned = folder.File("owned.pcl");
  WriteBytes(owned, "old");
  if (geteuid() == 0) {
    ASSERT_EQ(chown(owned.c_str(), 65534, 65534), 0);
  }
  chmod(owned.c_str(), 0604);
  const struct stat before = StatOf(owned);
  EXPECT_EQ(SaveNew(owned), 'w');
  const struct stat after = StatOf(owned);
  EXPECT_EQ(ReadBytes(owned), "new");
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(after.st_mode, before.st_mode);

  // Hard links: written in place, so every name sees the new content; a save
  // that does not fit leaves the old content.
  const std::string first = folder.File("first.pcl"), second = folder.File("second.pcl");
  WriteBytes(first, "old");
  ASSERT_EQ(link(first.c_str(), second.c_str()), 0);
  EXPECT_EQ(SaveNew(second), 'w');
  EXPECT_EQ(ReadBytes(first), "new");
  EXPECT_EQ(StatOf(first).st_ino, StatOf(second).st_ino);
  {
    FileSizeLimit limit(4096);
    ReplacingFile file(first);
    const std::string big(10000, 'x');
    file.Write(big.data(), big.size());
    EXPECT_THROW(file.Commit(), FileIOError);
  }
  EXPECT_EQ(ReadBytes(second), "new");
  EXPECT_EQ(FilesIn(folder), 3);

  // A writable file in a folder where no new file can be made is written in
  // place, as a plain write would.
  const std::string shut = folder.File("shut");
  std::filesystem::create_directory(shut);
  const std::string inShut = shut + "/writable.pcl";
  WriteBytes(inShut, "old");
  chmod(inShut.c_str(), 0666);
  chmod(shut.c_str(), 0755);
  chmod(folder.path().c_str(), 0755);
  EXPECT_EQ(SaveNewAsOrdinaryUser(inShut), 'w');
  EXPECT_EQ(ReadBytes(inShut), "new");
  EXPECT_EQ(SaveNewAsOrdinaryUser(shut + "/new.pcl"), geteuid() == 0 ? 'r' : 'w');
}

}  // namespace
}  // namespace kirabel

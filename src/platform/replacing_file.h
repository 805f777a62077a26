#pragma once
// Writes a file so that a failure (full disk, unwritable folder, a crash)
// leaves any old file of that name exactly as it was: the bytes go to a new
// file in the same folder, which takes the old one's place only once all of
// them are written. The new file keeps the old one's owner, group and mode.
//
// A save never does what writing the file directly would refuse: a file the
// user may not write, or a regular file without any write permission bit
// (read-only, even for root), is refused with WriteError and left alone.
// Some files are written in place instead, once the new content is complete
// in memory and room for it is reserved: a file with several hard links (so
// that every name sees the new content), and a writable file in a folder
// where no new file can be made. A name that exists but is no regular file
// (a device, a pipe) is written directly. A symbolic link stays a link; its
// target is written.
#include <cstddef>
#include <cstdio>
#include <string>

namespace kirabel {

class ReplacingFile {
 public:
  // Throws WriteError when the file may not be written, FileIOError (with
  // the given name) when it cannot be created.
  explicit ReplacingFile(std::string name);
  // Removes a new file that was not committed.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Throws FileIOError on a failed write.
  void Write(const void* data, std::size_t size);
  // Finishes the file and puts it in place; throws FileIOError on failure.
  // With sync, the bytes and the new name are on the disk when it returns.
  void Commit(bool sync = false);

 private:
  [[noreturn]] void Fail(int code);
  void Discard();
  void OpenInPlace();
  void CommitInPlace(bool sync);

  std::string name_;       // as given; the errors carry it
  std::string target_;     // the file replaced (a symbolic link's target)
  std::string temporary_;  // the new file; empty when writing directly
  std::FILE* file_ = nullptr;
  int inPlace_ = -1;     // the old file, when it is overwritten in place
  std::string pending_;  // what is written in place on Commit
};

}  // namespace kirabel

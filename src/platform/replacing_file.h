#pragma once
// Writes a file so that a failure (full disk, unwritable folder, a crash)
// leaves any old file of that name exactly as it was: the bytes go to a new
// file in the same folder, which takes the old one's place only once all of
// them are written. A name that exists but is no regular file (a device, a
// pipe) is written directly.
#include <cstddef>
#include <cstdio>
#include <string>

namespace kirabel {

class ReplacingFile {
 public:
  // Throws FileIOError (with the given name) when the file cannot be created.
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

  std::string name_;       // as given; the errors carry it
  std::string target_;     // the file replaced (a symbolic link's target)
  std::string temporary_;  // the new file; empty when writing directly
  std::FILE* file_ = nullptr;
};

}  // namespace kirabel

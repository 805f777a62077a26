#pragma once
// Any failure, in the interface's language, for both programs.
#include <QString>
#include <exception>

namespace kirabel {

// Who speaks: the desktop program and kirabel-render word a few errors
// differently (their texts come from their own catalogues).
enum class ErrorVoice {
  kWindow,       // the desktop program's message boxes
  kWindowSave,   // the desktop program's failed save or export: the file first,
                 // then the system's reason on a line of its own
  kCommandLine,  // kirabel-render's messages
};

// The error in the installed language. The core's errors (WriteError,
// OutOfMemoryError, FileIOError, PclReadError, ...) give exactly their what()
// in the window's voice when no translation is installed; std::bad_alloc is
// worded as OutOfMemoryError; any other exception gives its what() as it is.
// A frame that was not written names its frame and cause on the command line;
// the window, whose export writes one file, gives the cause alone.
QString ErrorText(const std::exception& error, ErrorVoice voice = ErrorVoice::kWindow);
// The same for a failure caught on another thread; an empty text for none
// or for anything that is no std::exception.
QString ErrorText(const std::exception_ptr& error, ErrorVoice voice = ErrorVoice::kWindow);

}  // namespace kirabel

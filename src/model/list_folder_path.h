#pragma once
// Paths of files a list refers to (its soundtrack, its sky photo) as the
// list's file keeps them: relative to the list's folder when they lie below
// it, so that a folder moved together with its files keeps working.
#include <string>

namespace kirabel {

// The path to write into the file: relative to listFolder when path lies
// below it, else path as it is.
std::string PathStoredInList(const std::string& path, const std::string& listFolder);

// The absolute path of a stored path: a relative one counts from listFolder.
std::string PathFromList(const std::string& stored, const std::string& listFolder);

}  // namespace kirabel

#pragma once
// The show's settings: the video rate that ties the list's time to seconds of
// video (frame k is shown at (k - 1) / fps seconds), the soundtrack and the
// beat grid. They travel in the SHOW section of a PCL file, which a list that
// keeps every default never gets, so older lists save as they always did.
#include <string>

#include "model/frame_rate.h"

namespace kirabel {

class IniFile;

struct ShowSettings {
  FrameRate fps;                // frames of video per second
  std::string audio;            // the soundtrack's absolute path (UTF-8), or empty
  long double audioOffset = 0;  // video seconds at which its first sample plays
  long double bpm = 0;          // beats per minute; 0: no beat grid
  long double beatOffset = 0;   // video seconds of the first beat

  // Writes the values that differ from their defaults and takes out the
  // others. The soundtrack is written relative to listFolder when it lies
  // below it, else absolute.
  void SaveToIni(IniFile& ini, const std::string& listFolder) const;
  // A missing or malformed value takes its default; a relative soundtrack
  // counts from listFolder.
  void LoadFromIni(const IniFile& ini, const std::string& listFolder);

  bool operator==(const ShowSettings& other) const {
    return fps == other.fps && audio == other.audio && audioOffset == other.audioOffset &&
           bpm == other.bpm && beatOffset == other.beatOffset;
  }
  bool operator!=(const ShowSettings& other) const { return !(*this == other); }
};

}  // namespace kirabel

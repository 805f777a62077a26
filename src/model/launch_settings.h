#pragma once
// The launch settings: values that belong to a whole launch rather than to
// one particle set. They travel in the ENV section of a PCL file.
#include <string>

namespace kirabel {

class IniFile;

class LaunchSettings {
 public:
  long double gravity = 0.5L;     // [pixels/time^2], positive pulls down
  long double startTime = 10;     // time of the first frame
  long double frameInterval = 1;  // time between frames
  long double frameCount = 1;     // number of frames; a launch uses its integer part
  std::string autosaveName;       // UTF-8 path prefix for automatic saving (<= 255 SJIS bytes)
  bool autosave = false;          // save every frame as a numbered BMP file
  long double wind = 0;           // the air's speed [pixels/time], + to the right
  bool ownRandom = false;         // every set draws from its own stream (its seed)

  // Writes or reads the record as the ENV section of a PCL file; a missing
  // key takes its default (the values above). WIND and OWNRANDOM are written
  // only when they differ from their defaults; a wind that is no finite
  // number is read as 0.
  void SaveToIni(IniFile& ini) const;
  void LoadFromIni(const IniFile& ini);

  bool operator==(const LaunchSettings& other) const {
    return gravity == other.gravity && startTime == other.startTime &&
           frameInterval == other.frameInterval && frameCount == other.frameCount &&
           autosaveName == other.autosaveName && autosave == other.autosave && wind == other.wind &&
           ownRandom == other.ownRandom;
  }
  bool operator!=(const LaunchSettings& other) const { return !(*this == other); }
};

// Longest automatic-save name, counted in Shift-JIS bytes.
constexpr std::size_t kMaxAutosaveNameBytes = 255;

}  // namespace kirabel

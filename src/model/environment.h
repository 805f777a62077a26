#pragma once
// The launch settings: values that belong to a whole launch rather than to
// one particle set. They travel in the ENV section of a PCL file.
#include <string>

namespace kirabel {

class IniFile;

class TEnvironment {
 public:
  long double G = 0.5L;   // gravity [pixels/time^2], positive pulls down
  long double ST = 10;    // time of the first frame
  long double IT = 1;     // time between frames
  long double NF = 1;     // number of frames; a launch uses its integer part
  std::string NAME;       // UTF-8 path prefix for automatic saving (<= 255 SJIS bytes)
  bool AUTOSAVE = false;  // save every frame as a numbered BMP file

  // Writes or reads the record as the ENV section of a PCL file; a missing
  // key takes its default (the values above).
  void SaveToIni(IniFile& ini) const;
  void LoadFromIni(const IniFile& ini);
};

// Longest automatic-save name, counted in Shift-JIS bytes.
constexpr std::size_t kMaxEnvNameBytes = 255;

}  // namespace kirabel

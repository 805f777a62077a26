#include "model/show_settings.h"

#include <cmath>
#include <filesystem>

#include "platform/ini_file.h"

namespace kirabel {
namespace {

namespace fs = std::filesystem;

constexpr char kSection[] = "SHOW";

// The soundtrack as the file keeps it: relative to the list's folder when it
// lies below it, so that a folder moved with its music keeps working.
std::string StoredAudioPath(const std::string& audio, const std::string& listFolder) {
  if (audio.empty() || listFolder.empty()) return audio;
  const fs::path relative = fs::path(audio).lexically_relative(listFolder);
  if (relative.empty() || *relative.begin() == "..") return audio;
  return relative.generic_string();
}

std::string AbsoluteAudioPath(const std::string& stored, const std::string& listFolder) {
  if (stored.empty() || fs::path(stored).is_absolute() || listFolder.empty()) return stored;
  return (fs::path(listFolder) / stored).lexically_normal().string();
}

void WriteRealOrRemove(IniFile& ini, const char* key, long double value) {
  if (value != 0)
    ini.WriteReal(kSection, key, value);
  else
    ini.RemoveKey(kSection, key);
}

}  // namespace

void ShowSettings::SaveToIni(IniFile& ini, const std::string& listFolder) const {
  if (fps != FrameRate{})
    ini.WriteString(kSection, "FPS", FrameRateText(fps));
  else
    ini.RemoveKey(kSection, "FPS");
  if (!audio.empty())
    ini.WriteString(kSection, "AUDIO", StoredAudioPath(audio, listFolder));
  else
    ini.RemoveKey(kSection, "AUDIO");
  WriteRealOrRemove(ini, "AUDIOOFFSET", audioOffset);
  WriteRealOrRemove(ini, "BPM", bpm);
  WriteRealOrRemove(ini, "BEATOFFSET", beatOffset);
}

void ShowSettings::LoadFromIni(const IniFile& ini, const std::string& listFolder) {
  *this = ShowSettings();
  fps = ParseFrameRate(ini.ReadString(kSection, "FPS", "")).value_or(FrameRate{});
  audio = AbsoluteAudioPath(ini.ReadString(kSection, "AUDIO", ""), listFolder);
  audioOffset = ini.ReadReal(kSection, "AUDIOOFFSET", 0);
  const long double beats = ini.ReadReal(kSection, "BPM", 0);
  bpm = beats > 0 ? beats : 0;  // no beat grid for a tempo that cannot be
  beatOffset = ini.ReadReal(kSection, "BEATOFFSET", 0);
}

}  // namespace kirabel

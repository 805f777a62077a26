#include "model/show_settings.h"

#include "model/list_folder_path.h"
#include "platform/ini_file.h"

namespace kirabel {
namespace {

constexpr char kSection[] = "SHOW";

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
    ini.WriteString(kSection, "AUDIO", PathStoredInList(audio, listFolder));
  else
    ini.RemoveKey(kSection, "AUDIO");
  WriteRealOrRemove(ini, "AUDIOOFFSET", audioOffset);
  WriteRealOrRemove(ini, "BPM", bpm);
  WriteRealOrRemove(ini, "BEATOFFSET", beatOffset);
}

void ShowSettings::LoadFromIni(const IniFile& ini, const std::string& listFolder) {
  *this = ShowSettings();
  fps = ParseFrameRate(ini.ReadString(kSection, "FPS", "")).value_or(FrameRate{});
  audio = PathFromList(ini.ReadString(kSection, "AUDIO", ""), listFolder);
  audioOffset = ini.ReadReal(kSection, "AUDIOOFFSET", 0);
  const long double beats = ini.ReadReal(kSection, "BPM", 0);
  bpm = beats > 0 ? beats : 0;  // no beat grid for a tempo that cannot be
  beatOffset = ini.ReadReal(kSection, "BEATOFFSET", 0);
}

}  // namespace kirabel

#include "model/look.h"

#include <cstdio>
#include <optional>

#include "model/list_folder_path.h"
#include "model/look_limits.h"
#include "platform/ini_file.h"

namespace kirabel {
namespace {

constexpr char kSection[] = "LOOK";

void WriteTextOrRemove(IniFile& ini, const char* key, const std::string& text, bool keep) {
  if (keep)
    ini.WriteString(kSection, key, text);
  else
    ini.RemoveKey(kSection, key);
}

void WriteRealOrRemove(IniFile& ini, const char* key, double value, double defaultValue) {
  if (value != defaultValue)
    ini.WriteReal(kSection, key, value);
  else
    ini.RemoveKey(kSection, key);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string SkyColourText(const SkyColour& colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
  return text;
}

std::optional<SkyColour> ParseSkyColour(const std::string& text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  uint8_t parts[3];
  for (int i = 0; i < 3; ++i) {
    const int high = HexDigit(text[1 + 2 * i]);
    const int low = HexDigit(text[2 + 2 * i]);
    if (high < 0 || low < 0) return std::nullopt;
    parts[i] = static_cast<uint8_t>(high * 16 + low);
  }
  return SkyColour{parts[0], parts[1], parts[2]};
}

void Look::SaveToIni(IniFile& ini, const std::string& listFolder) const {
  const Look defaults;
  WriteTextOrRemove(ini, "LIGHT", "FILM", Film());
  WriteRealOrRemove(ini, "EXPOSURE", exposure, defaults.exposure);
  WriteRealOrRemove(ini, "GLOW", glow, defaults.glow);
  WriteRealOrRemove(ini, "GLOWRADIUS", glowRadius, defaults.glowRadius);
  WriteRealOrRemove(ini, "STARSIZE", starSize, defaults.starSize);
  WriteTextOrRemove(ini, "SKYTOP", SkyColourText(skyTop), skyTop != defaults.skyTop);
  WriteTextOrRemove(ini, "SKYBOTTOM", SkyColourText(skyBottom), skyBottom != defaults.skyBottom);
  WriteTextOrRemove(ini, "SKYPHOTO", PathStoredInList(skyPhoto, listFolder), !skyPhoto.empty());
  WriteRealOrRemove(ini, "SKYGLOW", skyGlow, defaults.skyGlow);
}

void Look::LoadFromIni(const IniFile& ini, const std::string& listFolder) {
  Look read;
  if (ini.ReadString(kSection, "LIGHT", "") == "FILM") read.light = Light::kFilm;
  const auto real = [&](const char* key, double defaultValue) {
    return static_cast<double>(ini.ReadReal(kSection, key, defaultValue));
  };
  read.exposure = real("EXPOSURE", read.exposure);
  read.glow = real("GLOW", read.glow);
  read.glowRadius = real("GLOWRADIUS", read.glowRadius);
  read.starSize = real("STARSIZE", read.starSize);
  read.skyTop = ParseSkyColour(ini.ReadString(kSection, "SKYTOP", "")).value_or(read.skyTop);
  read.skyBottom =
      ParseSkyColour(ini.ReadString(kSection, "SKYBOTTOM", "")).value_or(read.skyBottom);
  read.skyPhoto = PathFromList(ini.ReadString(kSection, "SKYPHOTO", ""), listFolder);
  read.skyGlow = real("SKYGLOW", read.skyGlow);
  *this = WithinLookLimits(read);
}

}  // namespace kirabel

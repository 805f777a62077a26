#include "model/look.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "platform/ini_file.h"

namespace kirabel {
namespace {

namespace fs = std::filesystem;

constexpr char kSection[] = "LOOK";

// One real of the look: its key, its member, its limits.
struct LookReal {
  const char* key;
  double Look::*member;
  double low;
  double high;
};

constexpr LookReal kReals[] = {
    {"EXPOSURE", &Look::exposure, -10, 10},     {"GLOW", &Look::glow, 0, 4},
    {"GLOWRADIUS", &Look::glowRadius, 0.1, 20}, {"STARSIZE", &Look::starSize, 0, 8},
    {"SKYGLOW", &Look::skyGlow, 0, 4},
};

std::string ColourText(const SkyColour& colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
  return text;
}

// "#RRGGBB"; anything else gives the default.
SkyColour ParseColour(const std::string& text, const SkyColour& fallback) {
  unsigned r, g, b;
  char end;
  if (text.size() != 7 || std::sscanf(text.c_str(), "#%2x%2x%2x%c", &r, &g, &b, &end) != 3) {
    return fallback;
  }
  return {static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

void WriteColour(IniFile& ini, const char* key, const SkyColour& colour) {
  if (colour != SkyColour{})
    ini.WriteString(kSection, key, ColourText(colour));
  else
    ini.RemoveKey(kSection, key);
}

// The photo as the file keeps it: relative to the list's folder when it lies
// below it, so that a folder moved with its photo keeps working.
std::string StoredPath(const std::string& path, const std::string& listFolder) {
  if (path.empty() || listFolder.empty()) return path;
  const fs::path relative = fs::path(path).lexically_relative(listFolder);
  if (relative.empty() || *relative.begin() == "..") return path;
  return relative.generic_string();
}

std::string AbsolutePath(const std::string& stored, const std::string& listFolder) {
  if (stored.empty() || fs::path(stored).is_absolute() || listFolder.empty()) return stored;
  return (fs::path(listFolder) / stored).lexically_normal().string();
}

}  // namespace

double HeldWithinLookLimits(const char* key, double value) {
  for (const LookReal& real : kReals) {
    if (std::string(real.key) == key) {
      return std::isfinite(value) ? std::clamp(value, real.low, real.high) : Look().*real.member;
    }
  }
  return value;
}

Look WithinLookLimits(const Look& look) {
  Look held = look;
  for (const LookReal& real : kReals)
    held.*real.member = HeldWithinLookLimits(real.key, look.*real.member);
  return held;
}

void Look::SaveToIni(IniFile& ini, const std::string& listFolder) const {
  if (Film())
    ini.WriteString(kSection, "LIGHT", "FILM");
  else
    ini.RemoveKey(kSection, "LIGHT");
  const Look defaults;
  for (const LookReal& real : kReals) {
    if (this->*real.member != defaults.*real.member)
      ini.WriteReal(kSection, real.key, this->*real.member);
    else
      ini.RemoveKey(kSection, real.key);
  }
  WriteColour(ini, "SKYTOP", skyTop);
  WriteColour(ini, "SKYBOTTOM", skyBottom);
  if (!skyPhoto.empty())
    ini.WriteString(kSection, "SKYPHOTO", StoredPath(skyPhoto, listFolder));
  else
    ini.RemoveKey(kSection, "SKYPHOTO");
}

void Look::LoadFromIni(const IniFile& ini, const std::string& listFolder) {
  *this = Look();
  std::string light = ini.ReadString(kSection, "LIGHT", "");
  std::transform(light.begin(), light.end(), light.begin(),
                 [](unsigned char c) { return std::toupper(c); });
  if (light == "FILM") this->light = Light::kFilm;
  for (const LookReal& real : kReals) {
    this->*real.member = HeldWithinLookLimits(
        real.key, static_cast<double>(ini.ReadReal(kSection, real.key, this->*real.member)));
  }
  skyTop = ParseColour(ini.ReadString(kSection, "SKYTOP", ""), skyTop);
  skyBottom = ParseColour(ini.ReadString(kSection, "SKYBOTTOM", ""), skyBottom);
  skyPhoto = AbsolutePath(ini.ReadString(kSection, "SKYPHOTO", ""), listFolder);
}

}  // namespace kirabel

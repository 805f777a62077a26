// The ENV section of a PCL file: the launch settings.
#include <algorithm>
#include <cmath>

#include "model/launch_settings.h"
#include "platform/ini_file.h"
#include "platform/sjis.h"

namespace kirabel {
namespace {
constexpr char kSection[] = "ENV";
// The largest wind either way: what nine digits hold.
constexpr long double kMaxWind = 999999999;

long double WindWithinLimits(long double wind) {
  return std::isfinite(wind) ? std::clamp(wind, -kMaxWind, kMaxWind) : 0;
}
}  // namespace

void LaunchSettings::SaveToIni(IniFile& ini) const {
  ini.WriteReal(kSection, "G", gravity);
  ini.WriteReal(kSection, "ST", startTime);
  ini.WriteReal(kSection, "IT", frameInterval);
  ini.WriteReal(kSection, "NF", frameCount);
  ini.WriteBool(kSection, "AUTOSAVE", autosave);
  ini.WriteString(kSection, "NAME", autosaveName);
  // The later settings only when used, so that older lists keep their bytes.
  if (wind != 0)
    ini.WriteReal(kSection, "WIND", wind);
  else
    ini.RemoveKey(kSection, "WIND");
  if (ownRandom)
    ini.WriteBool(kSection, "OWNRANDOM", true);
  else
    ini.RemoveKey(kSection, "OWNRANDOM");
}

void LaunchSettings::LoadFromIni(const IniFile& ini) {
  gravity = ini.ReadReal(kSection, "G", 0.5L);
  startTime = ini.ReadReal(kSection, "ST", 10);
  frameInterval = ini.ReadReal(kSection, "IT", 1);
  frameCount = ini.ReadReal(kSection, "NF", 1);
  autosave = ini.ReadBool(kSection, "AUTOSAVE", false);
  autosaveName = CutToFileBytes(ini.ReadString(kSection, "NAME", ""), kMaxAutosaveNameBytes);
  wind = WindWithinLimits(ini.ReadReal(kSection, "WIND", 0));
  ownRandom = ini.ReadBool(kSection, "OWNRANDOM", false);
}

}  // namespace kirabel

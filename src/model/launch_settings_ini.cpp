// The ENV section of a PCL file: the launch settings.
#include "model/launch_settings.h"
#include "platform/ini_file.h"
#include "platform/sjis.h"

namespace kirabel {
namespace {
constexpr char kSection[] = "ENV";
}  // namespace

void LaunchSettings::SaveToIni(IniFile& ini) const {
  ini.WriteReal(kSection, "G", gravity);
  ini.WriteReal(kSection, "ST", startTime);
  ini.WriteReal(kSection, "IT", frameInterval);
  ini.WriteReal(kSection, "NF", frameCount);
  ini.WriteBool(kSection, "AUTOSAVE", autosave);
  ini.WriteString(kSection, "NAME", autosaveName);
}

void LaunchSettings::LoadFromIni(const IniFile& ini) {
  gravity = ini.ReadReal(kSection, "G", 0.5L);
  startTime = ini.ReadReal(kSection, "ST", 10);
  frameInterval = ini.ReadReal(kSection, "IT", 1);
  frameCount = ini.ReadReal(kSection, "NF", 1);
  autosave = ini.ReadBool(kSection, "AUTOSAVE", false);
  autosaveName = CutToFileBytes(ini.ReadString(kSection, "NAME", ""), kMaxAutosaveNameBytes);
}

}  // namespace kirabel

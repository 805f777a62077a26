// The ENV section of a PCL file: the launch settings.
#include "model/environment.h"
#include "platform/ini_file.h"
#include "platform/sjis.h"

namespace kirabel {
namespace {
constexpr char kSection[] = "ENV";
}  // namespace

void TEnvironment::SaveToIni(IniFile& ini) const {
  ini.WriteReal(kSection, "G", G);
  ini.WriteReal(kSection, "ST", ST);
  ini.WriteReal(kSection, "IT", IT);
  ini.WriteReal(kSection, "NF", NF);
  ini.WriteBool(kSection, "AUTOSAVE", AUTOSAVE);
  ini.WriteString(kSection, "NAME", NAME);
}

void TEnvironment::LoadFromIni(const IniFile& ini) {
  G = ini.ReadReal(kSection, "G", 0.5L);
  ST = ini.ReadReal(kSection, "ST", 10);
  IT = ini.ReadReal(kSection, "IT", 1);
  NF = ini.ReadReal(kSection, "NF", 1);
  AUTOSAVE = ini.ReadBool(kSection, "AUTOSAVE", false);
  NAME = CutToFileBytes(ini.ReadString(kSection, "NAME", ""), kMaxEnvNameBytes);
}

}  // namespace kirabel

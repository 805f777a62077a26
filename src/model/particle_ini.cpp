// The section "P<index>" of a PCL file: one particle set.
#include <string>

#include "model/particle.h"
#include "model/particle_fields.h"
#include "platform/ini_file.h"
#include "platform/sjis.h"

namespace kirabel {
namespace {

std::string SectionName(int index) {
  return "P" + std::to_string(index);
}

struct FieldWriter {
  IniFile& ini;
  const std::string& section;
  void operator()(const char* key, uint8_t value) const { ini.WriteInteger(section, key, value); }
  void operator()(const char* key, int32_t value) const { ini.WriteInteger(section, key, value); }
  void operator()(const char* key, long double value) const { ini.WriteReal(section, key, value); }
  void operator()(const char* key, bool value) const { ini.WriteBool(section, key, value); }
  void operator()(const char* key, const std::string& value) const {
    ini.WriteString(section, key, value);
  }
};

struct FieldReader {
  const IniFile& ini;
  const std::string& section;
  int index;
  // Colour components keep the low 8 bits of the integer read.
  void operator()(const char* key, uint8_t& value, int fallback) const {
    value = static_cast<uint8_t>(static_cast<uint32_t>(ini.ReadInteger(section, key, fallback)));
  }
  void operator()(const char* key, int32_t& value, int32_t fallback) const {
    value = ini.ReadInteger(section, key, fallback);
  }
  void operator()(const char* key, long double& value, long double fallback) const {
    value = ini.ReadReal(section, key, fallback);
  }
  void operator()(const char* key, bool& value, bool fallback) const {
    value = ini.ReadBool(section, key, fallback);
  }
  void operator()(const char* key, std::string& value, DefaultName) const {
    value = CutToFileBytes(ini.ReadString(section, key, "火花 " + std::to_string(index)),
                           kMaxNameBytes);
  }
};

}  // namespace

void ParticleSet::SaveToIni(IniFile& ini, int index) const {
  const std::string section = SectionName(index);
  const FieldWriter write{ini, section};
  ForEachParticleField([&](const auto& field) { write(field.key, this->*field.member); });
}

void ParticleSet::LoadFromIni(const IniFile& ini, int index) {
  const std::string section = SectionName(index);
  const FieldReader read{ini, section, index};
  ForEachParticleField(
      [&](const auto& field) { read(field.key, this->*field.member, field.fallback); });
}

}  // namespace kirabel

// The section "P<index>" of a PCL file: one particle set.
#include <string>

#include "model/particle.h"
#include "model/particle_fields.h"
#include "model/star_effect_fields.h"
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

// An effect field is written only when it differs from its default; a key
// left from an earlier save is then taken out, so the file says what the set is.
template <typename T>
void WriteEffect(IniFile& ini, const std::string& section, const StarEffectField<T>& field,
                 T value) {
  if (value == field.fallback) {
    ini.RemoveKey(section, field.key);
  } else if constexpr (std::is_same_v<T, long double>) {
    ini.WriteReal(section, field.key, value);
  } else {
    ini.WriteInteger(section, field.key, value);
  }
}

// Colour components keep the low 8 bits of the integer read, as the set's own colour.
template <typename T>
T ReadEffect(const IniFile& ini, const std::string& section, const StarEffectField<T>& field) {
  if constexpr (std::is_same_v<T, long double>) {
    return WithinEffectLimits(ini.ReadReal(section, field.key, field.fallback), field);
  } else if constexpr (std::is_same_v<T, uint8_t>) {
    return static_cast<uint8_t>(
        static_cast<uint32_t>(ini.ReadInteger(section, field.key, field.fallback)));
  } else {
    return ini.ReadInteger(section, field.key, field.fallback);
  }
}

}  // namespace

void ParticleSet::SaveToIni(IniFile& ini, int index) const {
  const std::string section = SectionName(index);
  const FieldWriter write{ini, section};
  ForEachParticleField([&](const auto& field) { write(field.key, this->*field.member); });
  const StarEffects& effects = Effects();
  ForEachStarEffectField(
      [&](const auto& field) { WriteEffect(ini, section, field, effects.*field.member); });
}

void ParticleSet::LoadFromIni(const IniFile& ini, int index) {
  const std::string section = SectionName(index);
  const FieldReader read{ini, section, index};
  ForEachParticleField(
      [&](const auto& field) { read(field.key, this->*field.member, field.fallback); });
  StarEffects effects;
  ForEachStarEffectField(
      [&](const auto& field) { effects.*field.member = ReadEffect(ini, section, field); });
  SetEffects(effects);
}

}  // namespace kirabel

// The section "P<index>" of a PCL file: one particle set.
#include <string>

#include "model/particle.h"
#include "platform/ini_file.h"

namespace kirabel {
namespace {

std::string SectionName(int index) {
  return "P" + std::to_string(index);
}

// Colour components keep the low 8 bits of the integer read.
uint8_t ReadColour(const IniFile& ini, const std::string& section, const char* key) {
  return static_cast<uint8_t>(static_cast<uint32_t>(ini.ReadInteger(section, key, 255)) & 0xFFu);
}

}  // namespace

void TParticle::SaveToIni(IniFile& ini, int index) const {
  const std::string s = SectionName(index);
  ini.WriteInteger(s, "colR", colR);
  ini.WriteInteger(s, "colG", colG);
  ini.WriteInteger(s, "colB", colB);
  ini.WriteInteger(s, "N", N);
  ini.WriteReal(s, "P0x", P0x);
  ini.WriteReal(s, "P0y", P0y);
  ini.WriteReal(s, "b", b);
  ini.WriteReal(s, "eb", eb);
  ini.WriteReal(s, "vb", vb);
  ini.WriteReal(s, "db", db);
  ini.WriteReal(s, "gt", gt);
  ini.WriteReal(s, "et", et);
  ini.WriteReal(s, "tv", tv);
  ini.WriteInteger(s, "ns", ns);
  ini.WriteReal(s, "lt", lt);
  ini.WriteReal(s, "elt", elt);
  ini.WriteString(s, "name", name);
  ini.WriteBool(s, "visible", visible);
  ini.WriteInteger(s, "child", child);
  ini.WriteInteger(s, "am", am);
  ini.WriteInteger(s, "rmB", rmB);
  ini.WriteInteger(s, "rmVB", rmVB);
  ini.WriteInteger(s, "rmGT", rmGT);
  ini.WriteInteger(s, "rmLT", rmLT);
}

void TParticle::LoadFromIni(const IniFile& ini, int index) {
  const std::string s = SectionName(index);
  colR = ReadColour(ini, s, "colR");
  colG = ReadColour(ini, s, "colG");
  colB = ReadColour(ini, s, "colB");
  N = ini.ReadInteger(s, "N", 100);
  P0x = ini.ReadReal(s, "P0x", 256);
  P0y = ini.ReadReal(s, "P0y", 256);
  b = ini.ReadReal(s, "b", 10);
  eb = ini.ReadReal(s, "eb", 5);
  vb = ini.ReadReal(s, "vb", 0);
  db = ini.ReadReal(s, "db", 180);  // radians, as every db value
  gt = ini.ReadReal(s, "gt", 0);
  et = ini.ReadReal(s, "et", 5);
  tv = ini.ReadReal(s, "tv", 5);
  ns = ini.ReadInteger(s, "ns", 100);
  lt = ini.ReadReal(s, "lt", 20);
  elt = ini.ReadReal(s, "elt", 5);
  SetName(ini.ReadString(s, "name", "火花 " + std::to_string(index)));
  visible = ini.ReadBool(s, "visible", true);
  child = ini.ReadInteger(s, "child", -1);
  am = ini.ReadInteger(s, "am", 2);
  rmB = ini.ReadInteger(s, "rmB", rmUniform);
  rmVB = ini.ReadInteger(s, "rmVB", rmUniform);
  rmGT = ini.ReadInteger(s, "rmGT", rmUniform);
  rmLT = ini.ReadInteger(s, "rmLT", rmUniform);
}

}  // namespace kirabel

#include "model/particle.h"

#include "model/particle_fields.h"
#include "platform/sjis.h"

namespace kirabel {

void ParticleSet::SetName(const std::string& utf8) {
  name = CutToFileBytes(utf8, kMaxNameBytes);
}

void ParticleSet::SetEffects(const StarEffects& effects) {
  if (effects == kNoStarEffects)
    effects_.reset();
  else
    effects_ = std::make_shared<const StarEffects>(effects);
}

bool operator==(const ParticleSet& a, const ParticleSet& b) {
  bool equal = true;
  ForEachParticleField(
      [&](const auto& field) { equal = equal && a.*field.member == b.*field.member; });
  return equal && a.Effects() == b.Effects();
}

}  // namespace kirabel

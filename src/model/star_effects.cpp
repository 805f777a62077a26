#include "model/star_effects.h"

#include "model/star_effect_fields.h"

namespace kirabel {

bool operator==(const StarEffects& a, const StarEffects& b) {
  bool equal = true;
  ForEachStarEffectField(
      [&](const auto& field) { equal = equal && a.*field.member == b.*field.member; });
  return equal;
}

}  // namespace kirabel

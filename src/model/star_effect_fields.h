#pragma once
// The fields of a set's optional star effects (air drag, light over life,
// strobe, second colour, sparks, own random seed): their keys in a PCL file,
// their defaults (every effect off) and their limits, one row per field.
// Unlike the classic fields they are written only when they differ from
// their defaults, so a list that uses none of them keeps its bytes. A value
// read from a file is held within its row's limits (a value that is no
// number takes the default), so a hostile file can neither crash a launch
// nor make it draw without end.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <type_traits>

#include "model/star_effects.h"

namespace kirabel {

template <typename T>
struct StarEffectField {
  const char* key;
  T StarEffects::*member;
  T fallback;  // the default: the effect is off
  T low;       // the smallest value kept
  T high;      // the largest value kept
};

template <typename T>
constexpr StarEffectField<T> EffectField(const char* key, T StarEffects::*member, T fallback, T low,
                                         T high) {
  return {key, member, fallback, low, high};
}

// Longest time an effect can span; beyond it no launch shows a difference.
constexpr long double kMaxEffectTime = 1e9L;
// Most sparks a star sheds per time unit, and the longest a spark glows.
constexpr long double kMaxSparkRate = 1000;
constexpr long double kMaxSparkLifetime = 1000;

inline constexpr auto kStarEffectFields = std::make_tuple(
    EffectField("drag", &StarEffects::drag, 0.0L, 0.0L, 100.0L),
    EffectField("fadeIn", &StarEffects::fadeIn, 0.0L, 0.0L, kMaxEffectTime),
    EffectField("fadeOut", &StarEffects::fadeOut, 0.0L, 0.0L, kMaxEffectTime),
    EffectField("flash", &StarEffects::flash, 0.0L, 0.0L, 100.0L),
    EffectField("flashT", &StarEffects::flashTime, 0.0L, 0.0L, kMaxEffectTime),
    EffectField("strobeT", &StarEffects::strobePeriod, 0.0L, 0.0L, kMaxEffectTime),
    EffectField("strobeOn", &StarEffects::strobeLit, 0.0L, 0.0L, 1.0L),
    EffectField<uint8_t>("col2R", &StarEffects::secondRed, 255, 0, 255),
    EffectField<uint8_t>("col2G", &StarEffects::secondGreen, 255, 0, 255),
    EffectField<uint8_t>("col2B", &StarEffects::secondBlue, 255, 0, 255),
    // Any negative age means no second colour; it is kept as -1.
    EffectField("col2T", &StarEffects::secondColourAge, -1.0L, -1.0L, kMaxEffectTime),
    EffectField("col2Blend", &StarEffects::secondColourBlend, 0.0L, 0.0L, kMaxEffectTime),
    EffectField("sparkN", &StarEffects::sparkRate, 0.0L, 0.0L, kMaxSparkRate),
    EffectField("sparkLT", &StarEffects::sparkLifetime, 0.0L, 0.0L, kMaxSparkLifetime),
    EffectField("sparkV", &StarEffects::sparkSpeed, 0.0L, 0.0L, 1e6L),
    EffectField<uint8_t>("sparkR", &StarEffects::sparkRed, 255, 0, 255),
    EffectField<uint8_t>("sparkG", &StarEffects::sparkGreen, 255, 0, 255),
    EffectField<uint8_t>("sparkB", &StarEffects::sparkBlue, 255, 0, 255),
    EffectField<int32_t>("seed", &StarEffects::seed, 0, INT32_MIN, INT32_MAX));

// Calls visit(field) for every row of the table, in file order.
template <typename Visitor>
void ForEachStarEffectField(Visitor&& visit) {
  std::apply([&](const auto&... field) { (visit(field), ...); }, kStarEffectFields);
}

// The value held within the row's limits: a value that is no number takes
// the default; col2T keeps any negative age as -1 (no second colour).
template <typename T>
T WithinEffectLimits(T value, const StarEffectField<T>& field) {
  if constexpr (std::is_floating_point_v<T>) {
    if (std::isnan(value)) return field.fallback;
    if (value < 0 && field.low < 0) return field.low;
  }
  return std::clamp(value, field.low, field.high);
}

// The effects with every field held within its limits.
inline StarEffects WithinEffectLimits(StarEffects effects) {
  ForEachStarEffectField([&](const auto& field) {
    effects.*field.member = WithinEffectLimits(effects.*field.member, field);
  });
  return effects;
}

}  // namespace kirabel

#pragma once
// The fields of a particle set with their keys in a PCL file and the values a
// missing key gives, in the order the file holds them. Reading, writing and
// comparing all walk this one table, so they can never disagree.
#include <tuple>

#include "model/particle.h"

namespace kirabel {

// The name's default is "火花 <section index>".
struct DefaultName {};

template <typename T, typename Default>
struct ParticleField {
  const char* key;
  T ParticleSet::*member;
  Default fallback;
};

template <typename T, typename Default>
constexpr ParticleField<T, Default> Field(const char* key, T ParticleSet::*member,
                                          Default fallback) {
  return {key, member, fallback};
}

inline constexpr auto kParticleFields = std::make_tuple(
    Field("colR", &ParticleSet::red, 255), Field("colG", &ParticleSet::green, 255),
    Field("colB", &ParticleSet::blue, 255), Field("N", &ParticleSet::count, 100),
    Field("P0x", &ParticleSet::originX, 256.0L), Field("P0y", &ParticleSet::originY, 256.0L),
    Field("b", &ParticleSet::speed, 10.0L), Field("eb", &ParticleSet::speedSpread, 5.0L),
    Field("vb", &ParticleSet::direction, 0.0L),
    // Radians, as every stored direction spread.
    Field("db", &ParticleSet::directionSpread, 180.0L), Field("gt", &ParticleSet::birthTime, 0.0L),
    Field("et", &ParticleSet::birthSpread, 5.0L), Field("tv", &ParticleSet::trailLength, 5.0L),
    Field("ns", &ParticleSet::trailSamples, 100), Field("lt", &ParticleSet::lifetime, 20.0L),
    Field("elt", &ParticleSet::lifetimeSpread, 5.0L),
    Field("name", &ParticleSet::name, DefaultName{}), Field("visible", &ParticleSet::visible, true),
    Field("child", &ParticleSet::child, -1), Field("am", &ParticleSet::maxGenerations, 2),
    Field("rmB", &ParticleSet::speedDistribution, kUniformDistribution),
    Field("rmVB", &ParticleSet::directionDistribution, kUniformDistribution),
    Field("rmGT", &ParticleSet::birthDistribution, kUniformDistribution),
    Field("rmLT", &ParticleSet::lifetimeDistribution, kUniformDistribution));

// Calls visit(field) for every entry of the table, in file order.
template <typename Visitor>
void ForEachParticleField(Visitor&& visit) {
  std::apply([&](const auto&... field) { (visit(field), ...); }, kParticleFields);
}

}  // namespace kirabel

#pragma once
// One particle set: a burst of particles sharing origin, colour, timing and
// random spreads, optionally naming the set that bursts out of each particle
// when it dies.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/star_effects.h"

namespace kirabel {

class IniFile;

// How a scattered quantity's factor in [-1, 1) is distributed. Stored as a
// plain 32-bit integer; any value other than 0 and 1 behaves as evenly spaced.
using Distribution = int32_t;
constexpr Distribution kUniformDistribution = 0;
constexpr Distribution kCenteredDistribution = 1;
constexpr Distribution kEvenDistribution = 2;

// Longest set name, counted in Shift-JIS bytes.
constexpr std::size_t kMaxNameBytes = 40;

class ParticleSet {
 public:
  // Colour in the byte order of a 24-bit picture pixel: blue, green, red.
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  int32_t count = 0;        // number of particles
  long double originX = 0;  // where they start [pixels]
  long double originY = 0;
  long double speed = 0;  // mean start speed [pixels/time]
  long double speedSpread = 0;
  long double direction = 0;        // [radians], 0 = up, counter-clockwise
  long double directionSpread = 0;  // [radians]
  long double birthTime = 0;        // when they appear
  long double birthSpread = 0;
  long double lifetime = 0;  // how long they live
  long double lifetimeSpread = 0;
  long double trailLength = 0;  // how long a glowing trail each leaves [time]
  int32_t trailSamples = 0;     // points drawn along the trail
  bool visible = false;         // takes part in launches
  int32_t child = 0;            // -1 = none, else the position of the set that bursts out
  int32_t maxGenerations = 0;   // how many generations of child bursts
  Distribution speedDistribution = 0;
  Distribution directionDistribution = 0;
  Distribution birthDistribution = 0;
  Distribution lifetimeDistribution = 0;
  std::string name;  // UTF-8; at most kMaxNameBytes once encoded as Shift-JIS

  // The stars' optional effects: all off unless given. A set without any
  // keeps none, and copies share them, so that the many copies a launch
  // makes of a set cost no more memory than before.
  const StarEffects& Effects() const { return effects_ ? *effects_ : kNoStarEffects; }
  bool HasEffects() const { return effects_ != nullptr; }
  void SetEffects(const StarEffects& effects);

  // Stores a name cut to kMaxNameBytes (Shift-JIS bytes) without splitting a
  // character.
  void SetName(const std::string& utf8);

  // Writes or reads the record as the section "P<index>" of a PCL file; a
  // missing key takes its default (the default name uses index).
  void SaveToIni(IniFile& ini, int index) const;
  void LoadFromIni(const IniFile& ini, int index);

  // Every field equal.
  friend bool operator==(const ParticleSet& a, const ParticleSet& b);
  friend bool operator!=(const ParticleSet& a, const ParticleSet& b) { return !(a == b); }

 private:
  std::shared_ptr<const StarEffects> effects_;  // null: every effect off
};

// The ordered list of particle sets; the position is the index that child
// links and the PCL section numbers use.
using ParticleList = std::vector<ParticleSet>;

}  // namespace kirabel

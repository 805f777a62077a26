#pragma once
// One particle set: a burst of N particles sharing origin, colour, timing and
// random spreads, optionally naming the set that bursts out of each particle
// when it dies. The same record serves as a launched set, which additionally
// owns one kinematic state per particle.
#include <cstdint>
#include <string>
#include <vector>

namespace kirabel {

class IniFile;

// How a scattered quantity's factor in [-1, 1) is distributed. Stored as a
// plain 32-bit integer; any value other than 0 and 1 behaves as rmEven.
using TRandomMode = int32_t;
constexpr TRandomMode rmUniform = 0;
constexpr TRandomMode rmCentered = 1;
constexpr TRandomMode rmEven = 2;

// Kinematics of one launched particle, all in extended precision.
struct TParticleState {
  long double birth = 0;
  long double death = 0;
  long double x0 = 0;
  long double y0 = 0;
  long double vx = 0;
  long double vy = 0;
};

// Longest set name, counted in Shift-JIS bytes.
constexpr std::size_t kMaxNameBytes = 40;

class TParticle {
 public:
  // Colour in the byte order of a 24-bit DIB pixel: blue, green, red.
  uint8_t colB = 0;
  uint8_t colG = 0;
  uint8_t colR = 0;
  long double b = 0;  // mean start speed [pixels/time]
  int32_t N = 0;      // number of particles
  long double P0x = 0;
  long double P0y = 0;
  long double vb = 0;  // direction [radians], 0 = up, counter-clockwise
  long double db = 0;  // spread of direction [radians]
  long double eb = 0;  // spread of speed
  long double gt = 0;  // birth time
  long double et = 0;  // spread of birth time
  long double lt = 0;  // lifetime
  long double elt = 0; // spread of lifetime
  long double tv = 0;  // afterimage length [time]
  int32_t ns = 0;      // afterimage divisions
  bool visible = false;
  int32_t child = 0;  // -1 = none, else a 0-based index into the particle list
  int32_t am = 0;     // maximum generations
  TRandomMode rmB = 0;
  TRandomMode rmVB = 0;
  TRandomMode rmGT = 0;
  TRandomMode rmLT = 0;
  std::string name;  // UTF-8; at most kMaxNameBytes once encoded as Shift-JIS
  // Per-particle kinematics; filled only on launched sets.
  std::vector<TParticleState> states;

  // Copies every field of the source except states.
  void Assign(const TParticle& source);

  // Stores a name cut to kMaxNameBytes (Shift-JIS bytes) without splitting a
  // character.
  void SetName(const std::string& utf8);

  // Writes or reads the record as the section "P<index>" of a PCL file; a
  // missing key takes its default (the default name uses index).
  void SaveToIni(IniFile& ini, int index) const;
  void LoadFromIni(const IniFile& ini, int index);
};

// The main window's ordered list of particle sets; the position is the index
// that child links and the PCL section numbers use.
using ParticleList = std::vector<TParticle>;

}  // namespace kirabel

#pragma once
// A set's optional star effects: air drag, light over a star's life (fades,
// flash, strobe, a second colour), sparks shed in flight and the seed of the
// set's own random stream. Every value is off at its default; the file keys,
// defaults and limits are the table of model/star_effect_fields.h.
#include <cstdint>

namespace kirabel {

struct StarEffects {
  long double drag = 0;          // how fast the air slows a star [1/time]; 0 = no air
  long double fadeIn = 0;        // time over which a star's light rises from 0 after birth
  long double fadeOut = 0;       // time over which its light falls to 0 before death
  long double flash = 0;         // extra light at birth, a multiple of the colour
  long double flashTime = 0;     // time over which the flash dies away
  long double strobePeriod = 0;  // time of one on-off cycle
  long double strobeLit = 0;     // lit fraction of each cycle; 0 = no strobe
  uint8_t secondBlue = 255;      // the colour a star changes to
  uint8_t secondGreen = 255;
  uint8_t secondRed = 255;
  long double secondColourAge = -1;   // age at which the change starts; negative = none
  long double secondColourBlend = 0;  // time the change takes; 0 = at once
  long double sparkRate = 0;          // sparks shed per time by each star
  long double sparkLifetime = 0;      // how long a spark glows
  long double sparkSpeed = 0;         // a spark's speed away from its star
  uint8_t sparkBlue = 255;
  uint8_t sparkGreen = 255;
  uint8_t sparkRed = 255;
  int32_t seed = 0;  // the set's own random stream (OWNRANDOM lists); 0 = none given

  // Every field equal.
  friend bool operator==(const StarEffects& a, const StarEffects& b);
  friend bool operator!=(const StarEffects& a, const StarEffects& b) { return !(a == b); }
};

// The effects of a set that has none.
inline const StarEffects kNoStarEffects{};

}  // namespace kirabel

#pragma once
// The film look's tone curve and the picture's transfer function.
//
// The curve maps a pixel's brightest channel m through 1 - e^-m and keeps the
// proportions of the three channels, so a colour keeps its hue and saturation
// however bright it gets; only far above full light (the core of a dense
// burst) does it turn towards white, as film does. The proportions are those
// of the stars' colours as the user picked them on screen, so they are read
// as picture values: a star of full light shows exactly its own colour. The
// result is linear light in 0..1; Encode gives its picture value (sRGB).
#include <cstdint>

namespace kirabel {

// The brightest channel from which light starts to turn white, and the one
// from which it is white.
constexpr float kWhiteningStart = 4.0f;
constexpr float kWhiteningFull = 16.0f;

// rgb (linear light, >= 0) -> out (linear, 0..1).
void ToneMap(const float rgb[3], float out[3]);

// Linear 0..1 -> the picture's value 0..1 (sRGB), through a table.
float Encode(float linear);
// A picture value 0..1 -> linear light (sRGB), through a table.
float Decode(float encoded);
// A picture byte -> linear light (sRGB), exact per byte.
float DecodeByte(uint8_t value);

}  // namespace kirabel

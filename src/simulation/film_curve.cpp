#include "simulation/film_curve.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kirabel {

namespace {

double SrgbEncode(double v) {
  return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

double SrgbDecode(double v) {
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

constexpr int kEncodeSteps = 8192;

const std::array<float, kEncodeSteps + 2>& EncodeTable() {
  static const auto table = [] {
    std::array<float, kEncodeSteps + 2> t{};
    for (int i = 0; i <= kEncodeSteps; ++i)
      t[i] = static_cast<float>(SrgbEncode(double(i) / kEncodeSteps));
    t[kEncodeSteps + 1] = t[kEncodeSteps];
    return t;
  }();
  return table;
}

const std::array<float, kEncodeSteps + 2>& ProportionTable() {
  static const auto table = [] {
    std::array<float, kEncodeSteps + 2> t{};
    for (int i = 0; i <= kEncodeSteps; ++i)
      t[i] = static_cast<float>(SrgbDecode(double(i) / kEncodeSteps));
    t[kEncodeSteps + 1] = t[kEncodeSteps];
    return t;
  }();
  return table;
}

float Interpolated(const std::array<float, kEncodeSteps + 2>& table, float v) {
  const float at = std::clamp(v, 0.0f, 1.0f) * kEncodeSteps;
  const int i = static_cast<int>(at);
  const float f = at - static_cast<float>(i);
  return table[i] + (table[i + 1] - table[i]) * f;
}

const std::array<float, 256>& DecodeTable() {
  static const auto table = [] {
    std::array<float, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<float>(SrgbDecode(i / 255.0));
    return t;
  }();
  return table;
}

}  // namespace

void ToneMap(const float rgb[3], float out[3]) {
  const float m = std::max({rgb[0], rgb[1], rgb[2]});
  if (!(m > 0)) {
    out[0] = out[1] = out[2] = 0;
    return;
  }
  const float mapped = -std::expm1(-m);
  float white = std::clamp((m - kWhiteningStart) / (kWhiteningFull - kWhiteningStart), 0.0f, 1.0f);
  white *= white;
  for (int c = 0; c < 3; ++c) {
    const float kept = mapped * Decode(rgb[c] / m);
    out[c] = kept + (mapped - kept) * white;
  }
}

float Encode(float linear) {
  return Interpolated(EncodeTable(), linear);
}

float Decode(float encoded) {
  return Interpolated(ProportionTable(), encoded);
}

float DecodeByte(uint8_t value) {
  return DecodeTable()[value];
}

}  // namespace kirabel

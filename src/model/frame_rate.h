#pragma once
// The rate of an animation's frames as an exact fraction, so that the rates
// of video work (30000 frames in 1001 seconds) reach the encoder as they are.
#include <cstdint>
#include <optional>
#include <string>

namespace kirabel {

struct FrameRate {
  int64_t numerator = 30;   // frames
  int64_t denominator = 1;  // in so many seconds

  friend bool operator==(const FrameRate& a, const FrameRate& b) {
    return a.numerator == b.numerator && a.denominator == b.denominator;
  }
  friend bool operator!=(const FrameRate& a, const FrameRate& b) { return !(a == b); }
};

// A rate from 1 to 1000 frames per second, written as a whole number ("30"),
// a decimal ("12.5", at most six places) or a fraction N/D ("30000/1001",
// D up to 1000000); spaces around it are ignored. A decimal that rounds a
// video rate k * 1000/1001 (k = 24, 30, 48, 60, 120, 240) to two or more
// places means that rate: 23.976, 29.97 and 59.94 are 24000/1001, 30000/1001
// and 60000/1001. Nothing for anything else.
std::optional<FrameRate> ParseFrameRate(const std::string& text);

// The rate as a person writes it: "30", "12.5", "29.97" (a video rate to two
// places, three for 23.976), else "N/D". ParseFrameRate reads it back.
std::string FrameRateText(FrameRate rate);

// The rate as ffmpeg's -framerate takes it: "30", "30000/1001".
std::string FrameRateArgument(FrameRate rate);

}  // namespace kirabel

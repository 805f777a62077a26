#include "model/frame_rate.h"

#include <cctype>
#include <numeric>

namespace kirabel {

namespace {

constexpr int64_t kLargestDenominator = 1000000;
constexpr int kMostPlaces = 6;
constexpr int64_t kLowestRate = 1;
constexpr int64_t kHighestRate = 1000;
// The video rates k * 1000/1001 frames per second, by their k.
constexpr int64_t kVideoRateFrames[] = {24, 30, 48, 60, 120, 240};

int64_t PowerOfTen(int places) {
  int64_t power = 1;
  while (places-- > 0) power *= 10;
  return power;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Digits only, at most 12 of them (a value that cannot overflow).
std::optional<int64_t> WholeNumber(const std::string& digits) {
  if (digits.empty() || digits.size() > 12) return std::nullopt;
  int64_t value = 0;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The rate in lowest terms, when it lies within the limits.
std::optional<FrameRate> Rate(int64_t numerator, int64_t denominator) {
  if (denominator <= 0) return std::nullopt;
  const int64_t divisor = std::gcd(numerator, denominator);
  if (divisor == 0) return std::nullopt;
  const FrameRate rate{numerator / divisor, denominator / divisor};
  if (rate.denominator > kLargestDenominator || rate.numerator < kLowestRate * rate.denominator ||
      rate.numerator > kHighestRate * rate.denominator)
    return std::nullopt;
  return rate;
}

// k * 1000/1001 rounded to `places` places, times 10^places.
int64_t RoundedVideoRate(int64_t frames, int places) {
  const int64_t scaled = frames * 1000 * PowerOfTen(places);
  return (2 * scaled + 1001) / 2002;
}

// scaled / 10^places with all its places: 29970, 3 → "29.970".
std::string DecimalText(int64_t scaled, int places) {
  const int64_t power = PowerOfTen(places);
  std::string fraction = std::to_string(scaled % power);
  fraction.insert(0, static_cast<std::size_t>(places) - fraction.size(), '0');
  return std::to_string(scaled / power) + "." + fraction;
}

std::optional<FrameRate> DecimalRate(const std::string& whole, std::string fraction) {
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  const int places = static_cast<int>(fraction.size());
  const auto units = WholeNumber(whole.empty() ? "0" : whole);
  const auto parts = WholeNumber(fraction.empty() ? "0" : fraction);
  if (!units || !parts || places > kMostPlaces) return std::nullopt;
  const int64_t scaled = *units * PowerOfTen(places) + *parts;
  if (places >= 2) {
    for (int64_t frames : kVideoRateFrames) {
      if (RoundedVideoRate(frames, places) == scaled) return Rate(frames * 1000, 1001);
    }
  }
  return Rate(scaled, PowerOfTen(places));
}

}  // namespace

std::optional<FrameRate> ParseFrameRate(const std::string& text) {
  const std::string rate = Trimmed(text);
  const auto slash = rate.find('/');
  if (slash != std::string::npos) {
    const auto numerator = WholeNumber(rate.substr(0, slash));
    const auto denominator = WholeNumber(rate.substr(slash + 1));
    if (!numerator || !denominator) return std::nullopt;
    return Rate(*numerator, *denominator);
  }
  const auto point = rate.find('.');
  if (point == std::string::npos) {
    const auto whole = WholeNumber(rate);
    return whole ? Rate(*whole, 1) : std::nullopt;
  }
  if (rate.size() == 1) return std::nullopt;  // a point alone
  return DecimalRate(rate.substr(0, point), rate.substr(point + 1));
}

std::string FrameRateText(FrameRate rate) {
  if (rate.denominator == 1) return std::to_string(rate.numerator);
  for (int64_t frames : kVideoRateFrames) {
    if (rate == FrameRate{frames * 1000, 1001}) {
      const int places = frames == 24 ? 3 : 2;
      return DecimalText(RoundedVideoRate(frames, places), places);
    }
  }
  // A decimal only when it reads back as this rate (2997/100 is not 29.97).
  for (int places = 1; places <= kMostPlaces; ++places) {
    const int64_t power = PowerOfTen(places);
    if (power % rate.denominator != 0) continue;
    const std::string text = DecimalText(rate.numerator * (power / rate.denominator), places);
    if (ParseFrameRate(text) == rate) return text;
    break;
  }
  return FrameRateArgument(rate);
}

std::string FrameRateArgument(FrameRate rate) {
  if (rate.denominator == 1) return std::to_string(rate.numerator);
  return std::to_string(rate.numerator) + "/" + std::to_string(rate.denominator);
}

}  // namespace kirabel

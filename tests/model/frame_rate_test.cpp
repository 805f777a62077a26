// Frame rates as typed on the command line and in the export dialog: whole
// numbers, decimals, N/D, the video rates a decimal stands for, and nonsense.
#include "model/frame_rate.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

struct RateCase {
  const char* text;
  std::optional<FrameRate> rate;
};

TEST(FrameRate, ReadsWholeNumbersDecimalsAndFractions) {
  const RateCase cases[] = {
      {"30", FrameRate{30, 1}},
      {" 1 ", FrameRate{1, 1}},
      {"1000", FrameRate{1000, 1}},
      {"30.0", FrameRate{30, 1}},
      {"12.5", FrameRate{25, 2}},
      {"29.97", FrameRate{30000, 1001}},
      {"29.970", FrameRate{30000, 1001}},
      {"23.976", FrameRate{24000, 1001}},
      {"23.98", FrameRate{24000, 1001}},
      {"59.94", FrameRate{60000, 1001}},
      {"119.88", FrameRate{120000, 1001}},
      {"29.9", FrameRate{299, 10}},        // one place is not a video rate
      {"29.971", FrameRate{29971, 1000}},  // nor a rounding it does not give
      {"30000/1001", FrameRate{30000, 1001}},
      {"60/2", FrameRate{30, 1}},
      {"999.999999", FrameRate{999999999, 1000000}},
      {"0", std::nullopt},
      {"0.5", std::nullopt},
      {"-30", std::nullopt},
      {"+30", std::nullopt},
      {"1001", std::nullopt},
      {"1000.5", std::nullopt},
      {"30/0", std::nullopt},
      {"0/1", std::nullopt},
      {"1/2", std::nullopt},
      {"30000/1", std::nullopt},
      {"1/1/1", std::nullopt},
      {"1.0000001", std::nullopt},  // more than six places
      {"99999999999999999999", std::nullopt},
      {"1e2", std::nullopt},
      {"30fps", std::nullopt},
      {".", std::nullopt},
      {"", std::nullopt},
      {"nan", std::nullopt},
  };
  for (const RateCase& c : cases) EXPECT_EQ(ParseFrameRate(c.text), c.rate) << c.text;
}

TEST(FrameRate, TextReadsBackAsTheSameRate) {
  const std::pair<FrameRate, const char*> cases[] = {
      {{30, 1}, "30"},          {{25, 2}, "12.5"},
      {{30000, 1001}, "29.97"}, {{24000, 1001}, "23.976"},
      {{60000, 1001}, "59.94"}, {{2997, 100}, "2997/100"},
      {{7, 3}, "7/3"},          {{999999999, 1000000}, "999.999999"}};
  for (const auto& [rate, text] : cases) {
    EXPECT_EQ(FrameRateText(rate), text);
    EXPECT_EQ(ParseFrameRate(FrameRateText(rate)), rate) << text;
  }
  EXPECT_EQ(FrameRateArgument({30, 1}), "30");
  EXPECT_EQ(FrameRateArgument({30000, 1001}), "30000/1001");
}

}  // namespace
}  // namespace kirabel

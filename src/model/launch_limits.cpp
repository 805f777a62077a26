#include "model/launch_limits.h"

#include "controls/numeric_entry.h"

namespace kirabel {

NumericProperties LaunchSettingLimits(LaunchSetting setting) {
  NumericProperties limits;
  limits.maxDigits = 9;
  limits.zeroDisplay = true;
  limits.prmtNegative = setting == LaunchSetting::kGravity || setting == LaunchSetting::kStartTime;
  limits.fixDecimal = setting == LaunchSetting::kFrameCount ? 0 : -1;
  return limits;
}

TEnvironment WithinLaunchLimits(const TEnvironment& settings) {
  const auto held = [](long double value, LaunchSetting setting) {
    return ValueWithinLimits(value, LaunchSettingLimits(setting));
  };
  TEnvironment limited = settings;
  limited.G = held(settings.G, LaunchSetting::kGravity);
  limited.ST = held(settings.ST, LaunchSetting::kStartTime);
  limited.IT = held(settings.IT, LaunchSetting::kInterval);
  limited.NF = held(settings.NF, LaunchSetting::kFrameCount);
  return limited;
}

}  // namespace kirabel

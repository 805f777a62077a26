#include "model/launch_limits.h"

#include "numeric/numeric_entry.h"

namespace kirabel {

NumericProperties LaunchSettingLimits(LaunchSetting setting) {
  NumericProperties limits;
  limits.maxDigits = 9;
  limits.showZero = true;
  limits.allowNegative = setting == LaunchSetting::kGravity ||
                         setting == LaunchSetting::kStartTime || setting == LaunchSetting::kWind;
  limits.fixedDecimals = setting == LaunchSetting::kFrameCount ? 0 : -1;
  return limits;
}

LaunchSettings WithinLaunchLimits(const LaunchSettings& settings) {
  const auto held = [](long double value, LaunchSetting setting) {
    return ValueWithinLimits(value, LaunchSettingLimits(setting));
  };
  LaunchSettings limited = settings;
  limited.gravity = held(settings.gravity, LaunchSetting::kGravity);
  limited.startTime = held(settings.startTime, LaunchSetting::kStartTime);
  limited.frameInterval = held(settings.frameInterval, LaunchSetting::kInterval);
  limited.frameCount = held(settings.frameCount, LaunchSetting::kFrameCount);
  limited.wind = held(settings.wind, LaunchSetting::kWind);
  return limited;
}

}  // namespace kirabel

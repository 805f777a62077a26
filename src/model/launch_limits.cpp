#include "model/launch_limits.h"

namespace kirabel {

FieldLimits LaunchSettingLimits(LaunchSetting setting) {
  const LaunchSettings defaults;
  switch (setting) {
    case LaunchSetting::kGravity:
      return {9, true, -1, defaults.gravity};
    case LaunchSetting::kStartTime:
      return {9, true, -1, defaults.startTime};
    case LaunchSetting::kInterval:
      return {9, false, -1, defaults.frameInterval};
    case LaunchSetting::kFrameCount:
      return {9, false, 0, defaults.frameCount};
    case LaunchSetting::kWind:
      return {9, true, -1, defaults.wind};
  }
  return {};
}

LaunchSettings WithinLaunchLimits(const LaunchSettings& settings) {
  const auto held = [](long double value, LaunchSetting setting) {
    return HeldWithinLimits(value, LaunchSettingLimits(setting));
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

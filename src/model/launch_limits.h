#pragma once
// The limits of the launch settings: gravity, start time and wind any number
// within nine digits, the interval and the frame count not negative, the frame count
// a whole number (its field takes no decimals). The launch settings dialog
// builds its fields from these limits, and kirabel-render holds the settings
// of a file to them, so that both launch with the same values.
#include "model/launch_settings.h"
#include "numeric/numeric_properties.h"

namespace kirabel {

enum class LaunchSetting { kGravity, kStartTime, kInterval, kFrameCount, kWind };

// The numeric field properties that hold a setting to its limits.
NumericProperties LaunchSettingLimits(LaunchSetting setting);

// The settings with every number held to its limits (as entering it into
// its field and confirming does).
LaunchSettings WithinLaunchLimits(const LaunchSettings& settings);

}  // namespace kirabel

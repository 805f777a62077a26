#pragma once
// The limits of the launch settings: gravity, start time and wind any number
// within nine digits, the interval and the frame count not negative, the frame
// count a whole number (its field takes no decimals); each field starts with
// the setting's default. The launch settings dialog builds its fields from
// these limits, and kirabel-render holds the settings of a file to them, so
// that both launch with the same values.
#include "model/field_limits.h"
#include "model/launch_settings.h"

namespace kirabel {

enum class LaunchSetting { kGravity, kStartTime, kInterval, kFrameCount, kWind };

// The limits of the setting's field.
FieldLimits LaunchSettingLimits(LaunchSetting setting);

// The settings with every number held to its limits (as entering it into
// its field and confirming does).
LaunchSettings WithinLaunchLimits(const LaunchSettings& settings);

}  // namespace kirabel

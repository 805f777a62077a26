#pragma once
// Changes to a document's options and launch settings in one line, as the
// option commands and the launch settings dialog make them.
#include <functional>

#include "document/document.h"

namespace kirabel::testing {

inline void ChangeOptions(Document& document, const std::function<void(Options&)>& change) {
  Options options = document.options();
  change(options);
  document.setOptions(options);
}

inline void ChangeLaunchSettings(Document& document,
                                 const std::function<void(LaunchSettings&)>& change) {
  LaunchSettings settings = document.launchSettings();
  change(settings);
  document.changeLaunchSettings(settings, QStringLiteral("launch settings"));
}

}  // namespace kirabel::testing

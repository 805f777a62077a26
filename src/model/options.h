#pragma once
// The program's options: how the window shows the list, how frames are drawn,
// from which particle count a launch asks first, and the space resolution;
// and apart from them the options of the interface alone (the tool bar, the
// language). Both are kept in the settings file from one run to the next.
#include <cstdint>

namespace kirabel {

// The language of the desktop program's texts: the system's, or a fixed one.
enum class LanguageChoice : int32_t { kAutomatic = 0, kJapanese = 1, kEnglish = 2 };

struct Options {
  bool fitColumns = true;            // fit the grid's columns to the window width
  bool antiAliasing = false;         // spread each sample over four pixels
  bool wrapSpace = false;            // join the space's opposite edges
  int32_t warningThreshold = 10000;  // particle count from which a launch asks first
  bool preview = false;              // the viewer shows the next launch at any time
  int32_t resolutionWidth = 512;     // the space resolution [pixels]
  int32_t resolutionHeight = 512;
};

// How the interface looks, whatever list it shows.
struct InterfaceOptions {
  bool showToolBar = true;                               // show the tool bar
  bool showHandles = true;                               // handles over the preview
  LanguageChoice language = LanguageChoice::kAutomatic;  // takes effect at the next start
};

}  // namespace kirabel

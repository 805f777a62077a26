#pragma once
// Everything a document holds besides its options: the particle list, the
// one-set clipboard, the launch settings, the show, the look and the current
// file.
#include <string>

#include "model/launch_settings.h"
#include "model/list_editing.h"
#include "model/look.h"
#include "model/particle.h"
#include "model/show_settings.h"

namespace kirabel {

struct DocumentData {
  ParticleList sets;
  ParticleClipboard clipboard;
  LaunchSettings settings;
  ShowSettings show;     // the video rate, the soundtrack and the beat grid
  Look look;             // how the light becomes pictures
  std::string fileName;  // the PCL file last loaded or saved (UTF-8 full path), or empty
};

}  // namespace kirabel

#pragma once
// PCL files: one particle list together with the launch settings, in INI
// syntax (HEADER, ENV and one section "P%d" per set).
#include <cstdint>
#include <string>

#include "model/launch_settings.h"
#include "model/look.h"
#include "model/particle.h"
#include "model/show_settings.h"

namespace kirabel {

class IniFile;

// Largest set count a file may announce in HEADER nSET; a larger count is
// refused like a foreign file, so that a hostile header cannot exhaust memory.
constexpr int32_t kMaxPclSets = 100000;

// What a PCL file holds.
struct PclContents {
  ParticleList sets;        // child links count within the file; -1 for none
  LaunchSettings settings;  // the ENV section
  ShowSettings show;        // the SHOW section (its defaults when there is none)
  Look look;                // the LOOK section (its defaults when there is none)
  std::string path;         // the file's absolute path
};

// Reads a PCL file. A file refused (missing, unreadable, wrong ID, absurd
// nSET) raises PclReadError naming the path as given and the reason. A child
// link that names no set of the file becomes -1.
PclContents ReadPclFile(const std::string& path);

// Appends contents' sets to list, their child links shifted by the number of
// sets already there, so that they keep naming the same sets.
void AppendSets(ParticleList& list, ParticleList sets);

// Writes list, settings, show and look into the file, in place: every section
// and key it does not write (for instance the sets beyond the list of a longer
// older file) stays; a show or a look that keeps every default adds no SHOW or
// LOOK section.
// The file is replaced atomically; on failure it is left exactly as it was
// and WriteError names it.
void SaveListToFile(const std::string& path, const ParticleList& list,
                    const LaunchSettings& settings, const ShowSettings& show = ShowSettings(),
                    const Look& look = Look());

// Writes list, settings, show and look into the INI text (HEADER, ENV, the
// sets, SHOW, LOOK) without saving it.
void WriteListToIni(IniFile& ini, const ParticleList& list, const LaunchSettings& settings,
                    const ShowSettings& show = ShowSettings(), const Look& look = Look());

}  // namespace kirabel

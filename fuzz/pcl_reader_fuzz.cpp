// Feeds arbitrary bytes to the PCL reader. Whatever a file holds, reading
// must not crash, hang or leak; a file it accepts must survive a save and a
// second load with the same set count, integers and 15-digit reals, and every
// child index must name a set or be -1.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "model/particle_fields.h"
#include "model/pcl_file.h"
#include "platform/errors.h"
#include "platform/ini_values.h"

namespace {

const std::string& Folder() {
  static const std::string folder = [] {
    char name[] = "/tmp/kirabel-fuzz-XXXXXX";
    return std::string(mkdtemp(name) ? name : "/tmp");
  }();
  return folder;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) abort();
  std::fclose(file);
}

std::string Digits15(long double value) {
  return kirabel::FormatIniReal(value);
}

// Every field equal, reals as their 15-digit file form.
void CheckSame(const kirabel::ParticleSet& a, const kirabel::ParticleSet& b) {
  bool same = true;
  kirabel::ForEachParticleField([&](const auto& field) {
    if constexpr (std::is_same_v<std::decay_t<decltype(a.*field.member)>, long double>) {
      same = same && Digits15(a.*field.member) == Digits15(b.*field.member);
    } else {
      same = same && a.*field.member == b.*field.member;
    }
  });
  if (!same) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1 << 20)) return 0;
  const std::string input = Folder() + "/in.pcl";
  const std::string output = Folder() + "/out.pcl";
  WriteFile(input, data, size);
  kirabel::PclContents read;
  try {
    read = kirabel::ReadPclFile(input);
  } catch (const kirabel::PclReadError&) {
    return 0;
  }
  const kirabel::ParticleList& list = read.sets;
  const kirabel::LaunchSettings& settings = read.settings;
  for (const auto& set : list) {
    if (set.child < -1 || set.child >= static_cast<int32_t>(list.size())) abort();
  }
  if (list.size() > 2000) return 0;  // keep every input fast; large counts are read above
  unlink(output.c_str());
  kirabel::SaveListToFile(output, list, settings);
  // A file written back must read again; a refusal escapes and aborts.
  const kirabel::PclContents back = kirabel::ReadPclFile(output);
  const kirabel::ParticleList& again = back.sets;
  const kirabel::LaunchSettings& settingsAgain = back.settings;
  if (again.size() != list.size()) abort();
  for (size_t i = 0; i < list.size(); ++i) CheckSame(list[i], again[i]);
  if (Digits15(settings.gravity) != Digits15(settingsAgain.gravity) ||
      settings.autosave != settingsAgain.autosave)
    abort();
  return 0;
}

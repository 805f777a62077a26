#pragma once
// kirabel-render's look options: --look, --exposure, --glow and --background
// stand in for the values of the list's own look.
#include <QString>
#include <optional>
#include <string>

#include "model/look.h"

namespace kirabel::cli {

struct LookOverrides {
  std::optional<Look::Light> light;       // --look classic|film
  std::optional<double> exposure;         // --exposure STOPS
  std::optional<double> glow;             // --glow STRENGTH
  std::optional<std::string> background;  // --background FILE|COLOUR[,COLOUR]

  bool Any() const { return light || exposure || glow || background; }
};

// "classic" or "film", any letter case.
std::optional<Look::Light> LookLightNamed(const QString& word);

// The list's look with the overrides applied. An exposure, glow or background
// given without --look turns the film light on, as only the film look has
// them. The background is a photo when a file of that name exists, else one
// colour (#RRGGBB or a colour name) or two separated by a comma (the sky's top
// and bottom). Returns the error message for a background that is neither.
std::optional<QString> ApplyLookOverrides(const LookOverrides& overrides, Look& look);

}  // namespace kirabel::cli

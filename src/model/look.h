#pragma once
// The look of a list's pictures: how the light of the trails becomes a
// picture. The classic look is the saturating picture every list had so far;
// the film look adds the light up unclipped, maps it through an exposure and a
// tone curve, lets bright light glow, draws stars as soft discs and puts the
// fireworks over a sky. The look travels in the LOOK section of a PCL file,
// which a list that keeps every default never gets.
#include <cstdint>
#include <optional>
#include <string>

namespace kirabel {

class IniFile;

struct SkyColour {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const SkyColour& o) const {
    return red == o.red && green == o.green && blue == o.blue;
  }
  bool operator!=(const SkyColour& o) const { return !(*this == o); }
};

// "#RRGGBB", as the file keeps a sky colour.
std::string SkyColourText(const SkyColour& colour);
// The colour of "#RRGGBB" (hex digits of either case), or nothing.
std::optional<SkyColour> ParseSkyColour(const std::string& text);

struct Look {
  enum class Light { kClassic, kFilm };

  Light light = Light::kClassic;
  double exposure = 0;    // stops: the film light is multiplied by 2^exposure
  double glow = 0;        // strength of the light bled around bright light; 0: none
  double glowRadius = 2;  // the glow's reach in percent of the picture's height
  double starSize = 0;    // the radius of a star's head in pixels; 0: a point
  SkyColour skyTop;       // the sky's colour at the top of the picture
  SkyColour skyBottom;    // and at its bottom (a vertical gradient between them)
  std::string skyPhoto;   // a photo behind the fireworks (absolute path, UTF-8), or empty
  double skyGlow = 0;     // how strongly the frame's own light lights the sky; 0: not at all

  bool Film() const { return light == Light::kFilm; }

  // Writes the values that differ from their defaults and takes out the
  // others (a default look leaves no LOOK section). The photo is written
  // relative to listFolder when it lies below it, else absolute.
  void SaveToIni(IniFile& ini, const std::string& listFolder) const;
  // A missing or malformed value takes its default; values are held within
  // their limits; a relative photo counts from listFolder.
  void LoadFromIni(const IniFile& ini, const std::string& listFolder);

  bool operator==(const Look& o) const {
    return light == o.light && exposure == o.exposure && glow == o.glow &&
           glowRadius == o.glowRadius && starSize == o.starSize && skyTop == o.skyTop &&
           skyBottom == o.skyBottom && skyPhoto == o.skyPhoto && skyGlow == o.skyGlow;
  }
  bool operator!=(const Look& o) const { return !(*this == o); }
};

}  // namespace kirabel

#include "cli/look_options.h"

#include <QColor>
#include <QCoreApplication>
#include <QStringList>
#include <filesystem>

namespace kirabel::cli {

namespace {

std::optional<SkyColour> ColourNamed(const QString& text) {
  const QColor colour = QColor::fromString(text.trimmed());
  if (!colour.isValid()) return std::nullopt;
  return SkyColour{static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                   static_cast<uint8_t>(colour.blue())};
}

// A photo file, else one or two colours; false for neither.
bool ApplyBackground(const std::string& background, Look& look) {
  std::error_code error;
  if (std::filesystem::is_regular_file(background, error)) {
    look.skyPhoto = std::filesystem::absolute(background, error).lexically_normal().string();
    return true;
  }
  const QStringList parts = QString::fromLocal8Bit(background.c_str()).split(QLatin1Char(','));
  if (parts.size() > 2) return false;
  const auto top = ColourNamed(parts.front());
  const auto bottom = ColourNamed(parts.back());
  if (!top || !bottom) return false;
  look.skyPhoto.clear();
  look.skyTop = *top;
  look.skyBottom = *bottom;
  return true;
}

}  // namespace

std::optional<Look::Light> LookLightNamed(const QString& word) {
  const QString lower = word.trimmed().toLower();
  if (lower == QLatin1String("classic")) return Look::Light::kClassic;
  if (lower == QLatin1String("film")) return Look::Light::kFilm;
  return std::nullopt;
}

std::optional<QString> ApplyLookOverrides(const LookOverrides& overrides, Look& look) {
  if (overrides.light) {
    look.light = *overrides.light;
  } else if (overrides.Any()) {
    look.light = Look::Light::kFilm;
  }
  if (overrides.exposure) look.exposure = *overrides.exposure;
  if (overrides.glow) look.glow = *overrides.glow;
  if (overrides.background && !ApplyBackground(*overrides.background, look)) {
    return QCoreApplication::translate(
               "kirabel::cli",
               "--background: neither a picture file nor a colour such as #102040: %1")
        .arg(QString::fromLocal8Bit(overrides.background->c_str()));
  }
  return std::nullopt;
}

}  // namespace kirabel::cli

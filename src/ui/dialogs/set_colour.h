#pragma once
// A set's colours (its own, its stars' second colour, its sparks') as the
// properties dialog's swatches show them, through the picture's colour value
// so that every channel comes back exactly.
#include <QColor>
#include <cstdint>

namespace kirabel {

QColor ColourOf(uint8_t red, uint8_t green, uint8_t blue);
void StoreColour(const QColor& colour, uint8_t& red, uint8_t& green, uint8_t& blue);

}  // namespace kirabel

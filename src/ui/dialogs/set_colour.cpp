#include "ui/dialogs/set_colour.h"

#include "image/picture.h"

namespace kirabel {

QColor ColourOf(uint8_t red, uint8_t green, uint8_t blue) {
  const uint8_t pixel[3] = {blue, green, red};
  const uint32_t c = Picture::PixelToColor(pixel);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void StoreColour(const QColor& colour, uint8_t& red, uint8_t& green, uint8_t& blue) {
  const uint32_t c = static_cast<uint32_t>(colour.red()) |
                     (static_cast<uint32_t>(colour.green()) << 8) |
                     (static_cast<uint32_t>(colour.blue()) << 16);
  uint8_t pixel[3];
  Picture::ColorToPixel(c, pixel);
  blue = pixel[0];
  green = pixel[1];
  red = pixel[2];
}

}  // namespace kirabel

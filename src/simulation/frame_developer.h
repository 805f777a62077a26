#pragma once
// Developing a frame: turning the light a frame gathered in its space buffer
// into what the viewer and the files show, under the list's look.
//
// The classic look is the space's values / 256, exactly as the saturating
// picture always was. The film look reads the space's unsaturated values as
// linear light (one full-white trail sample, 128 x 255, is 1.0), multiplies
// them by 2^exposure, adds the glow (a blurred copy of the light), maps them
// through a tone curve that keeps each pixel's hue (only the brightest cores
// go towards white), puts them over the sky in linear light and dithers them
// to 8 bits. Everything is computed from the space alone, so a frame develops
// to the same bytes wherever and on however many threads it is drawn.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "model/look.h"

namespace kirabel {

class Picture;
class SkyBackdrop;
class SpaceBuffer;
struct LightImage;

class FrameDeveloper {
 public:
  // photo: the decoded sky photo (null: none), scaled to cover the picture
  // and centred.
  explicit FrameDeveloper(const Look& look, std::shared_ptr<const Picture> photo = nullptr);
  ~FrameDeveloper();

  const Look& GetLook() const { return look_; }
  bool Classic() const { return !look_.Film(); }

  // The picture of the frame, of the space's size. Classic: each value held
  // at 65535, / 256 (CopySpaceToPicture's bytes); film: over the sky, dithered.
  void DevelopPicture(const SpaceBuffer& space, Picture& picture) const;
  // The same with 16 bits a channel: red, green, blue per pixel, top row
  // first. Classic: the values themselves (held at 65535); film: the curve's
  // values at 16 bits, not dithered.
  void Develop16(const SpaceBuffer& space, std::vector<uint16_t>& rgb) const;
  // The fireworks without the sky, as straight colour and coverage for
  // compositing: red, green, blue, alpha per pixel, alpha the largest of the
  // three channels of the picture, so that the colour times alpha (over black)
  // gives the opaque picture back. 8 or 16 bits a channel.
  void DevelopWithAlpha(const SpaceBuffer& space, std::vector<uint8_t>& rgba) const;
  void DevelopWithAlpha(const SpaceBuffer& space, std::vector<uint16_t>& rgba) const;
  // The linear light before the tone curve, without the sky: red, green, blue,
  // alpha floats per pixel, premultiplied, alpha = min(1, largest channel).
  // Classic: value / 65535; film: value / 32640 x 2^exposure plus the glow.
  void LinearLight(const SpaceBuffer& space, std::vector<float>& rgba) const;

 private:
  // The film light of the frame: exposure and glow applied.
  LightImage FilmLight(const SpaceBuffer& space) const;
  // The sky for a picture of that size (made once per size), or null for a
  // black sky without a photo.
  std::shared_ptr<const SkyBackdrop> Sky(int32_t width, int32_t height) const;
  // The film picture: each pixel's red, green, blue in 0..1 (the picture's
  // values) handed to put(x, y, rgb, lit) with lit false for a pixel the sky
  // alone shows; withSky false leaves the sky out.
  template <class Put>
  void Compose(const SpaceBuffer& space, bool withSky, const Put& put) const;

  Look look_;
  std::shared_ptr<const Picture> photo_;
  mutable std::mutex skyMutex_;
  mutable std::shared_ptr<const SkyBackdrop> sky_;
};

}  // namespace kirabel

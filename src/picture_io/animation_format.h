#pragma once
// The animation formats ffmpeg writes, and how it is told to encode each of
// them: the video codec, its quality, chroma sampling and colour conversion,
// transparency and sound.
#include <QStringList>
#include <optional>
#include <string>

namespace kirabel {

enum class AnimationFormat { kGif, kApng, kWebm, kMp4, kMov };
constexpr AnimationFormat kAnimationFormats[] = {AnimationFormat::kGif, AnimationFormat::kApng,
                                                 AnimationFormat::kWebm, AnimationFormat::kMp4,
                                                 AnimationFormat::kMov};

// The format a name's extension asks for (".gif", ".apng", ".webm", ".mp4",
// ".mov", any letter case); nothing for any other name.
std::optional<AnimationFormat> AnimationFormatForName(const std::string& name);
// The format a word names ("gif", "apng", "webm", "mp4", "mov", any case).
std::optional<AnimationFormat> AnimationFormatNamed(const std::string& word);
// The extension of a format, with its dot.
const char* AnimationExtension(AnimationFormat format);
// Whether the format carries sound (WebM, MP4 and MOV do, GIF and APNG do not).
bool AnimationHoldsSound(AnimationFormat format);
// Whether the format can keep transparency (APNG, WebM and MOV).
bool AnimationHoldsAlpha(AnimationFormat format);
// Whether the format takes a quality and a chroma sampling (WebM and MP4).
bool AnimationTakesQuality(AnimationFormat format);

// How the colour's detail is kept: 4:2:0 (one colour for each 2x2 pixels,
// what every player plays) or 4:4:4 (every pixel its own colour, 10 bits).
enum class ChromaSampling { k420, k444 };

// How the video is encoded.
struct VideoOptions {
  bool alpha = false;          // straight colour and coverage instead of the sky
  std::optional<int> quality;  // 0 (smallest) to 100 (best); none: the format's usual
  ChromaSampling chroma = ChromaSampling::k420;
};

// The quality's constant rate factor for WebM (VP9, 0..63) or MP4 (H.264,
// 0..51): 100 is the best, 0 the smallest; without a quality the format's
// usual one (30 for WebM, 23 for MP4).
int ConstantRateFactor(AnimationFormat format, const std::optional<int>& quality);

// ffmpeg's pixel format of the raw frames fed in: "rgba" with alpha, else
// "bgr24" (the picture's bytes).
QString RawPixelFormat(const VideoOptions& video);
// What ffmpeg makes of the raw frames for the format.
QStringList EncoderArguments(AnimationFormat format, const VideoOptions& video);
// How ffmpeg encodes the sound of a format that holds it.
QStringList SoundEncoderArguments(AnimationFormat format);

}  // namespace kirabel

#include "picture_io/animation_format.h"

#include <algorithm>
#include <cmath>

namespace kirabel {

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return text;
}

// RGB becomes BT.709 YUV in the video range, computed exactly and with the
// colour of every pixel before it is subsampled, and the file says so: a
// player that reads the tags shows the colours as drawn.
const QStringList kColourTags{"-colorspace", "bt709",        "-color_primaries", "bt709",
                              "-color_trc",  "iec61966-2-1", "-color_range",     "tv"};

QString ColourConversion(const QString& pixelFormat, const QString& before = {}) {
  return before +
         QStringLiteral(
             "scale=out_color_matrix=bt709:out_range=tv:flags=accurate_rnd+"
             "full_chroma_int,format=") +
         pixelFormat;
}

QString YuvFormat(const VideoOptions& video) {
  if (video.chroma == ChromaSampling::k444) return QStringLiteral("yuv444p10le");
  return QStringLiteral("yuv420p");
}

QStringList Mp4Arguments(const VideoOptions& video) {
  const QString pixelFormat = YuvFormat(video);
  // H.264 wants even sizes: pad by a black line.
  QStringList arguments{
      "-vf",      ColourConversion(pixelFormat, QStringLiteral("pad=ceil(iw/2)*2:ceil(ih/2)*2,")),
      "-c:v",     "libx264",
      "-crf",     QString::number(ConstantRateFactor(AnimationFormat::kMp4, video.quality)),
      "-pix_fmt", pixelFormat};
  return arguments << kColourTags << QStringList{"-f", "mp4"};
}

// VP9 keeps the alpha at 4:2:0 beside the colour; its alternate reference
// frames would lose it.
QStringList WebmArguments(const VideoOptions& video) {
  const QString pixelFormat = video.alpha ? QStringLiteral("yuva420p") : YuvFormat(video);
  QStringList arguments{"-vf",      ColourConversion(pixelFormat), "-c:v", "libvpx-vp9", "-pix_fmt",
                        pixelFormat};
  if (video.alpha)
    arguments << "-auto-alt-ref"
              << "0";
  arguments << "-b:v"
            << "0"
            << "-crf" << QString::number(ConstantRateFactor(AnimationFormat::kWebm, video.quality));
  return arguments << kColourTags << QStringList{"-f", "webm"};
}

QStringList MovArguments(const VideoOptions& video) {
  const QString pixelFormat =
      video.alpha ? QStringLiteral("yuva444p10le") : QStringLiteral("yuv444p10le");
  QStringList arguments{"-vf",        ColourConversion(pixelFormat),
                        "-c:v",       "prores_ks",
                        "-profile:v", "4444",
                        "-pix_fmt",   pixelFormat};
  return arguments << kColourTags << QStringList{"-f", "mov"};
}

}  // namespace

std::optional<AnimationFormat> AnimationFormatForName(const std::string& name) {
  const std::string lower = Lower(name);
  for (AnimationFormat format : kAnimationFormats) {
    const std::string extension = AnimationExtension(format);
    if (lower.size() > extension.size() &&
        lower.compare(lower.size() - extension.size(), extension.size(), extension) == 0)
      return format;
  }
  return std::nullopt;
}

std::optional<AnimationFormat> AnimationFormatNamed(const std::string& word) {
  const std::string lower = Lower(word);
  for (AnimationFormat format : kAnimationFormats) {
    if (lower == AnimationExtension(format) + 1) return format;
  }
  return std::nullopt;
}

const char* AnimationExtension(AnimationFormat format) {
  switch (format) {
    case AnimationFormat::kGif:
      return ".gif";
    case AnimationFormat::kApng:
      return ".apng";
    case AnimationFormat::kWebm:
      return ".webm";
    case AnimationFormat::kMp4:
      return ".mp4";
    case AnimationFormat::kMov:
      return ".mov";
  }
  return "";
}

bool AnimationHoldsSound(AnimationFormat format) {
  return format == AnimationFormat::kWebm || format == AnimationFormat::kMp4 ||
         format == AnimationFormat::kMov;
}

bool AnimationHoldsAlpha(AnimationFormat format) {
  return format == AnimationFormat::kApng || format == AnimationFormat::kWebm ||
         format == AnimationFormat::kMov;
}

bool AnimationTakesQuality(AnimationFormat format) {
  return format == AnimationFormat::kWebm || format == AnimationFormat::kMp4;
}

int ConstantRateFactor(AnimationFormat format, const std::optional<int>& quality) {
  const int worst = format == AnimationFormat::kWebm ? 63 : 51;
  if (!quality) return format == AnimationFormat::kWebm ? 30 : 23;
  const int held = std::clamp(*quality, 0, 100);
  return static_cast<int>(std::lround(worst * (100 - held) / 100.0));
}

QString RawPixelFormat(const VideoOptions& video) {
  return video.alpha ? QStringLiteral("rgba") : QStringLiteral("bgr24");
}

QStringList EncoderArguments(AnimationFormat format, const VideoOptions& video) {
  switch (format) {
    case AnimationFormat::kGif:  // one palette for the whole animation, looping
      return {"-filter_complex",
              "[0:v]split[a][b];[a]palettegen[p];[b][p]paletteuse",
              "-loop",
              "0",
              "-f",
              "gif"};
    case AnimationFormat::kApng:
      if (video.alpha) return {"-pix_fmt", "rgba", "-plays", "0", "-f", "apng"};
      return {"-plays", "0", "-f", "apng"};
    case AnimationFormat::kWebm:
      return WebmArguments(video);
    case AnimationFormat::kMp4:
      return Mp4Arguments(video);
    case AnimationFormat::kMov:
      return MovArguments(video);
  }
  return {};
}

QStringList SoundEncoderArguments(AnimationFormat format) {
  if (format == AnimationFormat::kWebm) return {"-c:a", "libopus", "-b:a", "128k"};
  if (format == AnimationFormat::kMov) return {"-c:a", "pcm_s16le"};
  return {"-c:a", "aac", "-b:a", "192k"};
}

}  // namespace kirabel

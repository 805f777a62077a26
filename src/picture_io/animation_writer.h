#pragma once
// An animation in one file (GIF, APNG, WebM, MP4) from the frames of a launch,
// encoded by the ffmpeg program, fed raw pictures over a pipe. The file is
// made beside its name and put in place only when complete, through the same
// safe save path as every other file: a failure or an abandoned animation
// leaves no partial file and any older file as it was.
#include <QProcess>
#include <optional>
#include <string>

namespace kirabel {

class Picture;

enum class AnimationFormat { kGif, kApng, kWebm, kMp4 };

// The format a name's extension asks for (".gif", ".apng", ".webm", ".mp4",
// any letter case); nothing for any other name.
std::optional<AnimationFormat> AnimationFormatForName(const std::string& name);
// The extension of a format, with its dot.
const char* AnimationExtension(AnimationFormat format);

class AnimationWriter {
 public:
  // Starts the encoder. Raises KirabelError when ffmpeg cannot be started.
  AnimationWriter(std::string path, AnimationFormat format, int width, int height, int fps);
  // An animation not finished is abandoned: the encoder stops, nothing stays.
  ~AnimationWriter();
  AnimationWriter(const AnimationWriter&) = delete;
  AnimationWriter& operator=(const AnimationWriter&) = delete;

  // Adds the next frame (of the size given at the start).
  void Add(const Picture& picture);
  // Ends the animation and puts the file in place. Raises KirabelError (the
  // encoder failed) or WriteError (the file cannot be written).
  void Finish();

 private:
  void Abandon();

  std::string path_;
  std::string temporary_;
  QProcess encoder_;
  int width_, height_;
  bool finished_ = false;
};

}  // namespace kirabel

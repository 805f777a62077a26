#pragma once
// An animation in one file (GIF, APNG, WebM, MP4, MOV) from the frames of a launch,
// encoded by the ffmpeg program, fed raw pictures over a pipe. The file is
// made beside its name and put in place only when complete, through the same
// safe save path as every other file: a failure or an abandoned animation
// leaves no partial file and any older file as it was.
#include <QProcess>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/frame_rate.h"
#include "picture_io/animation_format.h"
#include "picture_io/soundtrack.h"
#include "platform/errors.h"
#include "platform/replacing_file.h"

namespace kirabel {

class Picture;

// The encoder could not do its work. what() says so in English; the kind, its
// subject (the extension of the format, the animation's file, or the size
// "WxH" of a space without pixels) and the encoder's own last words, if any,
// let a caller say it in the user's language.
class EncoderError : public KirabelError {
 public:
  enum class Kind { kNotStarted, kStopped, kFailed, kEmptyPicture };
  EncoderError(Kind kind, const std::string& subject, const std::string& reason = {});
  Kind kind() const { return kind_; }
  const std::string& subject() const { return subject_; }
  const std::string& reason() const { return reason_; }

 private:
  Kind kind_;
  std::string subject_;
  std::string reason_;
};

// The last line of an encoder's error output that says something, on one
// line without the "[component @ 0x...]" tag; empty when there is none.
std::string EncoderReason(const std::string& errorOutput);

class AnimationWriter {
 public:
  // Refuses a picture without pixels (EncoderError) and makes sure the file
  // can be written (WriteError or FileIOError), both before any encoder runs,
  // then checks the soundtrack (SoundtrackError), if the format holds sound,
  // and starts the encoder. Raises EncoderError when ffmpeg cannot be started.
  // video.alpha asks for frames with transparency (AddWithAlpha).
  AnimationWriter(std::string path, AnimationFormat format, int width, int height, FrameRate rate,
                  const std::optional<PlacedSoundtrack>& soundtrack = std::nullopt,
                  const VideoOptions& video = {});
  // An animation not finished is abandoned: the encoder stops, nothing stays.
  ~AnimationWriter();
  AnimationWriter(const AnimationWriter&) = delete;
  AnimationWriter& operator=(const AnimationWriter&) = delete;

  // Adds the next frame (of the size given at the start).
  void Add(const Picture& picture);
  // Adds the next frame as straight red, green, blue, alpha bytes (4 a pixel,
  // top row first), for an animation with alpha.
  void AddWithAlpha(const std::vector<uint8_t>& rgba);
  bool WithAlpha() const { return alpha_; }
  // Ends the animation and puts the file in place. Raises EncoderError (the
  // encoder failed) or WriteError (the file cannot be written). While the
  // encoder finishes, keepGoing is asked now and then; when it says false the
  // animation is abandoned, leaving nothing, and Finish returns false.
  bool Finish(const std::function<bool()>& keepGoing = {});

 private:
  void Abandon();
  // Waits for the encoder to end and keeps the end of what it said.
  void WaitForEncoder();
  void KeepErrorOutput();
  void Feed(const char* data, std::size_t size);

  bool EncoderEnded(const std::function<bool()>& keepGoing);
  bool CopyEncoded(const std::function<bool()>& keepGoing);

  std::string path_;
  ReplacingFile file_;     // the animation's place, taken before encoding
  std::string temporary_;  // what the encoder writes
  QProcess encoder_;
  std::string errorOutput_;  // the end of the encoder's error output
  int width_, height_;
  bool alpha_;
  bool finished_ = false;
};

}  // namespace kirabel

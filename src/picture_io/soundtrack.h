#pragma once
// The sound of an animation: an audio file played from a video time on,
// muxed by ffmpeg into the MP4 and WebM animations (GIF and APNG hold no
// sound).
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <string>

#include "model/frame_rate.h"
#include "picture_io/watched_process.h"
#include "platform/errors.h"

namespace kirabel {

struct Soundtrack {
  std::string path;
  // The video time in seconds at which its first sample plays; a negative
  // offset skips that much of its beginning.
  long double offset = 0;
};

// A soundtrack that cannot be had: the file does not exist, or holds no sound
// ffmpeg can decode (the decoder's last words are the reason).
class SoundtrackError : public KirabelError {
 public:
  enum class Kind { kMissing, kUndecodable };
  SoundtrackError(Kind kind, const std::string& fileName, const std::string& reason = {});
  Kind kind() const { return kind_; }
  const std::string& fileName() const { return fileName_; }
  const std::string& reason() const { return reason_; }

 private:
  Kind kind_;
  std::string fileName_;
  std::string reason_;
};

// ffmpeg's input argument for the soundtrack's file.
QString SoundtrackInput(const std::string& path);
// Why the decoder failed on the soundtrack: its last words, with the path as
// the user gave it; nothing more when the file holds no audio stream at all
// (SoundtrackError's message says so).
std::string SoundtrackDecoderReason(const std::string& errorOutput, const std::string& path);

// How long ffmpeg or ffprobe may look at a soundtrack without an answer
// before it is stopped: 30 seconds unless set otherwise (tests shorten it).
std::chrono::milliseconds SoundtrackTimeLimit();
void SetSoundtrackTimeLimit(std::chrono::milliseconds limit);
// The reason given when they took too long.
std::string SoundtrackNoAnswer();

// Decodes the beginning of the soundtrack's first audio stream; raises
// SoundtrackError when it cannot be had, ffmpeg takes longer than the time
// limit or the caller stops waiting. Without ffmpeg it says nothing: the
// encoder's start tells.
void CheckSoundtrack(const std::string& path, const KeepWaiting& keepWaiting = {});

// The soundtrack's length in seconds, after CheckSoundtrack's checks; raises
// SoundtrackError when ffprobe cannot tell it within the time limit.
long double SoundtrackSeconds(const std::string& path, const KeepWaiting& keepWaiting = {});

// The frame count of a launch whose video lasts until the soundtrack's last
// sample has played (it starts at offset and lasts seconds), at least 1.
int64_t FramesCoveringSoundtrack(long double offset, long double seconds, FrameRate rate);

// The sample rate of every soundtrack in an animation (the one Opus knows).
constexpr int64_t kSoundtrackSampleRate = 48000;

// A soundtrack placed in an animation: its first sample at startSample of the
// animation (negative: that many of its samples are skipped), the
// animation's sound lengthSamples long, as long as its pictures.
struct PlacedSoundtrack {
  std::string path;
  int64_t startSample = 0;
  int64_t lengthSamples = 1;
};
// The soundtrack in an animation of the frames first..last (numbered as the
// launch's, frame 1 at video time 0) at the rate given.
PlacedSoundtrack PlaceSoundtrack(const Soundtrack& soundtrack, int64_t firstFrame,
                                 int64_t lastFrame, FrameRate rate);

// ffmpeg's arguments that take the soundtrack as its second input, place it
// and map it beside the pictures of the first input.
QStringList SoundtrackArguments(const PlacedSoundtrack& soundtrack);

}  // namespace kirabel

#include "picture_io/soundtrack.h"

#include <QProcess>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>

#include "picture_io/animation_writer.h"  // EncoderReason
#include "platform/c_numbers.h"
#include "simulation/video_clock.h"

namespace kirabel {

namespace {

std::string SoundtrackErrorText(SoundtrackError::Kind kind, const std::string& fileName,
                                const std::string& reason) {
  if (kind == SoundtrackError::Kind::kMissing)
    return "the soundtrack " + fileName + " does not exist";
  const std::string text = "the soundtrack " + fileName + " holds no sound that can be decoded";
  return reason.empty() ? text : text + ": " + reason;
}

// Seconds of the soundtrack decoded to tell that it holds sound.
constexpr char kCheckedSeconds[] = "0.1";

// How long ffmpeg or ffprobe may look at a soundtrack (a file that never ends,
// such as a pipe, would keep them forever).
std::atomic<std::chrono::milliseconds::rep> lookingMilliseconds{30000};

// Waits for the process within the time limit; one that takes longer, or
// whose answer is no longer wanted, is stopped with the reason.
void AwaitLooking(QProcess& process, const std::string& path, const KeepWaiting& keepWaiting) {
  if (WaitForProcess(process, SoundtrackTimeLimit(), keepWaiting) != ProcessEnd::kFinished)
    throw SoundtrackError(SoundtrackError::Kind::kUndecodable, path, SoundtrackNoAnswer());
}

// Samples in a time given as a fraction of seconds, within what a soundtrack
// can hold.
int64_t Samples(long double seconds) {
  constexpr long double kMostSamples = 1e15L;
  if (std::isnan(seconds)) return 0;
  return std::llround(std::clamp(seconds * kSoundtrackSampleRate, -kMostSamples, kMostSamples));
}

}  // namespace

// ffmpeg reads a name such as "rtp:x.wav" as an address: the soundtrack is
// always a file.
QString SoundtrackInput(const std::string& path) {
  return QStringLiteral("file:") + QString::fromLocal8Bit(path.c_str());
}

std::string SoundtrackDecoderReason(const std::string& errorOutput, const std::string& path) {
  if (errorOutput.find("matches no streams") != std::string::npos) return std::string();
  std::string reason = EncoderReason(errorOutput);
  const std::string input = SoundtrackInput(path).toLocal8Bit().toStdString();
  if (reason.compare(0, input.size(), input) == 0) reason.replace(0, input.size(), path);
  return reason;
}

SoundtrackError::SoundtrackError(Kind kind, const std::string& fileName, const std::string& reason)
    : KirabelError(SoundtrackErrorText(kind, fileName, reason)),
      kind_(kind),
      fileName_(fileName),
      reason_(reason) {}

std::chrono::milliseconds SoundtrackTimeLimit() {
  return std::chrono::milliseconds(lookingMilliseconds.load());
}

void SetSoundtrackTimeLimit(std::chrono::milliseconds limit) {
  lookingMilliseconds = limit.count();
}

std::string SoundtrackNoAnswer() {
  return "no answer within " + std::to_string(SoundtrackTimeLimit().count() / 1000) + " seconds";
}

void CheckSoundtrack(const std::string& path, const KeepWaiting& keepWaiting) {
  std::error_code error;
  if (!std::filesystem::exists(path, error))
    throw SoundtrackError(SoundtrackError::Kind::kMissing, path);
  QProcess decoder;
  decoder.setStandardOutputFile(QProcess::nullDevice());
  decoder.start(QStringLiteral("ffmpeg"),
                {"-nostdin", "-hide_banner", "-loglevel", "error", "-i", SoundtrackInput(path),
                 "-map", "0:a:0", "-t", kCheckedSeconds, "-f", "null", "-"});
  if (!decoder.waitForStarted()) return;
  AwaitLooking(decoder, path, keepWaiting);
  if (decoder.exitStatus() != QProcess::NormalExit || decoder.exitCode() != 0) {
    const std::string reason =
        SoundtrackDecoderReason(decoder.readAllStandardError().toStdString(), path);
    throw SoundtrackError(SoundtrackError::Kind::kUndecodable, path, reason);
  }
}

long double SoundtrackSeconds(const std::string& path, const KeepWaiting& keepWaiting) {
  CheckSoundtrack(path, keepWaiting);
  QProcess probe;
  probe.start(QStringLiteral("ffprobe"),
              {"-v", "error", "-show_entries", "format=duration", "-of",
               "default=noprint_wrappers=1:nokey=1", SoundtrackInput(path)});
  AwaitLooking(probe, path, keepWaiting);
  const std::string text = probe.readAllStandardOutput().trimmed().toStdString();
  char* end = nullptr;
  const long double seconds = text.empty() ? NAN : ReadCReal(text.c_str(), &end);
  if (probe.exitCode() != 0 || !std::isfinite(seconds) || seconds < 0 || *end != '\0')
    throw SoundtrackError(SoundtrackError::Kind::kUndecodable, path);
  return seconds;
}

int64_t FramesCoveringSoundtrack(long double offset, long double seconds, FrameRate rate) {
  const long double frames = VideoClock(rate).FramesCovering(offset + seconds);
  constexpr long double kMostFrames = 999999999;
  return static_cast<int64_t>(std::clamp(std::isnan(frames) ? 1 : frames, 1.0L, kMostFrames));
}

PlacedSoundtrack PlaceSoundtrack(const Soundtrack& soundtrack, int64_t firstFrame,
                                 int64_t lastFrame, FrameRate rate) {
  const VideoClock clock(rate);
  const int64_t frames = std::max<int64_t>(lastFrame - firstFrame + 1, 0);
  PlacedSoundtrack placement{soundtrack.path};
  placement.lengthSamples = std::max<int64_t>(Samples(clock.SecondsOfFrames(frames)), 1);
  // Sound that starts after the animation's end is silence all through.
  placement.startSample = std::min(Samples(soundtrack.offset - clock.FrameSeconds(firstFrame)),
                                   placement.lengthSamples);
  return placement;
}

QStringList SoundtrackArguments(const PlacedSoundtrack& placement) {
  // The first sample decoded is the soundtrack's start, whatever its file's
  // own timestamps say; delays and skips count samples, so that every sound
  // keeps its place exactly.
  QString chain =
      QStringLiteral("[1:a:0]asetpts=PTS-STARTPTS,aresample=%1").arg(kSoundtrackSampleRate);
  if (placement.startSample > 0)
    chain += QStringLiteral(",adelay=delays=%1S:all=1").arg(placement.startSample);
  if (placement.startSample < 0)
    chain +=
        QStringLiteral(",atrim=start_sample=%1,asetpts=PTS-STARTPTS").arg(-placement.startSample);
  // Silence after its end, nothing after the pictures' end.
  chain += QStringLiteral(",apad=whole_len=%1,atrim=end_sample=%1[a]").arg(placement.lengthSamples);
  return {"-i", SoundtrackInput(placement.path), "-filter_complex", chain, "-map", "0:v", "-map",
          "[a]"};
}

}  // namespace kirabel

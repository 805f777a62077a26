#include "picture_io/animation_writer.h"

#include <unistd.h>

#include <QStringList>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <vector>

#include "image/picture.h"
#include "picture_io/frame_writer.h"
#include "platform/errors.h"
#include "platform/replacing_file.h"

namespace kirabel {

namespace {

std::string TemporaryBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  return folder + "/.kirabel-animation-" + std::to_string(getpid()) + "-" +
         std::to_string(counter++) + ".tmp";
}

}  // namespace

namespace {

std::string EncoderErrorText(EncoderError::Kind kind, const std::string& subject) {
  switch (kind) {
    case EncoderError::Kind::kNotStarted:
      return "the encoder ffmpeg cannot be started; install ffmpeg to write " + subject + " files";
    case EncoderError::Kind::kStopped:
      return "the encoder ffmpeg stopped";
    case EncoderError::Kind::kEmptyPicture:
      return "cannot make an animation of a " + subject + " space: it needs at least 1x1 pixels";
    case EncoderError::Kind::kFailed:
      break;
  }
  return "the encoder ffmpeg failed on " + subject;
}

std::string WithReason(const std::string& text, const std::string& reason) {
  return reason.empty() ? text : text + ": " + reason;
}

std::string Trimmed(const std::string& line) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// "[libx264 @ 0x55d0c8] width not divisible by 2" → "libx264: width not divisible by 2".
std::string WithoutAddress(const std::string& line) {
  const auto at = line.find(" @ 0x");
  const auto end = line.find("] ");
  if (line.empty() || line[0] != '[' || at == std::string::npos || end == std::string::npos ||
      at > end)
    return line;
  return line.substr(1, at - 1) + ": " + line.substr(end + 2);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// The most of the encoder's error output kept: its last lines carry the reason.
constexpr std::size_t kKeptErrorOutput = 4096;

}  // namespace

std::string EncoderReason(const std::string& errorOutput) {
  std::string reason;
  std::size_t start = 0;
  while (start <= errorOutput.size()) {
    const auto end = errorOutput.find_first_of("\r\n", start);
    const std::string line = Trimmed(
        errorOutput.substr(start, end == std::string::npos ? std::string::npos : end - start));
    // ffmpeg's closing words say only that it failed.
    if (!line.empty() && line != "Conversion failed!") reason = WithoutAddress(line);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return reason;
}

EncoderError::EncoderError(Kind kind, const std::string& subject, const std::string& reason)
    : KirabelError(WithReason(EncoderErrorText(kind, subject), reason)),
      kind_(kind),
      subject_(subject),
      reason_(reason) {}

AnimationWriter::AnimationWriter(std::string path, AnimationFormat format, int width, int height,
                                 FrameRate rate, const std::optional<PlacedSoundtrack>& soundtrack,
                                 const VideoOptions& video)
    : path_(std::move(path)),
      file_(path_),
      temporary_(TemporaryBeside(path_)),
      width_(width),
      height_(height),
      alpha_(video.alpha) {
  if (width < 1 || height < 1) {
    throw EncoderError(EncoderError::Kind::kEmptyPicture,
                       std::to_string(width) + "x" + std::to_string(height));
  }
  const bool withSound = soundtrack && AnimationHoldsSound(format);
  if (withSound) CheckSoundtrack(soundtrack->path);
  QStringList arguments{"-hide_banner", "-loglevel",
                        "error",        "-y",
                        "-f",           "rawvideo",
                        "-pix_fmt",     RawPixelFormat(video),
                        "-s",           QStringLiteral("%1x%2").arg(width).arg(height),
                        "-framerate",   QString::fromStdString(FrameRateArgument(rate)),
                        "-i",           "-"};
  if (withSound) arguments << SoundtrackArguments(*soundtrack) << SoundEncoderArguments(format);
  arguments << EncoderArguments(format, video) << QString::fromStdString(temporary_);
  // What the encoder says is kept for the reason of a failure, never shown raw.
  encoder_.setProcessChannelMode(QProcess::SeparateChannels);
  encoder_.setStandardOutputFile(QProcess::nullDevice());
  encoder_.start(QStringLiteral("ffmpeg"), arguments);
  if (!encoder_.waitForStarted()) {
    throw EncoderError(EncoderError::Kind::kNotStarted, AnimationExtension(format));
  }
}

AnimationWriter::~AnimationWriter() {
  if (!finished_) Abandon();
}

void AnimationWriter::Add(const Picture& picture) {
  // Raw frames are the picture's rows without their padding.
  std::vector<char> frame(static_cast<std::size_t>(width_) * 3 * static_cast<std::size_t>(height_));
  for (int y = 0; y < height_ && y < picture.Height(); ++y) {
    const uint8_t* row = picture.Row(y);
    std::copy(row, row + 3 * width_, frame.begin() + static_cast<std::ptrdiff_t>(y) * 3 * width_);
  }
  Feed(frame.data(), frame.size());
}

void AnimationWriter::AddWithAlpha(const std::vector<uint8_t>& rgba) {
  const std::size_t size = static_cast<std::size_t>(width_) * 4 * static_cast<std::size_t>(height_);
  std::vector<char> frame(size, 0);
  std::copy_n(rgba.begin(), std::min(size, rgba.size()), frame.begin());
  Feed(frame.data(), frame.size());
}

void AnimationWriter::Feed(const char* data, std::size_t size) {
  encoder_.write(data, static_cast<qint64>(size));
  while (encoder_.bytesToWrite() > 0) {
    if (!encoder_.waitForBytesWritten(-1)) {
      WaitForEncoder();
      throw EncoderError(EncoderError::Kind::kStopped, path_, EncoderReason(errorOutput_));
    }
  }
  KeepErrorOutput();
}

bool AnimationWriter::Finish(const std::function<bool()>& keepGoing) {
  encoder_.closeWriteChannel();
  if (!EncoderEnded(keepGoing)) return false;
  KeepErrorOutput();
  if (encoder_.exitStatus() != QProcess::NormalExit || encoder_.exitCode() != 0) {
    Abandon();
    throw EncoderError(EncoderError::Kind::kFailed, path_, EncoderReason(errorOutput_));
  }
  try {
    if (!CopyEncoded(keepGoing)) return false;
  } catch (...) {
    Abandon();
    throw;
  }
  std::remove(temporary_.c_str());
  finished_ = true;
  return true;
}

// Waits for the encoder to end; false when keepGoing gave up first (the
// animation is then abandoned).
bool AnimationWriter::EncoderEnded(const std::function<bool()>& keepGoing) {
  constexpr int kPollMs = 50;
  for (;;) {
    if (keepGoing && !keepGoing()) {
      Abandon();
      return false;
    }
    if (encoder_.state() == QProcess::NotRunning || encoder_.waitForFinished(kPollMs)) return true;
  }
}

// The encoded file reaches its name through the safe save path; false when
// keepGoing gave up before it was put in place.
bool AnimationWriter::CopyEncoded(const std::function<bool()>& keepGoing) {
  std::ifstream in(temporary_, std::ios::binary);
  std::vector<char> chunk(1 << 20);
  while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
    file_.Write(chunk.data(), static_cast<std::size_t>(in.gcount()));
    if (keepGoing && !keepGoing()) {
      Abandon();
      return false;
    }
  }
  file_.Commit();
  return true;
}

void AnimationWriter::WaitForEncoder() {
  encoder_.waitForFinished(-1);
  KeepErrorOutput();
}

// The encoder's words name the file it writes: the animation's own name, not
// the temporary one beside it.
void AnimationWriter::KeepErrorOutput() {
  errorOutput_ += Replaced(encoder_.readAllStandardError().toStdString(), temporary_, path_);
  if (errorOutput_.size() > kKeptErrorOutput)
    errorOutput_.erase(0, errorOutput_.size() - kKeptErrorOutput);
}

void AnimationWriter::Abandon() {
  finished_ = true;
  encoder_.kill();
  encoder_.waitForFinished(-1);
  std::remove(temporary_.c_str());
}

}  // namespace kirabel

#include "picture_io/soundtrack_decoder.h"

#include <QByteArray>
#include <QProcess>
#include <cstring>
#include <filesystem>
#include <vector>

#include "picture_io/soundtrack.h"

namespace kirabel {

namespace {

QStringList DecoderArguments(const std::string& path, int sampleRate) {
  const QString filters =
      QStringLiteral(
          "asetpts=PTS-STARTPTS,aresample=%1,aformat=sample_fmts=flt:channel_layouts=mono")
          .arg(sampleRate);
  return {"-nostdin", "-hide_banner", "-loglevel", "error", "-i", SoundtrackInput(path),
          "-map",     "0:a:0",        "-af",       filters, "-f", "f32le",
          "-"};
}

// Hands on the whole samples of `bytes` and keeps the bytes of a sample not
// complete yet.
bool TakeWholeSamples(QByteArray& bytes, std::vector<float>& samples,
                      const std::function<bool(const float*, std::size_t)>& take) {
  const std::size_t count = static_cast<std::size_t>(bytes.size()) / sizeof(float);
  if (count == 0) return true;
  samples.resize(count);
  std::memcpy(samples.data(), bytes.constData(), count * sizeof(float));
  bytes.remove(0, static_cast<qsizetype>(count * sizeof(float)));
  return take(samples.data(), count);
}

}  // namespace

bool DecodeSoundtrack(const std::string& path, int sampleRate,
                      const std::function<bool(const float*, std::size_t)>& take,
                      const KeepWaiting& keepWaiting) {
  std::error_code error;
  if (!std::filesystem::exists(path, error))
    throw SoundtrackError(SoundtrackError::Kind::kMissing, path);
  QProcess decoder;
  decoder.start(QStringLiteral("ffmpeg"), DecoderArguments(path, sampleRate));
  if (!decoder.waitForStarted())
    throw SoundtrackError(SoundtrackError::Kind::kUndecodable, path, "ffmpeg cannot be started");
  QByteArray bytes;
  std::vector<float> samples;
  ProcessEnd end = ProcessEnd::kFinished;
  for (bool running = true; running;) {
    running = WaitForOutput(decoder, SoundtrackTimeLimit(), keepWaiting, end);
    bytes += decoder.readAllStandardOutput();
    if (!TakeWholeSamples(bytes, samples, take)) {
      decoder.kill();
      decoder.waitForFinished(-1);
      return false;
    }
  }
  if (end == ProcessEnd::kAbandoned) return false;
  if (end == ProcessEnd::kTimedOut)
    throw SoundtrackError(SoundtrackError::Kind::kUndecodable, path, SoundtrackNoAnswer());
  decoder.waitForFinished(-1);
  if (decoder.exitStatus() != QProcess::NormalExit || decoder.exitCode() != 0) {
    const std::string reason =
        SoundtrackDecoderReason(decoder.readAllStandardError().toStdString(), path);
    throw SoundtrackError(SoundtrackError::Kind::kUndecodable, path, reason);
  }
  return true;
}

}  // namespace kirabel

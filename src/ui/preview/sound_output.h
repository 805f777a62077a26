#pragma once
// Where the preview's soundtrack is heard. The preview asks it to play a
// file from a position and reads back where the sound is, to keep the
// pictures with it; an output that cannot be heard says so at once and the
// preview plays silently on the system clock.
#include <QString>
#include <optional>

namespace kirabel {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Prepares file for playing; false when it cannot be heard (no audio
  // device, a missing or unplayable file).
  virtual bool open(const QString& file) = 0;
  // Plays the prepared file from seconds into it (a position past its end
  // plays nothing).
  virtual void play(double seconds) = 0;
  virtual void stop() = 0;
  // Seconds into the file while its sound is being heard; nothing before it
  // plays, once it has ended or failed.
  virtual std::optional<double> position() const = 0;
};

}  // namespace kirabel

#pragma once
// A soundtrack's samples, decoded by ffmpeg for looking at its sound: mono,
// 32-bit float, at the rate asked, from its first sample on whatever its
// file's timestamps say (as the animations place it).
#include <cstddef>
#include <functional>
#include <string>

#include "picture_io/watched_process.h"

namespace kirabel {

// Hands the samples to `take` in pieces as they come; `take` or `keepWaiting`
// returning false stops the decoder, and then DecodeSoundtrack returns false.
// Raises SoundtrackError when the file is missing, holds no sound ffmpeg can
// decode, ffmpeg cannot be started or stays silent longer than the time limit.
bool DecodeSoundtrack(const std::string& path, int sampleRate,
                      const std::function<bool(const float* samples, std::size_t count)>& take,
                      const KeepWaiting& keepWaiting = {});

}  // namespace kirabel

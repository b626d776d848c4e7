// Sound files decoded whole into memory for the system sound: any sample format, rate and channel
// count the decoding library reads (WAV with 8, 16, 24 or 32-bit integer or 32-bit float samples …),
// converted to the one format of the sound output.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Files larger than this, and the part of a sound after this length, are not taken.
inline constexpr std::size_t kLargestSoundFile = 64 * 1024 * 1024;
inline constexpr int kLongestSoundSeconds = 120;

// The sound of a file as interleaved samples in [-1, 1] at the given rate (8000-192000) and channel
// count (1 or 2): a mono sound goes to both channels, the first two channels of a sound with more are
// kept (a mono output takes their mean), and the rate is converted. A sound longer than
// kLongestSoundSeconds is cut there. Nothing for a path that names no regular file (a folder, a pipe),
// a file larger than kLargestSoundFile, one that cannot be decoded or holds no sample, and nothing once
// `abandoned` says so: it is asked between blocks of a few thousand frames.
std::optional<std::vector<float>> decodeSoundFile(const std::string& path, int rate, int channels,
                                                  const std::function<bool()>& abandoned = {});

}  // namespace platform

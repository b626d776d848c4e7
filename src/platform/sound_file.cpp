#include "platform/sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/files.h"

namespace platform {

namespace {

// The decoding library reads the file's bytes from memory: it never opens a path itself.
struct MemoryFile {
  const std::string& bytes;
  sf_count_t position = 0;
};

sf_count_t memoryLength(void* file) {
  return sf_count_t(static_cast<MemoryFile*>(file)->bytes.size());
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* file) {
  auto* f = static_cast<MemoryFile*>(file);
  const sf_count_t size = sf_count_t(f->bytes.size());
  sf_count_t base = 0;
  if (whence == SEEK_CUR)
    base = f->position;
  else if (whence == SEEK_END)
    base = size;
  if (offset < -base || offset > size - base) return -1;
  f->position = base + offset;
  return f->position;
}

sf_count_t memoryRead(void* into, sf_count_t count, void* file) {
  auto* f = static_cast<MemoryFile*>(file);
  const sf_count_t n =
      std::clamp<sf_count_t>(sf_count_t(f->bytes.size()) - f->position, 0, std::max<sf_count_t>(count, 0));
  std::memcpy(into, f->bytes.data() + f->position, std::size_t(n));
  f->position += n;
  return n;
}

sf_count_t memoryWrite(const void*, sf_count_t, void*) {
  return 0;
}

sf_count_t memoryTell(void* file) {
  return static_cast<MemoryFile*>(file)->position;
}

struct CloseSoundFile {
  void operator()(SNDFILE* f) const { sf_close(f); }
};

// Converts a stream of frames to another rate as they come, by cubic (Catmull-Rom) interpolation
// between the four source frames around each output instant. The same rate passes frames unchanged.
class RateConverter {
 public:
  RateConverter(int from, int to, int channels, std::vector<float>& out)
      : step_(double(from) / to), channels_(channels), out_(out) {}

  // Takes frames; writes every output frame that they complete.
  void add(const float* frames, std::size_t count) {
    if (step_ == 1.0) {
      out_.insert(out_.end(), frames, frames + count * channels_);
      return;
    }
    pending_.insert(pending_.end(), frames, frames + count * channels_);
    emit(false);
  }
  // The source has ended: the last output frames are made against silence after it.
  void finish() {
    if (step_ == 1.0) return;
    emit(true);
  }

 private:
  void emit(bool atEnd) {
    const std::int64_t held = std::int64_t(pending_.size()) / channels_;
    const std::int64_t last = base_ + held - 1;  // the number of the last source frame held
    const auto sample = [&](std::int64_t frame, int channel) {
      if (frame < base_ || frame > last) return 0.0f;  // silence before the start and after the end
      return pending_[std::size_t((frame - base_) * channels_ + channel)];
    };
    for (;;) {
      const double t = double(next_) * step_;
      const auto i = std::int64_t(std::floor(t));
      if (atEnd ? i > last : i + 2 > last) break;
      const float x = float(t - double(i));
      // Inside the held frames the four are read directly; at the edges through sample().
      const bool inside = i - 1 >= base_ && i + 2 <= last;
      const float* at = inside ? &pending_[std::size_t((i - 1 - base_) * channels_)] : nullptr;
      for (int c = 0; c < channels_; ++c) {
        const float p0 = inside ? at[c] : sample(i - 1, c);
        const float p1 = inside ? at[channels_ + c] : sample(i, c);
        const float p2 = inside ? at[2 * channels_ + c] : sample(i + 1, c);
        const float p3 = inside ? at[3 * channels_ + c] : sample(i + 2, c);
        out_.push_back(
            p1 +
            0.5f * x *
                (p2 - p0 + x * (2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3 + x * (3.0f * (p1 - p2) + p3 - p0))));
      }
      ++next_;
    }
    // Frames before the one ahead of the next output instant are no longer needed.
    const std::int64_t keepFrom = std::int64_t(std::floor(double(next_) * step_)) - 1;
    const std::int64_t drop = std::clamp<std::int64_t>(keepFrom - base_, 0, held);
    pending_.erase(pending_.begin(), pending_.begin() + std::ptrdiff_t(drop * channels_));
    base_ += drop;
  }

  double step_;
  int channels_;
  std::vector<float>& out_;
  std::vector<float> pending_;
  std::int64_t base_ = 0;  // the number of the first source frame in pending_
  std::int64_t next_ = 0;  // the number of the next output frame
};

}  // namespace

std::optional<std::vector<float>> decodeSoundFile(const std::string& path, int rate, int channels,
                                                  const std::function<bool()>& abandoned) {
  if (rate < 8000 || rate > 192000 || channels < 1 || channels > 2) return std::nullopt;
  const std::optional<std::string> bytes = readFileBytes(path, kLargestSoundFile);
  if (!bytes || bytes->empty()) return std::nullopt;

  MemoryFile memory{*bytes};
  SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
  SF_INFO info{};
  std::unique_ptr<SNDFILE, CloseSoundFile> file(sf_open_virtual(&io, SFM_READ, &info, &memory));
  if (!file || info.channels < 1 || info.channels > 64 || info.samplerate < 1000 || info.samplerate > 768000)
    return std::nullopt;
  // Samples of a floating-point file beyond full scale are clipped below, not scaled.
  sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);

  const sf_count_t longest = sf_count_t(kLongestSoundSeconds) * info.samplerate;
  std::vector<float> out;
  // Room for the sound as the file declares it, within what its bytes and the length limit allow.
  const sf_count_t declared = std::min({info.frames, longest, sf_count_t(bytes->size())});
  out.reserve(std::size_t(double(std::max<sf_count_t>(declared, 0)) * rate / info.samplerate + 4) * channels);
  RateConverter converter(info.samplerate, rate, channels, out);
  constexpr sf_count_t kBlock = 4096;
  std::vector<float> block(std::size_t(kBlock * info.channels));
  std::vector<float> mixed(std::size_t(kBlock * channels));
  sf_count_t total = 0;
  while (total < longest) {
    if (abandoned && abandoned()) return std::nullopt;
    const sf_count_t got = sf_readf_float(file.get(), block.data(), std::min(kBlock, longest - total));
    if (got <= 0) break;
    for (sf_count_t f = 0; f < got; ++f) {
      const float* in = &block[std::size_t(f * info.channels)];
      const float left = in[0], right = info.channels > 1 ? in[1] : in[0];
      if (channels == 1) {
        mixed[std::size_t(f)] = 0.5f * (left + right);
      } else {
        mixed[std::size_t(f * 2)] = left;
        mixed[std::size_t(f * 2 + 1)] = right;
      }
    }
    converter.add(mixed.data(), std::size_t(got));
    total += got;
  }
  converter.finish();
  if (out.empty()) return std::nullopt;
  for (float& s : out) s = std::isfinite(s) ? std::clamp(s, -1.0f, 1.0f) : 0.0f;
  return out;
}

}  // namespace platform

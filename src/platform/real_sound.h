// The real desktop's system sound: one channel. A file is decoded whole into memory (sound_file.h) and
// played through one output stream, opened at the first sound and kept open for the rest of the run.
// A thread of its own keeps the stream fed, so that a busy window does not break the sound up.
#pragma once

#include <memory>
#include <string>

namespace platform {

class SystemSound {
 public:
  SystemSound();
  ~SystemSound();
  SystemSound(const SystemSound&) = delete;
  SystemSound& operator=(const SystemSound&) = delete;

  // Cuts the sound that plays, then plays the file. "" or a file that cannot be played plays nothing;
  // so does a machine without a sound device.
  void play(const std::string& path);

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace platform

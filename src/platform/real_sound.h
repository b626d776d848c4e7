// The real desktop's system sound: one channel. A file is decoded whole into memory (sound_file.h) and
// played through one output stream, opened at the first sound and kept open for the rest of the run.
// A thread of its own looks up the device, decodes the files and keeps the stream fed, so that the
// window's thread never waits for a file and a busy window does not break the sound up. The last few
// sounds stay decoded while their files are unchanged.
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
  // so does a machine without a sound device. Returns at once: the work is done in the sound thread.
  void play(const std::string& path);

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace platform

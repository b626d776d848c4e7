#include "common/music.h"

#include "common/config_names.h"
#include "common/convert.h"
#include "common/ini.h"
#include "common/sound.h"
#include "platform/controls.h"

namespace common {

void PlayBackgroundMusic(platform::MediaPlayer& player, const std::string& file,
                         const std::string& defaultFile, const std::string& sound1File) {
  const std::string choice = ReadIni(file, kSection, music_ini::kMusic);
  const std::string folder = player.form().desktop().programFolder() + "\\";
  if (choice == kChoiceDefault)
    player.setURL(folder + defaultFile);
  else if (choice == kChoiceNone)
    player.setURL("");
  else if (choice == kChoiceSound1 && !sound1File.empty())
    player.setURL(folder + sound1File);
  else if (choice == kChoiceUserDefined)
    player.setURL(ReadIni(file, kSection, std::string(kCustomPrefix) + music_ini::kMusic));
}

void LoopBackgroundMusic(platform::MediaPlayer& player, const std::string& file, int newState) {
  const double loop = RoundHalfEven(LenientNumber(ReadIni(file, kSection, music_ini::kLoop)));
  if (loop == 1 && newState == 1) player.play();
}

std::optional<int> ReadVolume(const std::string& file) {
  const auto volume = StrictLong(ReadIni(file, kSection, music_ini::kVolume));
  if (!volume || *volume < 0 || *volume > 100) return std::nullopt;
  return *volume;
}

void RestoreVolume(platform::ScrollBar& bar, platform::MediaPlayer& player, const std::string& file) {
  if (const auto volume = ReadVolume(file)) bar.setValue(*volume);
  player.setVolume(bar.Value());
}

void StoreVolume(const platform::ScrollBar& bar, platform::MediaPlayer& player, const std::string& file) {
  player.setVolume(bar.Value());
  WriteIni(file, kSection, music_ini::kVolume, std::to_string(bar.Value()));
}

}  // namespace common

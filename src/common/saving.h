// What the user is told about stored values: the confirmation of a save button, and the failure of a
// value written the moment its control changed (a theme, a picture, a colour, a sound, a switch).
#pragma once

#include <string>

namespace platform {
class Desktop;
}

namespace common {

inline constexpr const char* kSaved = "数据保存成功！";
inline constexpr const char* kNotSaved = "数据保存失败！";
// The caption of the messages about wrong input and failed saves.
inline constexpr const char* kErrorCaption = "出错啦！";

// After a save button wrote its values: "数据保存成功！" with the program title when every value was
// stored, else "数据保存失败！" with the critical icon and the caption "出错啦！". One message per save.
void ConfirmSave(platform::Desktop& desktop, bool stored);

// After a value written at the moment its control changed: nothing when it was stored, else the
// failure message of ConfirmSave. An action that writes several values reports once, with the
// outcome of all of them.
void ReportWrite(platform::Desktop& desktop, bool stored);

// Writes one value at once and reports a failure; true when it was stored.
bool WriteIniAtOnce(platform::Desktop& desktop, const std::string& file, const std::string& section,
                    const std::string& key, const std::string& value);

}  // namespace common

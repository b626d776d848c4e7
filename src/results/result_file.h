// What score entry and the result announcement share about the result file.
#pragma once

#include <string>

namespace platform {
class Desktop;
}

namespace results {

// The full path of config\Result.ini.
std::string ResultFile(platform::Desktop& desktop);

// The winner of two scores as stored (compared by their leading numbers; a number too large for a
// double counts as infinite): the affirmative team when its score is greater, the negative team when
// its score is greater, "互为平手" when they are equal.
std::string DecideWinner(const std::string& affirmativeScore, const std::string& negativeScore,
                         const std::string& affirmativeTeam, const std::string& negativeTeam);

}  // namespace results

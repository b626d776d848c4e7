#include "results/result_file.h"

#include "common/config_names.h"
#include "common/convert.h"
#include "platform/desktop.h"

namespace results {

std::string ResultFile(platform::Desktop& desktop) {
  return desktop.programPath(common::result_ini::kFile);
}

std::string DecideWinner(const std::string& affirmativeScore, const std::string& negativeScore,
                         const std::string& affirmativeTeam, const std::string& negativeTeam) {
  const double affirmative = common::LenientNumber(affirmativeScore, common::Overflow::Infinity);
  const double negative = common::LenientNumber(negativeScore, common::Overflow::Infinity);
  std::string winner;
  if (affirmative > negative) winner = affirmativeTeam;
  if (affirmative < negative) winner = negativeTeam;
  if (affirmative == negative) winner = common::result_ini::kTie;
  return winner;
}

}  // namespace results

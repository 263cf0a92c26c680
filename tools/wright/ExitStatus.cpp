#include "tools/wright/ExitStatus.h"

namespace crossword::wright {

std::string ExitStatusHelp() {
  static const std::pair<ExitStatus, const char*> kMeanings[] = {
      {ExitStatus::Success, "done"},
      {ExitStatus::Failed, "refused or failed: a file or an input is wrong, or nothing was made"},
      {ExitStatus::Usage, "the command line is wrong (an unknown option, a value out of range)"},
      {ExitStatus::Warnings, "grid --check, --layout: the grid does not pass the grid checks"},
      {ExitStatus::NoFillExists, "grid --check: no set of dictionary words fills the grid"},
      {ExitStatus::NotFoundInTime,
       "grid --check, fill --give-up-after: no fill found in the time given (one may exist)"},
      {ExitStatus::Interrupted, "stopped by Ctrl-C or SIGTERM; files are whole"},
  };
  std::string help = "Exit status:\n";
  for (const auto& [status, meaning] : kMeanings) {
    const std::string number = std::to_string(static_cast<int>(status));
    help += "  " + number + std::string(5 - number.size(), ' ') + meaning + "\n";
  }
  return help;
}

}  // namespace crossword::wright

#pragma once

#include <stdexcept>
#include <string>

// wright's exit statuses, one meaning each, so that a script can tell a refusal from a
// grid that has no fill or a run that was stopped. The help and the manual list them.
namespace crossword::wright {

enum class ExitStatus : int {
  Success = 0,
  Failed = 1,          // a file or an input refused, or a run that made nothing
  Usage = 2,           // the command line itself is wrong
  Warnings = 3,        // a grid that does not pass the grid checks
  NoFillExists = 4,    // proved: no set of dictionary words fills the grid
  NotFoundInTime = 5,  // no fill found before the time limit; one may exist
  Interrupted = 130,   // Ctrl-C or SIGTERM
};

// "Exit status:" and one line per status, for the end of `wright --help`.
std::string ExitStatusHelp();

// Ends a command with its own exit status and message instead of the status of a failure.
class CommandEnded : public std::runtime_error {
 public:
  CommandEnded(ExitStatus status, const std::string& message)
      : std::runtime_error(message), status_(status) {}
  ExitStatus Status() const { return status_; }

 private:
  ExitStatus status_;
};

}  // namespace crossword::wright

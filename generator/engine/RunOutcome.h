#pragma once

// How a run of the generator ends.
namespace crossword {

enum class RunOutcome {
  Completed,     // every stage made and the puzzle file in place
  GivenUp,       // stage 1 could not be made with any pattern; message 10 was shown
  Stopped,       // the user stopped the run
  ProgramEnded,  // no admissible first word; message 101 was shown
};

// Thrown from a pump or a message that ends the run; the run turns it into its outcome
// after deleting the working file.
struct RunEnded {
  RunOutcome Outcome;
};

}  // namespace crossword

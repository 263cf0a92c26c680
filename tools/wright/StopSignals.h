#pragma once

#include <string>

// Ctrl-C and SIGTERM, while caught, ask a long run to stop at its next event point, so
// that it ends the way the window's stop button ends it: the files it keeps stay whole.
namespace crossword::wright {

class CatchStopSignals {
 public:
  CatchStopSignals();
  ~CatchStopSignals();
  CatchStopSignals(const CatchStopSignals&) = delete;
  CatchStopSignals& operator=(const CatchStopSignals&) = delete;
};

// The signal caught since the last CatchStopSignals began, 0 if none.
int CaughtStopSignal();

// "stopped by Ctrl-C" or "stopped by SIGTERM", for the signal caught.
std::string StopSignalText();

}  // namespace crossword::wright

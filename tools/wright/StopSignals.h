#pragma once

#include <csignal>
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

// While held, Ctrl-C and SIGTERM wait, so that files being put in place are finished
// whole; a signal that came meanwhile is delivered when the hold ends.
class HoldStopSignals {
 public:
  HoldStopSignals();
  ~HoldStopSignals();
  HoldStopSignals(const HoldStopSignals&) = delete;
  HoldStopSignals& operator=(const HoldStopSignals&) = delete;

 private:
  sigset_t previous_;
};

// The signal caught since the last CatchStopSignals began, 0 if none.
int CaughtStopSignal();

// "stopped by Ctrl-C" or "stopped by SIGTERM", for the signal caught.
std::string StopSignalText();

}  // namespace crossword::wright

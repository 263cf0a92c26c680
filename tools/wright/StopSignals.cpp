#include "tools/wright/StopSignals.h"

#include <csignal>

namespace crossword::wright {

namespace {

volatile std::sig_atomic_t caughtSignal = 0;
struct sigaction previousInt {};
struct sigaction previousTerm {};

extern "C" void NoteStopSignal(int signal) {
  caughtSignal = signal;
}

}  // namespace

CatchStopSignals::CatchStopSignals() {
  caughtSignal = 0;
  struct sigaction action {};
  action.sa_handler = NoteStopSignal;
  sigaction(SIGINT, &action, &previousInt);
  sigaction(SIGTERM, &action, &previousTerm);
}

CatchStopSignals::~CatchStopSignals() {
  sigaction(SIGINT, &previousInt, nullptr);
  sigaction(SIGTERM, &previousTerm, nullptr);
}

HoldStopSignals::HoldStopSignals() {
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGTERM);
  sigprocmask(SIG_BLOCK, &stops, &previous_);
}

HoldStopSignals::~HoldStopSignals() {
  sigprocmask(SIG_SETMASK, &previous_, nullptr);
}

int CaughtStopSignal() {
  return caughtSignal;
}

std::string StopSignalText() {
  return caughtSignal == SIGTERM ? "stopped by SIGTERM" : "stopped by Ctrl-C";
}

}  // namespace crossword::wright

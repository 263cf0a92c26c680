#include "common/Clock.h"

namespace crossword {

double ElapsedTime::Seconds() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

long ElapsedTime::WholeSeconds() const {
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start_)
          .count());
}

std::string ElapsedText(long seconds) {
  if (seconds < 60) return std::to_string(seconds);
  return std::to_string(seconds / 60) + ":" + std::to_string(seconds % 60);
}

}  // namespace crossword

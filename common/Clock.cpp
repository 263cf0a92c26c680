#include "common/Clock.h"

#include <ctime>

namespace crossword {

long SecondsSinceMidnight() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_hour * 3600L + local.tm_min * 60L + local.tm_sec;
}

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

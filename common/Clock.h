#pragma once

#include <chrono>
#include <string>

namespace crossword {

// Measures a run's elapsed time on a monotonic clock, so a run over midnight or a change
// of the system clock never shows a negative or jumping time.
class ElapsedTime {
 public:
  void Start() { start_ = std::chrono::steady_clock::now(); }
  long WholeSeconds() const;
  double Seconds() const;

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Elapsed seconds as the progress labels show them: "59", "1:0", "2:5".
std::string ElapsedText(long seconds);

}  // namespace crossword

#pragma once

// The limits and choices of the run page, set by the window or wright before a run.
namespace crossword {

// The fill search a run uses: the exact one unless the user asks for the thorough one.
enum class FillSearch { Exact, Thorough };

constexpr int RestartMaxLimit = 9999;  // the largest RestartMax and RetryMax
constexpr int HistoryMaxLimit = 999;   // the largest HistoryMax

struct RunSettings {
  int RestartMax = 50;    // restarts allowed per grid pattern
  int RetryMax = 25;      // repairs allowed within one fill attempt
  int MakingNmbMax = 10;  // stages to make
  double ShowSpeed = 0;   // seconds to pause after showing each candidate
  FillSearch Search = FillSearch::Exact;
};

}  // namespace crossword

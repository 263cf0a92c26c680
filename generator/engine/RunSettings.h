#pragma once

#include <algorithm>
#include <string>
#include <vector>

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
  // Prize keywords the thorough search makes the stages' letters hold, as the grid writes
  // letters: stage k takes entry k - 1, the last entry every stage beyond; empty for none.
  std::vector<std::u32string> Keywords;

  // The keyword stage k is to hold; empty for none.
  std::u32string KeywordOf(int k) const {
    if (Keywords.empty()) return U"";
    return Keywords[std::min(static_cast<size_t>(k), Keywords.size()) - 1];
  }
};

}  // namespace crossword

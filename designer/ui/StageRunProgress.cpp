#include "designer/ui/StageRunProgress.h"

#include <cmath>

namespace crossword::ui {

namespace {

std::string DurationText(double seconds) {
  const long whole = std::lround(seconds);
  if (whole < 60) return std::to_string(whole) + " 秒";
  return std::to_string((whole + 30) / 60) + " 分";
}

}  // namespace

void StageRunProgress::Start(int stageCount) {
  stageCount_ = stageCount;
  begun_ = 0;
}

std::string StageRunProgress::TimeLeftText(double elapsedSeconds) const {
  const int made = begun_ - 1;
  if (made < 1) return {};
  const double perStage = elapsedSeconds / made;
  if (perStage < SlowStageSeconds) return {};
  return "残り 約 " + DurationText(perStage * (stageCount_ - made)) + "（1 面 約 " +
         DurationText(perStage) + "）";
}

}  // namespace crossword::ui

#pragma once

#include <string>

// How far a full-auto run has come, told from the stage numbers it announces as it starts
// each one, and what the rest will take at the pace of the stages made so far.
namespace crossword::ui {

class StageRunProgress {
 public:
  // A stage slower than this is worth an estimate of the time left.
  static constexpr double SlowStageSeconds = 2.0;

  void Start(int stageCount);
  void BeginStage(int stage) { begun_ = stage; }
  // The stages written: all that were begun once the run is complete, else the last one
  // begun is the one that found no layout.
  int StagesMade(bool complete) const { return complete ? begun_ : begun_ - 1; }
  // "残り 約 3 分（1 面 約 50 秒）" once a stage has been made slowly; else nothing.
  std::string TimeLeftText(double elapsedSeconds) const;

 private:
  int stageCount_ = 0;  // stages the run makes
  int begun_ = 0;       // the stage being made
};

}  // namespace crossword::ui

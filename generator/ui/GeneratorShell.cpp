#include "generator/ui/GeneratorShell.h"

#include "common/Clock.h"

namespace crossword::ui {

namespace {

constexpr char kThinking[] = "■思案中";
constexpr char kThinkingBlink[] = "□思案中";

}  // namespace

// Ready, the button starts a run; during one it ends the program at the run's next event
// point, after one at once.
RunPress GeneratorShell::cmdNext3_Click() {
  switch (state_) {
    case RunState::Ready:
      state_ = RunState::Running;
      view_.ShowRunButton(RunCaptionRunning, false);
      return RunPress::Start;
    case RunState::Running:
      return RunPress::Stop;
    case RunState::Over:
      break;
  }
  return RunPress::End;
}

// A stopped run, or one that ended the program, leaves the button as it was.
void GeneratorShell::RunEnded(RunOutcome outcome) {
  state_ = RunState::Over;
  if (outcome == RunOutcome::Completed) view_.ShowRunButton(RunCaptionDone, false);
  // Message 10 advises another rank, so the selection page can be reached again.
  if (outcome == RunOutcome::GivenUp) view_.ShowRunButton(RunCaptionFailed, true);
}

void GeneratorShell::ResetRunPage() {
  state_ = RunState::Ready;
  for (RunLabel label : {RunLabel::lblInfoTime, RunLabel::lblRestart, RunLabel::lblRetry,
                         RunLabel::lblNowMakingNmb}) {
    view_.ShowLabel(label, "-");
  }
  view_.ShowLabel(RunLabel::lblInfoMaking, "作成情報");
  view_.ShowRunButton(RunCaptionReady, true);
}

void GeneratorShell::tmrInfoMaking_Timer(long elapsedSeconds) {
  if (tickShowsTime_) {
    view_.ShowLabel(RunLabel::lblInfoMaking, kThinkingBlink);
    view_.ShowLabel(RunLabel::lblInfoTime, ElapsedText(elapsedSeconds));
  } else {
    view_.ShowLabel(RunLabel::lblInfoMaking, kThinking);
  }
  tickShowsTime_ = !tickShowsTime_;
}

void GeneratorShell::StageStarted(int stage) {
  view_.ShowLabel(RunLabel::lblInfoMaking, kThinking);
  ShowNumber(RunLabel::lblNowMakingNmb, stage);
}

void GeneratorShell::AttemptStarted(int restart) {
  ShowNumber(RunLabel::lblRestart, restart);
}

void GeneratorShell::RepairStarted(int retry) {
  ShowNumber(RunLabel::lblRetry, retry);
}

void GeneratorShell::RepeatFound(int age) {
  ShowNumber(RunLabel::lblHistory, age);
}

void GeneratorShell::StageWriting(int /*stage*/) {
  view_.ShowLabel(RunLabel::lblInfoMaking, "▼出力中");
}

void GeneratorShell::StageFinished(int stage) {
  view_.ShowLabel(RunLabel::lblInfoMaking, "◆終了");
  view_.StageFinished(stage);
}

void GeneratorShell::RunGivenUp() {
  view_.ShowLabel(RunLabel::lblInfoMaking, "▲未完成");
}

}  // namespace crossword::ui

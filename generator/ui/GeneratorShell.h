#pragma once

#include <string>

#include "common/ui/RunCaptions.h"
#include "generator/engine/Generator.h"
#include "generator/engine/GeneratorObserver.h"

// What Cluewright makes of a run apart from the widgets: the run page's progress labels,
// the blinking state label and the run button. The engine reports its progress here in
// its own terms; the shell paints the window through GeneratorShellView and passes every
// other display hook straight on.
namespace crossword::ui {

// The run page's progress labels.
enum class RunLabel {
  lblNowMakingNmb,  // the stage being made
  lblInfoMaking,    // what the run is doing
  lblInfoTime,      // seconds since the run began
  lblRestart,       // attempts on the current grid pattern
  lblRetry,         // repairs within the current attempt
  lblHistory,       // where in the history a repeated grid was found
};

// The window as the shell sees it: the engine's display hooks plus the run page's parts.
class GeneratorShellView : public GeneratorObserver {
 public:
  virtual void ShowLabel(RunLabel label, const std::string& text) = 0;
  // The run button's caption and whether "もどる" beside it may be pressed.
  virtual void ShowRunButton(const std::string& caption, bool backEnabled) = 0;
};

// What a press of the run button asks for.
enum class RunPress {
  Start,  // begin a run
  Stop,   // stop the run going on; the program ends at its next event point
  End,    // the run is over: end the program
};

class GeneratorShell : public GeneratorObserver {
 public:
  explicit GeneratorShell(GeneratorShellView& view) : view_(view) {}

  // The run button was pressed; starting shows it as the stop button.
  RunPress cmdNext3_Click();
  bool Running() const { return state_ == RunState::Running; }
  // The engine returned: the button says how the run ended.
  void RunEnded(RunOutcome outcome);
  // Back on the selection page: the progress is cleared and a new run may start.
  void ResetRunPage();
  // One tick of the progress timer, `elapsedSeconds` after the run began: the state label
  // blinks and every other tick shows the time.
  void tmrInfoMaking_Timer(long elapsedSeconds);

  // The engine's progress, as the run page shows it.
  void StageStarted(int stage) override;
  void AttemptStarted(int restart) override;
  void RepairStarted(int retry) override;
  void RepeatFound(int age) override;
  void StageWriting(int stage) override;
  void StageFinished(int stage) override;
  void RunGivenUp() override;

  // Shown as the engine asks.
  void BuildGridView(const GeneratorMas& CrossMas) override { view_.BuildGridView(CrossMas); }
  void ShowGrid(const GeneratorMas& CrossMas) override { view_.ShowGrid(CrossMas); }
  void ShowCandidate(const GeneratorSlot& slot, std::u32string_view Yst) override {
    view_.ShowCandidate(slot, Yst);
  }
  void PumpEvents(double seconds) override { view_.PumpEvents(seconds); }
  void ShowNote(const std::string& text) override { view_.ShowNote(text); }
  void GridUnfilled(int pattern, const UnfilledGrid& why) override {
    view_.GridUnfilled(pattern, why);
  }
  MessageAnswer ShowMessage(int number, const CatalogueMessage& message) override {
    return view_.ShowMessage(number, message);
  }
  void EndProgram() override { view_.EndProgram(); }

 private:
  enum class RunState { Ready, Running, Over };

  void ShowNumber(RunLabel label, int number) { view_.ShowLabel(label, std::to_string(number)); }

  GeneratorShellView& view_;
  RunState state_ = RunState::Ready;
  bool tickShowsTime_ = false;  // the timer's next tick is the one that shows the time
};

}  // namespace crossword::ui

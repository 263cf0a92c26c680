#pragma once

#include <functional>
#include <string>

#include "common/ui/Dialogs.h"
#include "common/ui/RunCaptions.h"
#include "designer/engine/GridDesigner.h"

// What Gridwright does with the author's clicks, apart from the widgets: the start-up
// with its dictionary checks, the file choices, the moves between the wizard pages with
// their checks, the page-4 run and the view's move labels. The window forwards every
// click here and shows what comes back through ShellView.
namespace crossword::ui {

// The window as the shell sees it: the designer's observer plus the form's own parts.
class ShellView : public DesignerObserver {
 public:
  virtual void ShowPage(int page) = 0;
  // The page-4 run button's caption and whether "もどる" beside it may be pressed.
  virtual void ShowRunButton(const std::string& caption, bool backEnabled) = 0;
  virtual void ShowGridView(bool shown) = 0;
  // How many stages a full-auto run made, once it has ended.
  virtual void ShowStagesMade(bool complete) = 0;
  virtual void ShowViewOrigin(const StageViewModel& view) = 0;
  // The stage selector of page 2 ranges over 1..count and stands at `stage`.
  virtual void ShowStageSelector(int count, int stage) = 0;
  virtual void ShowAutoSettings(const AutoSettings& settings) = 0;
  // The random-sequence choice is made: its check box can no longer be changed.
  virtual void DisableNotRandomize() = 0;
  virtual void EndProgram() = 0;
};

// Where the run of the last page stands; its button's caption follows it.
enum class RunState { Ready, Running, Done, Failed };

class DesignerShell {
 public:
  DesignerShell(ShellView& view, FileDialogs& dialogs, const ProgramFolders& folders);

  GridDesigner& Designer() { return designer_; }
  const GridDesigner& Designer() const { return designer_; }
  int ShownPage() const { return shownPage_; }

  bool NotRandomize = false;  // chkNotRandomize: keep the fixed random sequence

  // Start-up: false when the author ends the program instead of choosing a dictionary.
  bool FormLoad();
  void cmdDicFileName_Click();
  void cmdMakeFileName_Click();
  void cmdReadFileName_Click();
  void vsbCrossStageNmb_Change(int value);
  void lblHelp_Click();

  void cmdNext_Click(int index);
  void cmdBack_Click(int index);
  void cmdNextModeAuto_Click();

  void cmdSetMasSize_Click();
  void cmdSetMasBar_Click();
  // A click on cell (x, y) of the board.
  void lblCell_Click(int x, int y);
  // The keyboard's cell cursor moved to (x, y): the view follows it.
  void CellCursorMoved(int x, int y);
  void lblCrossStageMoveH_Click(int kind);
  void lblCrossStageMoveV_Click(int kind);

  void cmdInitAuto_Click(int index);
  void vsbCrossStageNmbAuto_Change(int value);

 private:
  std::string DicFile() const;
  bool AskForDictionary(int number, const std::function<bool()>& usable);
  bool TakeDictionary(const std::string& path, bool chosen);
  void ShowPage(int page);
  void LeavePage1();
  void LeavePage2();
  void LeavePage3();
  void RunPage4();
  void ChooseRandomSequence();
  void ShowRunState(RunState state, bool backEnabled);

  enum class Outcome { Done, Failed, Ended };
  // Runs an engine operation; a failure is shown, a stop ends the program.
  Outcome Attempt(const std::function<void()>& operation);
  void ShowStageSelector();

  ShellView& view_;
  FileDialogs& dialogs_;
  std::string programFolder_;
  GridDesigner designer_;
  int shownPage_ = 1;
  bool dictionaryTaken_ = false;     // the words of a dictionary have been counted
  bool notRandomizeEnabled_ = true;  // the random-sequence choice is still open
  RunState runState_ = RunState::Ready;
};

}  // namespace crossword::ui

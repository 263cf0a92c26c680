#include "designer/ui/DesignerShell.h"

#include <algorithm>

#include "common/FileNames.h"
#include "common/ui/ProblemMessage.h"
#include "dictionary/Dictionary.h"

namespace crossword::ui {

namespace {

const QString kDictionaryFilter = "Lexset ﾌｧｲﾙ (*.lxd)|*.lxd|";
const QString kGridFilter = "Gridset ﾌｧｲﾙ (*.gst)|*.gst|";

// Boxes of our own for failures the catalogue has no message for.
constexpr int UncataloguedMessage = 0;

const CatalogueMessage kMasSizeMessage{"チェック：マス目の数",
                                       {"マス目の数（横と縦）には 1 から 99 までの整数を"
                                        "指定してください。"},
                                       MessageButtons::Ok,
                                       MessageIcon::Exclamation,
                                       AnswerOk};

// The first visible line of `span` that keeps `cell` in sight, moved as little as may be.
int Following(int view, int viewMax, int span, int cell) {
  return std::clamp(std::clamp(view, cell - span + 1, cell), 1, viewMax);
}

// The run button's caption in each RunState, in the enum's order.
constexpr const char* kRunCaptions[] = {RunCaptionReady, RunCaptionRunning, RunCaptionDone,
                                        RunCaptionFailed};

std::string PathOf(const ChosenFile& file) {
  return file.fullPath.toStdString();
}

}  // namespace

DesignerShell::DesignerShell(ShellView& view, FileDialogs& dialogs, const ProgramFolders& folders)
    : view_(view), dialogs_(dialogs), programFolder_(folders.program), designer_(view, folders) {}

std::string DesignerShell::DicFile() const {
  return designer_.Files.DicPath + designer_.Files.DicFileName;
}

// The grid settings file of the default dictionary must go into a writable folder (message
// 99 asks for another dictionary until it does) and the dictionary be readable; without
// it, message 9 asks until a dictionary is chosen.
bool DesignerShell::FormLoad() {
  if (FileExists(DicFile()) == 1) {
    const auto writable = [this] {
      return FileExists(DicFile()) == 1 && CheckHDD(designer_.Files.MakeFileDir) == 1;
    };
    if (!AskForDictionary(DesignerMsg::FolderNotWritable, writable)) return false;
    TakeDictionary(DicFile(), false);
  }
  if (!AskForDictionary(DesignerMsg::DictionaryMissing, [this] { return dictionaryTaken_; }))
    return false;
  designer_.Reader().PresetReadFile();
  return true;
}

bool DesignerShell::AskForDictionary(int number, const std::function<bool()>& usable) {
  while (!usable()) {
    if (designer_.Ask(number) != AnswerOk) return false;
    cmdDicFileName_Click();
  }
  return true;
}

// A dictionary that cannot be read is reported and changes nothing.
bool DesignerShell::TakeDictionary(const std::string& path, bool chosen) {
  WordCounts counts{};
  if (Attempt([&] { counts = CountDicWords(std::filesystem::path(path)); }) != Outcome::Done)
    return false;
  if (chosen) {
    designer_.ChooseDictionary(path, counts);
  } else {
    designer_.UseDictionary(path, counts);
  }
  dictionaryTaken_ = true;
  return true;
}

void DesignerShell::cmdDicFileName_Click() {
  const auto chosen =
      dialogs_.Open(QString::fromStdString(programFolder_ + "*.lxd"), kDictionaryFilter);
  if (chosen && FileExists(PathOf(*chosen)) == 1) TakeDictionary(PathOf(*chosen), true);
}

void DesignerShell::cmdMakeFileName_Click() {
  const auto chosen = dialogs_.Save(
      QString::fromStdString(designer_.Files.MakeFileDir + designer_.Files.MakeFileName),
      kGridFilter);
  if (chosen) Attempt([&] { designer_.ChooseMakeFile(PathOf(*chosen)); });
}

void DesignerShell::cmdReadFileName_Click() {
  const auto chosen =
      dialogs_.Open(QString::fromStdString(designer_.Files.MakeFileDir + "*.gst"), kGridFilter);
  if (!chosen) return;
  Attempt([&] { designer_.Reader().ChooseReadFile(PathOf(*chosen)); });
  ShowStageSelector();
}

// A stage that cannot be read puts the selector back on the stage shown.
void DesignerShell::vsbCrossStageNmb_Change(int value) {
  Attempt([&] { designer_.Reader().ChangeStage(value); });
  ShowStageSelector();
}

void DesignerShell::ShowStageSelector() {
  view_.ShowStageSelector(designer_.Reader().ReadFile().CrossStageNmbMax,
                          designer_.Reader().ReadFile().CrossStageNmb);
}

void DesignerShell::lblHelp_Click() {
  designer_.Ask(DesignerMsg::Help);
}

void DesignerShell::ShowPage(int page) {
  shownPage_ = page;
  view_.ShowPage(page);
}

void DesignerShell::cmdNext_Click(int index) {
  switch (index) {
    case 1:
      return LeavePage1();
    case 2:
      return LeavePage2();
    case 3:
      return LeavePage3();
    case 4:
      return RunPage4();
    case 5:
      return ShowPage(6);
    default:
      return ShowPage(1);
  }
}

void DesignerShell::cmdBack_Click(int index) {
  switch (index) {
    case 4:
      ShowRunState(RunState::Ready, true);
      return ShowPage(designer_.FileRun().MakeMode == MakeModeFullAuto ? 1 : 3);
    case 5:
      return ShowPage(1);
    default:
      return ShowPage(index - 1);
  }
}

void DesignerShell::cmdNextModeAuto_Click() {
  ShowPage(5);
}

// The full-auto mode makes its own grids: pages 2 and 3 are skipped, and the view is hidden
// until the run shows the first stage it has made.
void DesignerShell::LeavePage1() {
  if (designer_.Files.DicWordNmb[AnswerLenMin] == 0) {
    designer_.Ask(DesignerMsg::NoDictionaryChosen);
    return;
  }
  const bool fullAuto = designer_.FileRun().MakeMode == MakeModeFullAuto;
  view_.ShowGridView(!fullAuto);
  if (fullAuto) designer_.Grid().MakeNewGrid({1, 1});
  ShowPage(fullAuto ? 4 : 2);
}

void DesignerShell::LeavePage2() {
  bool leave = false;
  Attempt([&] { leave = designer_.GridIsReadyForWalls(); });
  if (leave) ShowPage(3);
}

void DesignerShell::LeavePage3() {
  bool leave = false;
  Attempt([&] { leave = designer_.GridIsReadyToWrite(); });
  if (!leave) return;
  ShowRunState(RunState::Ready, true);
  ShowPage(4);
}

// Once the run has started, every press of its button ends the program.
void DesignerShell::RunPage4() {
  if (runState_ != RunState::Ready) return view_.EndProgram();
  ChooseRandomSequence();
  ShowRunState(RunState::Running, false);
  const bool fullAuto = designer_.FileRun().MakeMode == MakeModeFullAuto;
  int made = 0;
  const Outcome outcome = Attempt([&] { made = designer_.RunMakeFile(); });
  if (outcome == Outcome::Ended) return;
  view_.ShowAutoSettings(designer_.FileRun().Auto);
  if (fullAuto) view_.ShowStagesMade(outcome == Outcome::Done && made == 1);
  if (outcome == Outcome::Done)
    designer_.Ask(made == 1 ? DesignerMsg::GridFileMade : DesignerMsg::NothingMade);
  const bool complete = outcome == Outcome::Done && made == 1;
  ShowRunState(complete ? RunState::Done : RunState::Failed, !complete);
}

// At the first run only: a new random sequence unless the author keeps the fixed one.
void DesignerShell::ChooseRandomSequence() {
  if (!notRandomizeEnabled_) return;
  notRandomizeEnabled_ = false;
  view_.DisableNotRandomize();
  if (!NotRandomize) designer_.Random.ReseedFromClock();
}

void DesignerShell::ShowRunState(RunState state, bool backEnabled) {
  runState_ = state;
  view_.ShowRunButton(kRunCaptions[static_cast<int>(state)], backEnabled);
}

void DesignerShell::cmdSetMasSize_Click() {
  Attempt([this] { designer_.NewMasSize(); });
}

void DesignerShell::cmdSetMasBar_Click() {
  Attempt([this] { designer_.SetMasBar(); });
}

// Cells change by hand on page 3 only.
void DesignerShell::lblCell_Click(int x, int y) {
  if (shownPage_ != 3) return;
  Attempt([&] { designer_.ToggleCell((y - 1) * designer_.Grid().MasMaxX() + x); });
}

void DesignerShell::CellCursorMoved(int x, int y) {
  StageViewModel& view = designer_.Grid().View();
  view.ViewX = Following(view.ViewX, view.ViewMaxX, StageViewColumns, x);
  view.ViewY = Following(view.ViewY, view.ViewMaxY, StageViewRows, y);
  view_.ShowViewOrigin(view);
}

void DesignerShell::lblCrossStageMoveH_Click(int kind) {
  designer_.Grid().View().MoveStageViewH(kind);
  view_.ShowViewOrigin(designer_.Grid().View());
}

void DesignerShell::lblCrossStageMoveV_Click(int kind) {
  designer_.Grid().View().MoveStageViewV(kind);
  view_.ShowViewOrigin(designer_.Grid().View());
}

void DesignerShell::cmdInitAuto_Click(int index) {
  designer_.FileRun().Auto.InitAuto(index);
  view_.ShowAutoSettings(designer_.FileRun().Auto);
}

void DesignerShell::vsbCrossStageNmbAuto_Change(int value) {
  if (designer_.FileRun().Auto.CrossStageNmbAuto == value) return;
  designer_.FileRun().Auto.CrossStageNmbAuto = value;
  view_.ShowAutoSettings(designer_.FileRun().Auto);
}

// Every failure of an engine call is shown in a box and ends no more than the operation;
// the operation has then changed nothing the author relies on.
DesignerShell::Outcome DesignerShell::Attempt(const std::function<void()>& operation) {
  try {
    operation();
    return Outcome::Done;
  } catch (const RunStopped&) {
    view_.EndProgram();
    return Outcome::Ended;
  } catch (const MasSizeError&) {
    view_.ShowMessage(UncataloguedMessage, kMasSizeMessage);
  } catch (const std::exception& problem) {
    view_.ShowMessage(UncataloguedMessage, ProblemMessage(problem));
  }
  return Outcome::Failed;
}

}  // namespace crossword::ui

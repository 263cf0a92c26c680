#pragma once

#include <QWidget>
#include <memory>

#include "common/Clock.h"
#include "common/ui/Dialogs.h"
#include "designer/ui/DesignerShell.h"
#include "designer/ui/EditControls.h"
#include "designer/ui/StageRunProgress.h"

// Gridwright's window: six wizard pages in one place beside the grid view. It shows what
// the designer reports and forwards every click to the shell.
namespace crossword::ui {

class frmEdit : public QWidget, private ShellView {
  Q_OBJECT

 public:
  // Boxes and dialogs are Qt's own unless others are given (the tests answer them).
  explicit frmEdit(const ProgramFolders& folders, MessagePresenter* presenter = nullptr,
                   FileDialogs* dialogs = nullptr);

  // Start-up with its dictionary checks: false when the author ended the program.
  bool Form_Load();

  const GridDesigner& Designer() const { return shell_.Designer(); }
  int ShownPage() const { return shell_.ShownPage(); }

 signals:
  void ended();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ConnectPages();
  void ConnectFiles();
  void ConnectGrid();
  void ConnectAutoSettings();
  void ConnectOptions();
  void ShowMoveLabels(const StageViewModel& view);
  // A stage a full-auto run has made, on a board of its own size from its top left.
  void ShowMadeStage(const CrossMasMarks& marks);

  void optMakeMode_Click(int index);
  void optMakeMasMode_Click(int index);
  void optMasSizePattern_Click(int index);
  void tmrInfoMaking_Timer();
  // The progress mark and elapsed time of page 3 or 4 start or stop.
  void ShowProgress(int page, bool running);
  // The stage counters of a full-auto run appear or disappear.
  void ShowStageLabels(bool shown);

  // DesignerObserver
  void DictionaryChosen(const std::string& name, const std::string& folder) override;
  void GridFileNamed(const std::string& name, const std::string& folder) override;
  void ReadFileNamed(const std::string& name, const std::string& folder) override;
  void StageShown(int stage, int stageCount) override;
  void GridSizeShown(int MasMaxX, int MasMaxY) override;
  void WallCountShown(int walls) override;
  void GridReadFromFile() override;
  void SlotCountShown(std::optional<int> count) override;
  void GridMade(int MasMaxX, int MasMaxY, const StageViewModel& view) override;
  void GridShown(const CrossMasMarks& CrossMas) override;
  void MarkCutOffCells(const std::vector<MasPosition>& cells) override;
  MessageAnswer ShowMessage(int number, const CatalogueMessage& message) override;
  void PumpEvents() override;
  void WorkRunning(LongWork work, bool running) override;
  void ShowBusy(bool busy) override;
  void FullAutoRunStarted(int stageCount) override;
  void FullAutoRunEnded() override;
  void StageStarted(int stage) override;

  // ShellView
  void ShowPage(int page) override;
  void ShowRunButton(const std::string& caption, bool backEnabled) override;
  void ShowGridView(bool shown) override;
  void ShowStagesMade(bool complete) override;
  void ShowViewOrigin(const StageViewModel& view) override;
  void ShowStageSelector(int count, int stage) override;
  void ShowAutoSettings(const AutoSettings& settings) override;
  void DisableNotRandomize() override;
  void EndProgram() override;

  std::unique_ptr<MessagePresenter> ownPresenter_;
  std::unique_ptr<FileDialogs> ownDialogs_;
  MessagePresenter& presenter_;
  FileDialogs& dialogs_;
  EditControls c_;
  DesignerShell shell_;

  int InfoPageNmb = 3;              // the page whose progress mark blinks
  ElapsedTime InfoElapsed;          // since the running operation started
  int InfoBlink = 0;                // blink phase 0/1, kept between ticks
  StageRunProgress stageProgress_;  // the stages of a full-auto run
  bool holdingBoard_ = false;       // a full-auto run: the board shows only stages made
  CrossMasMarks heldMarks_;         // the walls last reported meanwhile
  CrossMasMarks madeMarks_;         // the last stage made, shown
  bool pumping_ = false;            // window events are let through during a long run
  bool ending_ = false;             // the program ends as soon as the long run has stopped
};

}  // namespace crossword::ui

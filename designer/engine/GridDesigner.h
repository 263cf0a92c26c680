#pragma once

#include <span>
#include <string>

#include "common/GridSettingsFile.h"
#include "common/ProgramFolders.h"
#include "common/RandomSource.h"
#include "designer/engine/DesignerFiles.h"
#include "designer/engine/DesignerMessages.h"
#include "designer/engine/DesignerObserver.h"
#include "designer/engine/EditedGrid.h"
#include "designer/engine/MakeFileRun.h"
#include "designer/engine/WallPlacement.h"

// Gridwright's state and operations: the dictionary and file names, the current grid with
// its walls, checks and slot counts, the automatic wall placement and the run that writes
// the grid settings file. Everything shown on screen goes through a DesignerObserver.
// The parts are bases so that the operations read the state by the names it has always
// had; the grid settings file page 2 reads changes only through ChooseReadFile and
// ChangeStage, and the placement's own marks only through the placement.
namespace crossword {

class GridDesigner : public DesignerFiles,
                     public EditedGrid,
                     private WallPlacement,
                     public MakeFileRun,
                     private ReadGridFile {
 public:
  // The default dictionary lies in the program folder or, installed, in the shared one.
  GridDesigner(DesignerObserver& observer, const ProgramFolders& folders);

  using WallPlacement::MasBarPattern;
  using WallPlacement::ShortestAnswer;

  RandomSource Random;  // every draw of sizes, walls and placement kinds

  const ReadGridFile& ReadFile() const { return *this; }

  // Shows catalogue message `number` with the values it names; returns the answer.
  MessageAnswer Ask(int number);

  // Dictionary and file names
  // Takes the dictionary at `path` with its word counts; the grid settings file follows it.
  void UseDictionary(const std::string& path, const WordCounts& counts);
  // The same as the author's choice, which is then told that the file name followed.
  void ChooseDictionary(const std::string& path, const WordCounts& counts);
  // The grid settings file to write: always with the extension ".gst".
  void ChooseMakeFile(const std::string& path);
  // Offers the grid settings file to write for reading on page 2, when it exists.
  void PresetReadFile();

  // Size and cells
  // A grid of this size with every cell open, on a fresh board.
  void MakeNewGrid(StageSize size);
  StageSize DrawMasSize(int pattern, const std::string& widthText, const std::string& heightText);
  void NewMasSize();
  void ClearMasBar();
  // A click on cell label k (row by row from 1): wall to open or open to wall.
  void ToggleCell(int k);
  void ShowMasBar();
  // Leaving page 2: true when page 3 may follow.
  bool CheckLeavePage2();

  // Checks and slots
  void CountWords();
  // 0: the grid may go on; 1: the author keeps page 3 to change the walls. Slots shorter
  // than ShortestAnswer are warned of like the walls.
  int CheckMasBar();
  // Leaving page 3: true when page 4 may follow.
  bool CheckLeavePage3();

  // Automatic wall placement
  // The page-3 button: clears the walls and places new ones of the chosen kind.
  void SetMasBar();
  // No slot shorter than `shortestAnswer` is made.
  bool MakeMasBar(int kind, int shortestAnswer = AnswerLenMin);
  void InitCrossMas();
  void PutBarPattern();
  // The walls of PutBarPattern placed in the top left quadrant and mirrored to the others.
  void PutBarQuadrants();
  void PutBarMidCol();
  void PutBarMidRow();
  void PutBarRandom();
  void PutBarFill();
  bool IsGoodLayout() const;

  // Writing the grid settings file: 1 when it is complete, 0 when a stage found no good
  // layout. The stages made until then are kept, also when the run is stopped.
  int RunMakeFile();
  void SetMasSizeAuto();
  bool SetMasBarAuto();

  // Reading a grid settings file on page 2. The stage number, count and name change only
  // once a stage has loaded; a file or stage that cannot be read is message 4.
  void ChooseReadFile(const std::string& path);
  // The stage selector moved to stage n.
  void ChangeStage(int n);
  // Takes stage n of the file as the current grid; false when the file has no stage n, a
  // FileError when the stage cannot be read (the grid then stays as it was).
  bool LoadStage(const std::string& path, int n);

 private:
  void Show(DesignerLabel label, const std::string& caption);
  void SetNowBarNmb(int walls);
  void ShowMasSize();
  void ShowMakeFileName();
  bool AcceptCutOffCells();
  int DrawKind(int option);
  void TryBarStep(std::initializer_list<MasPosition> cells);
  void AcceptBar(std::span<const MasPosition> cells);
  void WriteGridHeader(GridSettingsWriter& writer);
  int MakeStagesAuto(GridSettingsWriter& writer);
  bool WriteStagesAuto(GridSettingsWriter& writer);
  bool RetryLayout(bool ok, int StageNmbAuto);
  bool TryLoadStage(const std::string& path, int n);
  bool LoadStage(const GridSettingsFile& file, int n);
  int LoadFirstStage(const std::string& path);

  std::string GridFolderFor(const std::string& dicPath) const;

  DesignerObserver& observer_;
  ProgramFolders folders_;
  bool placing_ = false;  // an automatic placement runs and lets window events through
};

// 1 when a file can be created, written and deleted in folder fPath, else 0.
int CheckHDD(const std::string& fPath);

}  // namespace crossword

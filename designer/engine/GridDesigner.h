#pragma once

#include <string>

#include "common/GridSettingsFile.h"
#include "common/ProgramFolders.h"
#include "common/RandomSource.h"
#include "designer/engine/DesignerFiles.h"
#include "designer/engine/DesignerMessages.h"
#include "designer/engine/DesignerObserver.h"
#include "designer/engine/EditedGrid.h"
#include "designer/engine/GridFileReader.h"
#include "designer/engine/MakeFileRun.h"
#include "designer/engine/WallChecks.h"
#include "designer/engine/WallPlacement.h"

// Gridwright's state and operations: the dictionary and file names, the grid being edited
// with its size, and the parts that place walls, check them, write the grid settings file
// and read stages from one. Everything shown goes through a
// DesignerObserver.
namespace crossword {

class GridDesigner {
 public:
  // The default dictionary lies in the program folder or, installed, in the shared one.
  GridDesigner(DesignerObserver& observer, const ProgramFolders& folders);
  GridDesigner(const GridDesigner&) = delete;
  GridDesigner& operator=(const GridDesigner&) = delete;

  RandomSource Random;  // every draw of sizes, walls and placement kinds
  DesignerFiles Files;  // the dictionary and the grid settings file to write

  // The size of a new grid: its pattern 1..5 and the size typed for the custom one.
  int MasSizePattern = 2;
  TypedMasSize MasSizeCustom;
  // The automatic placement of the walls: its option 1..3 and the shortest slot.
  int MasBarPattern = MasBarPatternKind;
  int ShortestAnswer = AnswerLenMin;

  EditedGrid& Grid() { return grid_; }
  const EditedGrid& Grid() const { return grid_; }
  MakeFileRun& FileRun() { return run_; }
  const MakeFileRun& FileRun() const { return run_; }
  GridFileReader& Reader() { return reader_; }

  // Shows catalogue message `number` with the values it names; returns the answer.
  MessageAnswer Ask(int number);

  // Dictionary and file names
  // Takes the dictionary at `path` with its word counts; the grid settings file follows it.
  void UseDictionary(const std::string& path, const WordCounts& counts);
  // The same as the author's choice, which is then told that the file name followed.
  void ChooseDictionary(const std::string& path, const WordCounts& counts);
  // The grid settings file to write: always with the extension ".gst".
  void ChooseMakeFile(const std::string& path);

  // Size and cells
  void NewMasSize();
  void ClearMasBar();
  // A click on cell k (row by row from 1): wall to open or open to wall.
  void ToggleCell(int k);
  // Whether walls may be placed next: a stage read from a file is counted, a grid too
  // small is made anew, and a large one is warned of.
  bool GridIsReadyForWalls();

  // The walls' button: clears the walls and places new ones of the chosen kind.
  void SetMasBar();
  // Whether the grid may be written: its walls pass the checks or the author keeps them.
  bool GridIsReadyToWrite();

  // Writing the grid settings file: 1 when it is complete, 0 when a stage found no good
  // layout.
  int RunMakeFile() { return run_.RunMakeFile(); }

 private:
  void ShowMakeFileName();
  std::string GridFolderFor(const std::string& dicPath) const;

  DesignerObserver& observer_;
  ProgramFolders folders_;
  const AskMessage ask_ = [this](int number) { return Ask(number); };
  EditedGrid grid_;
  WallPlacement placement_;
  WallChecks checks_;
  MakeFileRun run_;
  GridFileReader reader_;
};

// 1 when a file can be created, written and deleted in folder fPath, else 0.
int CheckHDD(const std::string& fPath);

}  // namespace crossword

#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "common/GridModel.h"
#include "common/GridSettingsFile.h"
#include "common/ProgramFolders.h"
#include "common/RandomSource.h"
#include "common/WordSlots.h"
#include "designer/engine/DesignerMessages.h"
#include "designer/engine/DesignerObserver.h"
#include "dictionary/Dictionary.h"

// Gridwright's state and operations: the dictionary and file names, the current grid with
// its walls, checks and slot counts, the automatic wall placement and the run that writes
// the grid settings file. Everything shown on screen goes through a DesignerObserver.
namespace crossword {

constexpr int MakeMasBarAttempts = 10;  // attempts of one automatic placement run
constexpr int WordsPerSlotMin = 10;     // dictionary words a slot of each length needs
constexpr int MasSizeSmallMin = 5;      // page 2 replaces a narrower or lower grid
constexpr int MasCellsWarnMax = 400;    // page 2 warns about more cells

// Modes of page 1 (optMakeMode).
constexpr int MakeModeFullAuto = 1;
constexpr int MakeModeCustom = 2;

// Size patterns of DrawMasSize (optMasSizePattern).
constexpr int MasSizePatternCustom = 5;

// Wall placement kinds (optMasBarPattern); the option "either" draws one of the two.
constexpr int MasBarPatternKind = 1;
constexpr int MasBarRandomKind = 2;
constexpr int MasBarEitherOption = 3;

// A size typed for the custom pattern that makes no grid.
class MasSizeError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The settings of the full-auto mode, from its two detail pages.
struct AutoSettings {
  int MasSizePatternAuto = 1;                              // size pattern 1..5
  std::array<std::string, 2> MasSizeCustomAuto{"9", "9"};  // typed width and height
  bool ResetMasSize = true;                                // a new size for every stage
  int MasBarPatternAuto = MasBarPatternKind;               // wall placement option 1..3
  bool ResetMasBarPattern = true;                          // new walls for every stage
  int MakeStageNmbAuto = 3;    // stage count option: 1, 10, 20 stages, 4 the custom count
  int CrossStageNmbAuto = 25;  // the custom stage count, 1..99

  // The stages of a run: 1, 10, 20 or the custom count (1 when no option is chosen).
  int StageNmbAuto() const;
  // Back to the first detail page's defaults (index 1) or the second's (index 2).
  void InitAuto(int index);
};

class GridDesigner {
 public:
  // The default dictionary lies in the program folder or, installed, in the shared one.
  GridDesigner(DesignerObserver& observer, const ProgramFolders& folders);

  // Dictionary and grid settings file
  std::string DicFileName = kDefaultDictionaryName;  // dictionary file name
  std::string DicPath;                               // dictionary folder, ending with "/"
  std::string MakeFileName;                          // grid settings file to write
  std::string MakeFileDir;                           // its folder, ending with "/"
  WordCounts DicWordNmb{};                           // dictionary words of each length 2..12

  // The current grid
  CrossMasMarks CrossMas;      // DispWChr of every cell: a wall or an open cell
  CrossMasMarks SaveWChr;      // every mark at the last accepted automatic placement step
  WordStatistics WordCount;    // QuesNmbMax, WordLenMax and WordLenNmb at the last count
  StageViewModel View;         // the part of the grid the board window shows
  int NowBarNmb = 0;           // the wall count shown
  bool StageFromFile = false;  // the grid is a stage read from a file and not yet counted

  // Choices on the pages
  int MakeMode = MakeModeFullAuto;                     // page 1: full-auto or custom
  int MasSizePattern = 2;                              // page 2: size pattern 1..5
  std::array<std::string, 2> MasSizeCustom{"9", "9"};  // page 2: typed width and height
  int MasBarPattern = MasBarPatternKind;               // page 3: wall placement option 1..3
  AutoSettings Auto;                                   // the full-auto detail pages

  // The grid settings file page 2 reads
  std::string ReadFileName = "(未)?.gst";  // its name
  std::string ReadFileDir;                 // its folder, ending with "/"
  int CrossStageNmbMax = 1;                // its number of stages
  int CrossStageNmb = 1;                   // the stage shown

  RandomSource Random;  // every draw of sizes, walls and placement kinds

  int MasMaxX() const { return CrossMas.MasMaxX(); }
  int MasMaxY() const { return CrossMas.MasMaxY(); }

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
  // 0: the grid may go on; 1: the author keeps page 3 to change the walls.
  int CheckMasBar();
  // Leaving page 3: true when page 4 may follow.
  bool CheckLeavePage3();

  // Automatic wall placement
  // The page-3 button: clears the walls and places new ones of the chosen kind.
  void SetMasBar();
  bool MakeMasBar(int kind);
  void InitCrossMas();
  void PutBarPattern();
  // The walls of PutBarPattern placed in the top left quadrant and mirrored to the others.
  void PutBarQuadrants();
  void PutBarMidCol();
  void PutBarMidRow();
  void PutBarRandom();
  void PutBarFill();
  void AcceptBar();
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
  int DrawKind(int option);
  void TryBarStep(std::initializer_list<MasPosition> cells);
  void WriteGridHeader(GridSettingsWriter& writer);
  int MakeStagesAuto(GridSettingsWriter& writer);
  bool WriteStagesAuto(GridSettingsWriter& writer);
  bool RetryLayout(bool ok, int StageNmbAuto);
  bool TryLoadStage(const std::string& path, int n);

  std::string GridFolderFor(const std::string& dicPath) const;

  DesignerObserver& observer_;
  ProgramFolders folders_;
  bool placing_ = false;  // an automatic placement runs and lets window events through
};

// 1 when a file can be created, written and deleted in folder fPath, else 0.
int CheckHDD(const std::string& fPath);

}  // namespace crossword

#pragma once

#include "common/GridSettingsFile.h"
#include "common/RandomSource.h"
#include "designer/engine/DesignerFiles.h"
#include "designer/engine/DesignerObserver.h"
#include "designer/engine/EditedGrid.h"
#include "designer/engine/WallPlacement.h"

// The run that writes the grid settings file: the one grid of the custom mode, or the
// stages the full-auto mode lays out one by one.
namespace crossword {

// The two ways of making a grid settings file.
enum MakeModeOption : int { MakeModeFullAuto = 1, MakeModeCustom = 2 };

// The settings of the full-auto mode.
struct AutoSettings {
  int MasSizePatternAuto = 1;                 // size pattern 1..5
  TypedMasSize MasSizeCustomAuto;             // typed width and height
  bool ResetMasSize = true;                   // a new size for every stage
  int MasBarPatternAuto = MasBarPatternKind;  // wall placement option 1..3
  bool ResetMasBarPattern = true;             // new walls for every stage
  int ShortestAnswerAuto = AnswerLenMin;      // the shortest slot a layout may have
  int MakeStageNmbAuto = 3;    // stage count option: 1, 10, 20 stages, 4 the custom count
  int CrossStageNmbAuto = 25;  // the custom stage count, 1..99

  // The stages of a run: 1, 10, 20 or the custom count (1 when no option is chosen).
  int StageNmbAuto() const;
  // Back to the defaults of the size and wall settings (index 1) or of the stage count (2).
  void InitAuto(int index);
};

// Needs the dictionary and the grid settings file to write (read when a run starts), the
// grid being edited (written as it stands, or laid out anew for each full-auto stage),
// the wall placement, the random draws of sizes and the observer. Gives the run.
class MakeFileRun {
 public:
  MakeFileRun(const DesignerFiles& files, EditedGrid& grid, WallPlacement& placement,
              RandomSource& random, DesignerObserver& observer)
      : files_(files), grid_(grid), placement_(placement), random_(random), observer_(observer) {}

  MakeModeOption MakeMode = MakeModeFullAuto;  // full-auto or custom
  AutoSettings Auto;                           // the full-auto settings

  // 1 when the file is complete, 0 when a stage found no good layout. The stages made
  // until then are kept, also when the run is stopped.
  int RunMakeFile();

 private:
  void WriteGridHeader(GridSettingsWriter& writer);
  int MakeStagesAuto(GridSettingsWriter& writer);
  bool WriteStagesAuto(GridSettingsWriter& writer);
  bool RetryLayout(bool ok, int StageNmbAuto);
  void SetMasSizeAuto();
  bool SetMasBarAuto();

  const DesignerFiles& files_;
  EditedGrid& grid_;
  WallPlacement& placement_;
  RandomSource& random_;
  DesignerObserver& observer_;
};

}  // namespace crossword

#pragma once

#include <array>
#include <string>

#include "designer/engine/WallPlacement.h"

// The page-4 run that writes the grid settings file: the mode of page 1 and the settings
// of the full-auto mode's batch of stages.
namespace crossword {

// Modes of page 1 (optMakeMode).
enum MakeModeOption : int { MakeModeFullAuto = 1, MakeModeCustom = 2 };

// The settings of the full-auto mode, from its two detail pages.
struct AutoSettings {
  int MasSizePatternAuto = 1;                              // size pattern 1..5
  std::array<std::string, 2> MasSizeCustomAuto{"9", "9"};  // typed width and height
  bool ResetMasSize = true;                                // a new size for every stage
  int MasBarPatternAuto = MasBarPatternKind;               // wall placement option 1..3
  bool ResetMasBarPattern = true;                          // new walls for every stage
  int ShortestAnswerAuto = AnswerLenMin;                   // the shortest slot a layout may have
  int MakeStageNmbAuto = 3;    // stage count option: 1, 10, 20 stages, 4 the custom count
  int CrossStageNmbAuto = 25;  // the custom stage count, 1..99

  // The stages of a run: 1, 10, 20 or the custom count (1 when no option is chosen).
  int StageNmbAuto() const;
  // Back to the first detail page's defaults (index 1) or the second's (index 2).
  void InitAuto(int index);
};

struct MakeFileRun {
  MakeModeOption MakeMode = MakeModeFullAuto;  // page 1: full-auto or custom
  AutoSettings Auto;                           // the full-auto detail pages
};

}  // namespace crossword

#pragma once

#include <initializer_list>
#include <span>

#include "common/GridModel.h"
#include "common/GridSettingsFile.h"
#include "common/RandomSource.h"
#include "common/WordSlots.h"
#include "designer/engine/DesignerObserver.h"
#include "dictionary/Dictionary.h"

// The automatic wall placement, for the grid being edited and for every full-auto stage.
namespace crossword {

constexpr int MakeMasBarAttempts = 10;  // attempts of one automatic placement run
constexpr int WordsPerSlotMin = 10;     // dictionary words a slot of each length needs

// Wall placement kinds; the option "either" draws one of the two.
constexpr int MasBarPatternKind = 1;
constexpr int MasBarRandomKind = 2;
constexpr int MasBarEitherOption = 3;

// English crosswords ask no answer shorter than three letters.
constexpr int ShortestAnswerEnglish = 3;
// Without two-letter answers walls stand far apart; an open block of 4 x 4 or 3 x 6 cells
// interlocks more long words than a grid can be filled with.
constexpr int OpenBlockSideEnglish = 3;
constexpr int OpenBlockCellsEnglish = 16;

// Whether the dictionary holds WordsPerSlotMin words for every slot of a layout with these
// counts, and the layout has no slot shorter than `shortestAnswer` (nor, without two-letter
// answers, an open block).
bool IsGoodLayout(const CrossMasMarks& CrossMas, const WordStatistics& WordCount,
                  const WordCounts& DicWordNmb, int shortestAnswer);

// Needs the random draws, the dictionary's word counts of each length (read at every
// attempt) and the observer, whose events it lets through between attempts. Gives a
// layout of walls for a grid size with its slot counts.
class WallPlacement {
 public:
  WallPlacement(RandomSource& random, const WordCounts& DicWordNmb, DesignerObserver& observer)
      : random_(random), DicWordNmb_(DicWordNmb), observer_(observer) {}

  // The kind for a placement option: "either" draws one of the two.
  int DrawKind(int option);
  // Up to MakeMasBarAttempts attempts at walls of `kind` in an open grid of `size` with no
  // slot shorter than `shortestAnswer`; after none passed, the grid is left open.
  bool MakeMasBar(StageSize size, int kind, int shortestAnswer = AnswerLenMin);
  bool Placing() const { return placing_; }

  // The layout of the last placement or step, and its slots at the last count.
  const CrossMasMarks& CrossMas() const { return CrossMas_; }
  const WordStatistics& WordCount() const { return WordCount_; }

  // The steps of an attempt, on the layout as it stands.
  void InitCrossMas(StageSize size);
  void PutBarPattern();
  // The walls of PutBarPattern placed in the top left quadrant and mirrored to the others.
  void PutBarQuadrants();
  void PutBarMidCol();
  void PutBarMidRow();
  void PutBarRandom();
  void PutBarFill();

 private:
  void TryBarStep(std::initializer_list<MasPosition> cells);
  void AcceptBar(std::span<const MasPosition> cells);
  bool IsGoodLayout() const;

  RandomSource& random_;
  const WordCounts& DicWordNmb_;
  DesignerObserver& observer_;
  CrossMasMarks CrossMas_;            // the layout being made
  CrossMasMarks SaveWChr;             // every mark at the last accepted step
  WordStatistics WordCount_;          // its slots at the last count
  int ShortestPlaced = AnswerLenMin;  // the shortest slot the running placement makes
  bool placing_ = false;              // a placement runs and lets window events through
};

}  // namespace crossword

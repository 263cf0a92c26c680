#include "designer/engine/WallPlacement.h"

#include "common/OnScopeExit.h"
#include "designer/engine/GridChecks.h"

// The automatic wall placement: random steps of one to four walls, each kept only while
// no two walls touch, every open cell stays connected to the others and no slot is
// shorter than the convention asks, until the slots suit the dictionary.
namespace crossword {

namespace {

// The columns (or rows) of the quadrant the pattern trials choose from: an odd size
// includes its centre line, an even one stops short of its two middle lines.
int HalfOf(int size) {
  return size % 2 == 0 ? size / 2 - 1 : size / 2 + 1;
}

// The lines the middle-line trials choose from: up to and including the centre.
int HalfUpToCentre(int size) {
  return (size + 1) / 2;
}

// The eight orders of the fill pass: along rows or columns, each loop forwards or back.
struct FillOrder {
  bool alongRows;  // outer loop over rows, inner over columns
  bool outerBack;
  bool innerBack;
};
constexpr FillOrder kFillOrders[] = {
    {true, false, false}, {false, false, false}, {true, false, true}, {false, true, false},
    {true, true, false},  {false, false, true},  {true, true, true},  {false, true, true},
};

int Step(int i, int count, bool back) {
  return back ? count - i + 1 : i;
}

}  // namespace

int WallPlacement::DrawKind(int option) {
  return option == MasBarEitherOption ? random_.Draw(1, 2) : option;
}

bool WallPlacement::MakeMasBar(StageSize size, int kind, int shortestAnswer) {
  ShortestPlaced = shortestAnswer;
  placing_ = true;
  observer_.ShowBusy(true);
  const OnScopeExit done([this] {
    observer_.ShowBusy(false);
    placing_ = false;
  });
  for (int attempt = 1; attempt <= MakeMasBarAttempts; ++attempt) {
    observer_.PumpEvents();
    InitCrossMas(size);
    kind == MasBarPatternKind ? PutBarPattern() : PutBarRandom();
    WordCount_ = CountWords(CrossMas_);
    if (IsGoodLayout()) return true;
    observer_.PumpEvents();
    PutBarFill();
    WordCount_ = CountWords(CrossMas_);
    if (IsGoodLayout()) return true;
  }
  InitCrossMas(size);
  return false;
}

void WallPlacement::InitCrossMas(StageSize size) {
  CrossMas_ = CrossMasMarks(size.MasMaxX, size.MasMaxY, BlankMark);
  SaveWChr = CrossMas_;
}

void WallPlacement::TryBarStep(std::initializer_list<MasPosition> cells) {
  const MasPosition chosen = *cells.begin();
  if (IsWall(CrossMas_(chosen.x, chosen.y))) return;
  for (const MasPosition& cell : cells) CrossMas_(cell.x, cell.y) = WallMark;
  AcceptBar(cells);
}

// Keeps the step's walls only while the grid stays sound; only their cells change.
void WallPlacement::AcceptBar(std::span<const MasPosition> cells) {
  const bool sound = NewWallsKeepGridSound(CrossMas_, cells, ShortestPlaced);
  for (const MasPosition& cell : cells) {
    if (sound) {
      SaveWChr(cell.x, cell.y) = CrossMas_(cell.x, cell.y);
    } else {
      CrossMas_(cell.x, cell.y) = SaveWChr(cell.x, cell.y);
    }
  }
}

void WallPlacement::PutBarPattern() {
  PutBarQuadrants();
  if (CrossMas_.MasMaxX() % 2 == 0) PutBarMidCol();
  if (CrossMas_.MasMaxY() % 2 == 0) PutBarMidRow();
}

void WallPlacement::PutBarQuadrants() {
  const int width = CrossMas_.MasMaxX();
  const int height = CrossMas_.MasMaxY();
  const int HalfX = HalfOf(width);
  const int HalfY = HalfOf(height);
  for (int trial = 0; trial < HalfX * HalfY; ++trial) {
    const int x = random_.Draw(1, HalfX);
    const int y = random_.Draw(1, HalfY);
    TryBarStep({{x, y}, {width - x + 1, y}, {x, height - y + 1}, {width - x + 1, height - y + 1}});
  }
}

void WallPlacement::PutBarMidCol() {
  const int width = CrossMas_.MasMaxX();
  const int height = CrossMas_.MasMaxY();
  const int MidX = width / 2;
  const int HalfY2 = HalfUpToCentre(height);
  const int symmetry = random_.Draw(0, 2);
  for (int trial = 0; trial < 2 * HalfY2; ++trial) {
    const int x = random_.Draw(MidX, 2);
    const int y = random_.Draw(1, HalfY2);
    // 0: mirrored in the same column; 1: through the centre, into the other middle column.
    const MasPosition mirror =
        symmetry == 0 ? MasPosition{x, height - y + 1} : MasPosition{width - x + 1, height - y + 1};
    TryBarStep({{x, y}, mirror});
  }
}

void WallPlacement::PutBarMidRow() {
  const int width = CrossMas_.MasMaxX();
  const int height = CrossMas_.MasMaxY();
  const int MidY = height / 2;
  const int HalfX2 = HalfUpToCentre(width);
  const int symmetry = random_.Draw(0, 2);
  for (int trial = 0; trial < 2 * HalfX2; ++trial) {
    const int x = random_.Draw(1, HalfX2);
    const int y = random_.Draw(MidY, 2);
    // 0: mirrored in the same row; 1: through the centre, into the other middle row.
    const MasPosition mirror =
        symmetry == 0 ? MasPosition{width - x + 1, y} : MasPosition{width - x + 1, height - y + 1};
    TryBarStep({{x, y}, mirror});
  }
}

void WallPlacement::PutBarRandom() {
  for (int trial = 0; trial < CrossMas_.MasMaxX() * CrossMas_.MasMaxY(); ++trial) {
    const int x = random_.Draw(1, CrossMas_.MasMaxX());
    const int y = random_.Draw(1, CrossMas_.MasMaxY());
    TryBarStep({{x, y}});
  }
}

void WallPlacement::PutBarFill() {
  const FillOrder order = kFillOrders[random_.Draw(0, 8)];
  const int outerCount = order.alongRows ? CrossMas_.MasMaxY() : CrossMas_.MasMaxX();
  const int innerCount = order.alongRows ? CrossMas_.MasMaxX() : CrossMas_.MasMaxY();
  for (int i = 1; i <= outerCount; ++i) {
    const int outer = Step(i, outerCount, order.outerBack);
    for (int j = 1; j <= innerCount; ++j) {
      const int inner = Step(j, innerCount, order.innerBack);
      order.alongRows ? TryBarStep({{inner, outer}}) : TryBarStep({{outer, inner}});
    }
  }
}

bool IsGoodLayout(const CrossMasMarks& CrossMas, const WordStatistics& WordCount,
                  const WordCounts& DicWordNmb, int shortestAnswer) {
  if (WordCount.WordLenMax > AnswerLenMax) return false;
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    const int slots = WordCount.WordLenNmb[length];
    if (length < shortestAnswer && slots > 0) return false;
    if (DicWordNmb[length] < WordsPerSlotMin * slots) return false;
  }
  return shortestAnswer == AnswerLenMin ||
         !FindOpenBlock(CrossMas, OpenBlockSideEnglish, OpenBlockCellsEnglish);
}

bool WallPlacement::IsGoodLayout() const {
  return crossword::IsGoodLayout(CrossMas_, WordCount_, DicWordNmb_, ShortestPlaced);
}

}  // namespace crossword

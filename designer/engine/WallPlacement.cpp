#include "designer/engine/GridDesigner.h"
#include "designer/engine/OnScopeExit.h"

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

void GridDesigner::SetMasBar() {
  if (placing_) return;
  observer_.ShowProgress(3, true);
  const OnScopeExit stopProgress([this] { observer_.ShowProgress(3, false); });
  ClearMasBar();
  const int kind = DrawKind(MasBarPattern);
  const bool made = MakeMasBar(kind, ShortestAnswer);
  if (!made) Ask(DesignerMsg::NoLayoutFound);
  ShowMasBar();
  // A failed run leaves a grid without walls whose slots were never counted.
  if (!made) WordCount = WordStatistics{};
  Show(DesignerLabel::lblWordNmbMax, std::to_string(WordCount.QuesNmbMax));
}

int GridDesigner::DrawKind(int option) {
  return option == MasBarEitherOption ? Random.Draw(1, 2) : option;
}

bool GridDesigner::MakeMasBar(int kind, int shortestAnswer) {
  ShortestPlaced = shortestAnswer;
  placing_ = true;
  observer_.ShowBusy(true);
  const OnScopeExit done([this] {
    observer_.ShowBusy(false);
    placing_ = false;
  });
  for (int attempt = 1; attempt <= MakeMasBarAttempts; ++attempt) {
    observer_.PumpEvents();
    InitCrossMas();
    kind == MasBarPatternKind ? PutBarPattern() : PutBarRandom();
    CountWords();
    if (IsGoodLayout()) return true;
    observer_.PumpEvents();
    PutBarFill();
    CountWords();
    if (IsGoodLayout()) return true;
  }
  InitCrossMas();
  return false;
}

void GridDesigner::InitCrossMas() {
  CrossMas = CrossMasMarks(MasMaxX(), MasMaxY(), BlankMark);
  SaveWChr = CrossMas;
}

void GridDesigner::TryBarStep(std::initializer_list<MasPosition> cells) {
  const MasPosition chosen = *cells.begin();
  if (IsWall(CrossMas(chosen.x, chosen.y))) return;
  for (const MasPosition& cell : cells) CrossMas(cell.x, cell.y) = WallMark;
  AcceptBar(cells);
}

// Keeps the step's walls only while the grid stays sound; only their cells change.
void GridDesigner::AcceptBar(std::span<const MasPosition> cells) {
  const bool sound = NewWallsKeepGridSound(CrossMas, cells, ShortestPlaced);
  for (const MasPosition& cell : cells) {
    if (sound) {
      SaveWChr(cell.x, cell.y) = CrossMas(cell.x, cell.y);
    } else {
      CrossMas(cell.x, cell.y) = SaveWChr(cell.x, cell.y);
    }
  }
}

void GridDesigner::PutBarPattern() {
  PutBarQuadrants();
  if (MasMaxX() % 2 == 0) PutBarMidCol();
  if (MasMaxY() % 2 == 0) PutBarMidRow();
}

void GridDesigner::PutBarQuadrants() {
  const int width = MasMaxX();
  const int height = MasMaxY();
  const int HalfX = HalfOf(width);
  const int HalfY = HalfOf(height);
  for (int trial = 0; trial < HalfX * HalfY; ++trial) {
    const int x = Random.Draw(1, HalfX);
    const int y = Random.Draw(1, HalfY);
    TryBarStep({{x, y}, {width - x + 1, y}, {x, height - y + 1}, {width - x + 1, height - y + 1}});
  }
}

void GridDesigner::PutBarMidCol() {
  const int width = MasMaxX();
  const int height = MasMaxY();
  const int MidX = width / 2;
  const int HalfY2 = HalfUpToCentre(height);
  const int symmetry = Random.Draw(0, 2);
  for (int trial = 0; trial < 2 * HalfY2; ++trial) {
    const int x = Random.Draw(MidX, 2);
    const int y = Random.Draw(1, HalfY2);
    // 0: mirrored in the same column; 1: through the centre, into the other middle column.
    const MasPosition mirror =
        symmetry == 0 ? MasPosition{x, height - y + 1} : MasPosition{width - x + 1, height - y + 1};
    TryBarStep({{x, y}, mirror});
  }
}

void GridDesigner::PutBarMidRow() {
  const int width = MasMaxX();
  const int height = MasMaxY();
  const int MidY = height / 2;
  const int HalfX2 = HalfUpToCentre(width);
  const int symmetry = Random.Draw(0, 2);
  for (int trial = 0; trial < 2 * HalfX2; ++trial) {
    const int x = Random.Draw(1, HalfX2);
    const int y = Random.Draw(MidY, 2);
    // 0: mirrored in the same row; 1: through the centre, into the other middle row.
    const MasPosition mirror =
        symmetry == 0 ? MasPosition{width - x + 1, y} : MasPosition{width - x + 1, height - y + 1};
    TryBarStep({{x, y}, mirror});
  }
}

void GridDesigner::PutBarRandom() {
  for (int trial = 0; trial < MasMaxX() * MasMaxY(); ++trial) {
    const int x = Random.Draw(1, MasMaxX());
    const int y = Random.Draw(1, MasMaxY());
    TryBarStep({{x, y}});
  }
}

void GridDesigner::PutBarFill() {
  const FillOrder order = kFillOrders[Random.Draw(0, 8)];
  const int outerCount = order.alongRows ? MasMaxY() : MasMaxX();
  const int innerCount = order.alongRows ? MasMaxX() : MasMaxY();
  for (int i = 1; i <= outerCount; ++i) {
    const int outer = Step(i, outerCount, order.outerBack);
    for (int j = 1; j <= innerCount; ++j) {
      const int inner = Step(j, innerCount, order.innerBack);
      order.alongRows ? TryBarStep({{inner, outer}}) : TryBarStep({{outer, inner}});
    }
  }
}

bool GridDesigner::IsGoodLayout() const {
  if (WordCount.WordLenMax > AnswerLenMax) return false;
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    const int slots = WordCount.WordLenNmb[length];
    if (length < ShortestPlaced && slots > 0) return false;
    if (DicWordNmb[length] < WordsPerSlotMin * slots) return false;
  }
  return ShortestPlaced == AnswerLenMin ||
         !FindOpenBlock(CrossMas, OpenBlockSideEnglish, OpenBlockCellsEnglish);
}

}  // namespace crossword

#include "generator/engine/Generator.h"
#include "puzzle/KeywordChoice.h"

namespace crossword {

namespace {

// Fills of one grid tried for one that gives the keyword good cells.
constexpr int kKeywordAttempts = 12;

}  // namespace

// Each fill found is kept only when its letters give the keyword good cells; another one is
// then searched from the clean grid, on the random numbers the last one left.
FillResult Generator::FillHoldingKeyword(const std::u32string& keyword) {
  for (int attempt = 1; attempt <= kKeywordAttempts; ++attempt) {
    const FillResult result = FillStageThorough();
    if (result != FillResult::Filled) return result;
    if (PlaceKeyword(keyword)) return FillResult::Filled;
    RestoreBaseGrid();
  }
  unfilled_ = {};
  unfilled_.cause = UnfilledGrid::Cause::NoKeyword;
  unfilled_.attempts = kKeywordAttempts;
  return FillResult::Failed;
}

// The best cells for the keyword in the filled grid; nothing when none keeps the rules.
std::optional<StageKeyword> Generator::PlaceKeyword(const std::u32string& keyword) const {
  CrossMasMarks letters(CrossMas.MasMaxX(), CrossMas.MasMaxY());
  for (int y = 1; y <= CrossMas.MasMaxY(); ++y) {
    for (int x = 1; x <= CrossMas.MasMaxX(); ++x) letters(x, y) = CrossMas(x, y).DispWChr;
  }
  const auto choices = ChooseKeywordCells(letters, keyword, 1);
  if (choices.empty()) return std::nullopt;
  return StageKeyword{keyword, choices[0].Cells};
}

}  // namespace crossword

#include <algorithm>

#include "generator/engine/Generator.h"
#include "puzzle/KeywordChoice.h"

namespace crossword {

namespace {

// Fills of one grid tried for one that gives the keyword good cells.
constexpr int kKeywordAttempts = 12;

}  // namespace

// Each fill found is kept, with the stage's marks, only when its letters give the keyword
// good cells; another one is then searched from the clean grid, favouring readings that
// hold the letters it lacked.
FillResult Generator::FillHoldingKeyword(int stage, const std::u32string& keyword) {
  struct Forget {
    std::u32string& letters;
    ~Forget() { letters.clear(); }
  } const forget{keywordWanted_};
  for (int attempt = 1; attempt <= kKeywordAttempts; ++attempt) {
    const FillResult result = FillStageThorough();
    if (result != FillResult::Filled) return result;
    if (std::optional<StageKeyword> marks = PlaceKeyword(keyword)) {
      keywordMarks_.resize(std::max<size_t>(keywordMarks_.size(), stage));
      keywordMarks_[stage - 1] = std::move(marks);
      return FillResult::Filled;
    }
    const std::u32string lacking = MissingLetters(GridLetters(), keyword);
    keywordWanted_ = lacking.empty() ? keyword : lacking;
    RestoreBaseGrid();
  }
  unfilled_ = {};
  unfilled_.cause = UnfilledGrid::Cause::NoKeyword;
  unfilled_.attempts = kKeywordAttempts;
  return FillResult::Failed;
}

CrossMasMarks Generator::GridLetters() const {
  CrossMasMarks letters(CrossMas.MasMaxX(), CrossMas.MasMaxY());
  for (int y = 1; y <= CrossMas.MasMaxY(); ++y) {
    for (int x = 1; x <= CrossMas.MasMaxX(); ++x) letters(x, y) = CrossMas(x, y).DispWChr;
  }
  return letters;
}

// The best cells for the keyword in the filled grid; nothing when none keeps the rules.
std::optional<StageKeyword> Generator::PlaceKeyword(const std::u32string& keyword) const {
  const auto choices = ChooseKeywordCells(GridLetters(), keyword, 1);
  if (choices.empty()) return std::nullopt;
  return StageKeyword{keyword, choices[0].Cells};
}

}  // namespace crossword

#include <algorithm>

#include "common/OnScopeExit.h"
#include "generator/engine/ThoroughFill.h"
#include "puzzle/KeywordChoice.h"

namespace crossword {

namespace {

// Fills of one grid tried for one that gives the keyword good cells.
constexpr int kKeywordAttempts = 12;

}  // namespace

// Each fill found is kept, with the stage's marks, only when its letters give the keyword
// good cells; another one is then searched, favouring readings that hold the letters it
// lacked.
ThoroughFill::GridFill ThoroughFill::FillHoldingKeyword(int stage, const std::u32string& keyword,
                                                        int restartMax) {
  const OnScopeExit forget([this] { keywordWanted_.clear(); });
  for (int attempt = 1; attempt <= kKeywordAttempts; ++attempt) {
    GridFill fill = Fill(restartMax);
    if (fill.result != FillResult::Filled) return fill;
    const CrossMasMarks letters = FilledLetters(fill.words);
    if (const auto choices = ChooseKeywordCells(letters, keyword, 1); !choices.empty()) {
      keywordMarks_.resize(std::max<size_t>(keywordMarks_.size(), stage));
      keywordMarks_[stage - 1] = StageKeyword{keyword, choices[0].Cells};
      return fill;
    }
    const std::u32string lacking = MissingLetters(letters, keyword);
    keywordWanted_ = lacking.empty() ? keyword : lacking;
  }
  GridFill unfilled;
  unfilled.unfilled.cause = UnfilledGrid::Cause::NoKeyword;
  unfilled.unfilled.attempts = kKeywordAttempts;
  return unfilled;
}

// The grid's letters with every slot holding its word of the fill.
CrossMasMarks ThoroughFill::FilledLetters(const std::vector<WordRecord>& words) const {
  const GeneratorMas& cells = grid_.CrossMas;
  CrossMasMarks letters(cells.MasMaxX(), cells.MasMaxY());
  for (int y = 1; y <= cells.MasMaxY(); ++y) {
    for (int x = 1; x <= cells.MasMaxX(); ++x) letters(x, y) = cells(x, y).DispWChr;
  }
  for (int s = 1; s <= grid_.QuesNmbMax(); ++s) {
    const GeneratorSlot& slot = grid_.Slot(s);
    for (int i = 1; i <= slot.AnswerLen; ++i) {
      letters(slot.CellX(i), slot.CellY(i)) = words[s - 1].Yst[i - 1];
    }
  }
  return letters;
}

}  // namespace crossword

#include "generator/engine/WordSwap.h"

#include <algorithm>

#include "common/FileError.h"
#include "common/FileNames.h"
#include "common/TextCodec.h"
#include "dictionary/RankPreference.h"
#include "generator/engine/Generator.h"
#include "generator/engine/PuzzleSetEdit.h"

namespace crossword {

namespace {

constexpr int kNoSizePattern = -1;  // no grid file suggests a rank: every box starts checked

std::string Quoted(std::u32string_view text) {
  return "'" + ToUtf8(text) + "'";
}

}  // namespace

RankSelections::RankSelections(const std::filesystem::path& dictionary) {
  const std::string DicPath = FolderOf(dictionary);
  for (int rank = 1; rank <= DifficultRankMax; ++rank) {
    QuestionSelection selection;
    if (selection.MakeIdxFileName(DicPath, dictionary.filename().string()) == 0) {
      throw FileError(dictionary, "the dictionary has no index file " + selection.IdxFileName() +
                                      " beside it, so no rank's words are known");
    }
    selection.LoadIndex(DicPath, kNoSizePattern);
    selection.SelectDifficultRank(rank);
    selection.CollectCategoryOn();
    selection.CollectListOn();
    selection.CollectDifficultRank();
    ranks_.push_back(std::move(selection));
  }
}

int RankSelections::EasiestRank(int CN, int BN) const {
  for (int rank = 1; rank <= DifficultRankMax; ++rank) {
    if (OfRank(rank).Admits(CN, BN)) return rank;
  }
  return 0;
}

SlotSwap::SlotSwap(const PuzzleStage& stage, const PuzzleHint& hint, const Dictionary& dictionary,
                   const WordIndex& words, const RankSelections& ranks, int rank)
    : stage_(stage),
      hint_(hint),
      dictionary_(dictionary),
      words_(words),
      ranks_(ranks),
      rank_(rank) {
  for (int i = 1; i <= hint.Slot.AnswerLen; ++i) {
    const int x = hint.Slot.CellX(i), y = hint.Slot.CellY(i);
    pattern_ += stage.CellKinds(x, y) == KindCross ? stage.Answers(x, y) : BlankMark;
  }
}

std::vector<SwapCandidate> SlotSwap::Candidates() const {
  const int length = hint_.Slot.AnswerLen;
  std::vector<SwapCandidate> candidates;
  for (int k : words_.FindAll(length, CandidateQueries::MakeQueryFilter(pattern_, length))) {
    WordRecord word = words_.Record(length, k);
    if (word.ID == hint_.ID || !IsAdmitted(word) || ExcludingHint(word) != nullptr) continue;
    const int easiest = ranks_.EasiestRank(word.CN, word.BN);
    candidates.push_back({std::move(word), easiest});
  }
  std::stable_sort(
      candidates.begin(), candidates.end(),
      [](const SwapCandidate& a, const SwapCandidate& b) { return a.EasiestRank < b.EasiestRank; });
  return candidates;
}

std::vector<SwapCandidate> SlotSwap::PreferredCandidates() const {
  const QuestionSelection& selection = ranks_.OfRank(rank_);
  const RankPreference preference(selection.CategoryTable(), selection.ListTable(), rank_);
  std::vector<SwapCandidate> candidates = Candidates();
  std::stable_sort(
      candidates.begin(), candidates.end(), [&](const SwapCandidate& a, const SwapCandidate& b) {
        return preference.Tier(a.Word.CN, a.Word.BN) < preference.Tier(b.Word.CN, b.Word.BN);
      });
  return candidates;
}

SwapAmbiguous::SwapAmbiguous(const std::u32string& reading, std::vector<std::u32string> written)
    : SwapRefused("several words read " + Quoted(reading) + " fit; name the written form"),
      written_(std::move(written)) {}

// Without a written form, a reading must name one word: the author chooses, not the order.
WordRecord SlotSwap::WordFor(const std::u32string& reading, const std::u32string& written) const {
  std::vector<WordRecord> fitting;
  for (const SwapCandidate& candidate : Candidates()) {
    if (candidate.Word.Yst == reading) fitting.push_back(candidate.Word);
  }
  if (fitting.empty()) throw SwapRefused(WhyNot(reading));
  if (!written.empty()) {
    for (const WordRecord& word : fitting) {
      if (word.Ast == written) return word;
    }
    throw SwapRefused("no word " + Quoted(reading) + " that fits is written " + Quoted(written));
  }
  std::vector<std::u32string> forms;
  for (const WordRecord& word : fitting) {
    if (std::find(forms.begin(), forms.end(), word.Ast) == forms.end()) forms.push_back(word.Ast);
  }
  if (forms.size() > 1) throw SwapAmbiguous(reading, forms);
  return fitting.front();
}

bool SlotSwap::IsAdmitted(const WordRecord& word) const {
  return ranks_.OfRank(rank_).Admits(word.CN, word.BN);
}

// The first other word of the stage that the fill's rules keep from sharing it with `word`.
const PuzzleHint* SlotSwap::ExcludingHint(const WordRecord& word) const {
  for (const auto* hints : {&stage_.Across, &stage_.Down}) {
    for (const PuzzleHint& other : *hints) {
      if (other.Number != hint_.Number &&
          ExcludedBy(word, HintWord(other), ranks_.OfRank(rank_).ListOn())) {
        return &other;
      }
    }
  }
  return nullptr;
}

std::string SlotSwap::WhyNot(const std::u32string& reading) const {
  const int length = hint_.Slot.AnswerLen;
  const std::string word = Quoted(reading);
  if (static_cast<int>(reading.size()) != length) {
    return word + " has " + std::to_string(reading.size()) + " letters; the slot has " +
           std::to_string(length);
  }
  for (int i = 1; i <= length; ++i) {
    if (pattern_[i - 1] != BlankMark && pattern_[i - 1] != reading[i - 1]) {
      return "letter " + std::to_string(i) + " of " + word + " is " +
             DescribeCharacter(reading[i - 1]) + ", but the crossing answer has " +
             DescribeCharacter(pattern_[i - 1]) + " there";
    }
  }
  std::vector<WordRecord> words;
  for (int k : words_.FindAll(length, WordQuery{reading, {}})) {
    WordRecord found = words_.Record(length, k);
    if (found.ID != hint_.ID) words.push_back(std::move(found));
  }
  if (words.empty()) {
    return reading == hint_.Yst ? word + " is the answer there now"
                                : dictionary_.Path().filename().string() + " has no word " + word;
  }
  std::erase_if(words, [&](const WordRecord& found) { return !IsAdmitted(found); });
  if (words.empty()) {
    return word + " is not asked at rank " + std::to_string(rank_) +
           ": its category or list is not selected";
  }
  const PuzzleHint* other = ExcludingHint(words.front());
  return word + " may not share the stage with question " + std::to_string(other->Number) + " " +
         Quoted(other->Yst) +
         ": the fill keeps apart the same word, two of a list asked once, equal clue or answer "
         "numbers, and words whose written forms stand in each other's clues";
}

}  // namespace crossword

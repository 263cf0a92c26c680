#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/QuestionSelection.h"
#include "generator/engine/WordIndex.h"
#include "puzzle/PuzzleFile.h"

// Another word for one question of a finished stage: one that keeps every crossing letter
// and that the fill itself could have placed there.
namespace crossword {

// The selections of difficulty ranks 1..5 as the dictionary's index file sets them.
class RankSelections {
 public:
  // Reads the index file beside the dictionary; a FileError when there is none.
  explicit RankSelections(const std::filesystem::path& dictionary);

  const QuestionSelection& OfRank(int rank) const { return ranks_.at(rank - 1); }
  // The lowest rank that asks words of this category and list; 0 when no rank does.
  int EasiestRank(int CN, int BN) const;
  // The index file's problems, "file:line: what is wrong".
  std::vector<std::string> Problems() const { return ranks_.front().Problems(); }

 private:
  std::vector<QuestionSelection> ranks_;  // rank r at r - 1
};

// A word that may take a question's place, and the lowest rank that asks it.
struct SwapCandidate {
  WordRecord Word;
  int EasiestRank = 0;
};

// Why a word cannot take a question's place.
class SwapRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A reading that several fitting words share, with no written form to choose among them.
class SwapAmbiguous : public SwapRefused {
 public:
  SwapAmbiguous(const std::u32string& reading, std::vector<std::u32string> written);
  const std::vector<std::u32string>& Written() const { return written_; }

 private:
  std::vector<std::u32string> written_;
};

class SlotSwap {
 public:
  // The question `hint` of `stage`, with words of `dictionary`, searched in its index
  // `words`, that rank `rank` asks.
  SlotSwap(const PuzzleStage& stage, const PuzzleHint& hint, const Dictionary& dictionary,
           const WordIndex& words, const RankSelections& ranks, int rank);

  // The slot's crossing letters in place, BlankMark on cells no other answer crosses.
  const std::u32string& Pattern() const { return pattern_; }
  // Every word that keeps the crossing letters, is asked at the rank, and that the fill's
  // exclusion rules let share the stage with its other words; never the word there now.
  // The most common come first: those an easier rank asks, then the dictionary's order.
  std::vector<SwapCandidate> Candidates() const;
  // The same words, those the rank wants most first (dictionary/RankPreference.h), then
  // in the order above.
  std::vector<SwapCandidate> PreferredCandidates() const;
  // The first candidate of this reading, and of this written form unless it is empty;
  // SwapRefused saying why when there is none.
  WordRecord WordFor(const std::u32string& reading, const std::u32string& written) const;

 private:
  bool IsAdmitted(const WordRecord& word) const;
  const PuzzleHint* ExcludingHint(const WordRecord& word) const;
  std::string WhyNot(const std::u32string& reading) const;

  const PuzzleStage& stage_;
  const PuzzleHint& hint_;
  const Dictionary& dictionary_;
  const WordIndex& words_;
  const RankSelections& ranks_;
  int rank_;
  std::u32string pattern_;
};

}  // namespace crossword

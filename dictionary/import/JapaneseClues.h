#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dictionary/KeptClues.h"
#include "dictionary/import/Commonness.h"
#include "dictionary/import/EdictEntry.h"

// Clues in Japanese for the words of EDICT, made from the word list's own compounds,
// phrases, readings and glosses. A clue is made only where a solver can answer it fairly:
// the blank reads exactly the answer and is a word of its own, few other answers fit, the
// clue never shows the answer, it holds only kanji for general use and for names and no
// rude or sensitive word, and a puzzle file can carry it.
namespace crossword {

// The mark that stands for the answer in a compound or phrase: one mark whatever the
// answer's length, so that it tells nothing of its letters.
inline constexpr std::u32string_view AnswerBlank = U"＿＿";

class JapaneseClueMaker {
 public:
  // `entries`: every entry of the word list; they must outlive the maker.
  JapaneseClueMaker(const std::vector<EdictEntry>& entries, const CommonnessSources& sources);
  ~JapaneseClueMaker();
  JapaneseClueMaker(const JapaneseClueMaker&) = delete;
  JapaneseClueMaker& operator=(const JapaneseClueMaker&) = delete;

  // The fair clues for the word `entry` makes, asked as `answer`, in the order of their
  // styles; none for a word marked rude or sensitive.
  std::vector<StyledClue> CluesFor(const EdictEntry& entry, const std::u32string& answer) const;

 private:
  class Index;
  std::unique_ptr<Index> index_;
};

}  // namespace crossword

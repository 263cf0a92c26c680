#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/WordRecord.h"
#include "puzzle/PuzzleFile.h"

// A puzzle set finished by hand: clues rewritten, a word replaced. Every change rewrites
// only the lines it must, in the writer's own forms, so that an unchanged set is written
// back to the byte.
namespace crossword {

// The word a hint holds, with every field of its line.
WordRecord HintWord(const PuzzleHint& hint);
// Gives the hint every field of `word`, its texts as they stand.
void SetHintWord(PuzzleHint& hint, const WordRecord& word);

class PuzzleSetEdit {
 public:
  // Reads the set with the player's strict reader; throws FileError as it does.
  explicit PuzzleSetEdit(const std::filesystem::path& path);

  const std::filesystem::path& Path() const { return path_; }
  const PuzzleSet& Set() const { return set_; }
  // The hint of question `number` of stage k (both from 1); nothing when there is none.
  const PuzzleHint* FindHint(int k, int number) const;

  // Gives the question this clue and written form, mended as the writer mends them.
  // Returns whether the hint changed.
  bool SetClue(int k, int number, const std::u32string& Qst, const std::u32string& Ast);
  // Puts `word` in the question's slot: its hint line and the rows of answers it lies in
  // change. The caller has checked that the word keeps every crossing letter.
  void PlaceWord(int k, int number, const WordRecord& word);

  // Gives stage k (from 1) its prize keyword, or none. The puzzle file does not hold it:
  // puzzle/KeywordMarks.h writes it beside the set.
  void SetKeyword(int k, std::optional<StageKeyword> keyword) {
    set_.Stages.at(k - 1).Keyword = std::move(keyword);
  }

  // Writes the set under a temporary name beside `path` and puts it in place in one step;
  // a read-only file at `path` is a FileError and stays as it is.
  void Save(const std::filesystem::path& path) const;
  // The FileError Save would meet at a read-only file, before anything is written.
  static void CheckReplaceable(const std::filesystem::path& path);

 private:
  PuzzleHint& HintOf(int k, int number);
  void WriteHintLine(int k, const PuzzleHint& hint);

  std::filesystem::path path_;
  std::vector<std::u32string> lines_;  // the file's lines as they will be written
  PuzzleSet set_;                      // what they hold
};

}  // namespace crossword

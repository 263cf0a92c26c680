#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/KeptClues.h"
#include "dictionary/WordRecord.h"
#include "generator/engine/PuzzleSetEdit.h"
#include "generator/engine/WordSwap.h"

// A puzzle set being finished by its author: every stage to read, clues to rewrite, answers
// to replace by words that keep their crossings, each change undone and redone at will,
// the set saved through the puzzle writer and, if the author wants, the rewritten clues
// taught to the dictionary the set was made from.
//
// Needs: a puzzle set file (.pzs) the player's reader accepts. For replacements, the set's
// dictionary (.lxd) with its index file (.idx) and word index (.wdx, made when missing);
// for the other clues of a word and for learning, the dictionary alone.
// Gives: the set as it now stands, checks of a clue as it is typed, the words that may
// replace an answer, undo and redo, save, save as, learning. Failures are exceptions
// (FileError and its DictionaryError) that leave the session and every file as they were.
namespace crossword {

// A question of the set: its stage and its number there, both from 1.
struct QuestionPlace {
  int Stage = 0;
  int Number = 0;

  bool operator==(const QuestionPlace&) const = default;
};

// What keeps a typed clue or written form out of the puzzle file.
enum class TextProblem {
  None,
  Empty,     // a clue must say something
  NotCp932,  // a letter the file's code page cannot hold
};

struct TextCheck {
  TextProblem Problem = TextProblem::None;
  char32_t Letter = 0;     // the letter code page 932 cannot hold
  std::u32string Written;  // the text as the puzzle file will hold it
  bool Mended = false;     // a "," or a line break is written otherwise
};

// A clue as it is typed; an empty written form is allowed, as the clue table allows it.
TextCheck CheckClueText(const std::u32string& text);
TextCheck CheckWrittenText(const std::u32string& text);

// Why no replacement can be listed.
enum class SwapBlocker {
  None,
  NoDictionary,  // the set's dictionary was not found nor chosen
  NoIndexFile,   // the dictionary has no index file, so no rank's words are known
};

// The puzzle set the program folder holds that was written last; nothing when it has none.
std::optional<std::filesystem::path> NewestPuzzleSet(const std::filesystem::path& folder);

// The dictionary the set was made from, as the grid settings file of the same base name
// beside it names it; nothing when there is no such file or the dictionary is not there.
std::optional<std::filesystem::path> DictionaryOfSet(const std::filesystem::path& set);

// What became of a keyword typed for a stage.
struct KeywordOutcome {
  std::u32string Lacking;  // the letters the stage lacks for it, each as often as it lacks
  bool Marked = false;     // false too when no cells keep the rules of a good choice
};

class ProofSession {
 public:
  // Reads the set with the player's strict reader; throws FileError naming the line.
  explicit ProofSession(const std::filesystem::path& set);
  ~ProofSession();

  const std::filesystem::path& Path() const { return path_; }
  const PuzzleSet& Set() const { return edit_.Set(); }
  int StageCount() const { return static_cast<int>(Set().Stages.size()); }
  const PuzzleHint& Hint(QuestionPlace place) const;

  // Opens the dictionary the replacements, other clues and learning come from; throws
  // DictionaryError when it cannot be used, keeping the one open before.
  void UseDictionary(const std::filesystem::path& dictionary);
  bool HasDictionary() const { return dictionary_ != nullptr; }
  std::filesystem::path DictionaryPath() const;
  SwapBlocker ReplacementBlocker() const;

  // The other clues the dictionary holds for the question's word, without the one it has.
  std::vector<std::u32string> OtherClues(QuestionPlace place) const;
  // The rank whose words may replace a stage's answers: the stage's own, or the hardest
  // for a stage whose categories and lists were chosen by hand.
  int ReplacementRank(int stage) const;
  // Every word that keeps the question's crossing letters, found as `wright swap` finds
  // them, the words the rank wants most first, each with its clue. Empty while blocked.
  std::vector<SwapCandidate> Replacements(QuestionPlace place) const;

  // Changes. A clue or written form is refused (std::invalid_argument) unless its check
  // passes; a clue equal to the present one changes nothing and returns false.
  bool SetClue(QuestionPlace place, const std::u32string& clue, const std::u32string& written);
  // The caller took `word` from Replacements of this place.
  void PlaceWord(QuestionPlace place, const WordRecord& word);

  // Prize keywords, kept beside the set and written with it. MarkKeyword marks the typed
  // keyword in the stage's best cells, as `wright keyword` does; std::invalid_argument for
  // a keyword of too few or too many letters. MoveMarkTo moves the mark of the letter the
  // cell holds (of two such marks, the nearer) there; false when no mark may move there.
  // Both are changes that Undo takes back, returning the stage with question number 0.
  KeywordOutcome MarkKeyword(int stage, const std::u32string& typed);
  bool MoveMarkTo(int stage, MasPoint cell);

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < changes_.size(); }
  // Each returns the question it changed back or again.
  QuestionPlace Undo();
  QuestionPlace Redo();
  // Whether the set differs from the file it was last read from or saved to.
  bool IsModified() const { return savedAt_ != done_; }

  // With `learn`, first teaches the dictionary the clues and written forms of every question
  // changed since the set was opened (a word it does not hold stops everything), then writes
  // the set to `target`, replacing a file there in one step, and its keywords beside it.
  // Refused before any write while a replaced answer has taken a marked letter away.
  // Returns the words learnt.
  int Save(const std::filesystem::path& target, bool learn);

 private:
  // A question's word, or a stage's keyword where Place.Number is 0.
  struct Change {
    QuestionPlace Place;
    WordRecord Before, After;
    std::optional<StageKeyword> KeywordBefore, KeywordAfter;
  };
  struct OpenDictionary;
  // savedAt_ of a saved state that a change after an undo has taken out of the history.
  static constexpr size_t kOutOfReach = static_cast<size_t>(-1);

  void Put(QuestionPlace place, const WordRecord& word);
  void Record(QuestionPlace place, const WordRecord& before);
  void SetKeyword(int stage, std::optional<StageKeyword> keyword);
  void Record(Change change);
  // Puts the question's word or the stage's keyword as the change left it, or found it.
  void Apply(const Change& change, bool after);
  std::vector<WordRecord> ChangedWords() const;

  std::filesystem::path path_;
  PuzzleSetEdit edit_;
  PuzzleSet opened_;  // the set as read, to know which questions changed
  std::unique_ptr<OpenDictionary> dictionary_;
  std::vector<Change> changes_;  // every change made, oldest first
  size_t done_ = 0;              // changes_[0 .. done_) are in effect
  size_t savedAt_ = 0;           // done_ when last read or saved; kOutOfReach
};

}  // namespace crossword

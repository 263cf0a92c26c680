#include "proofer/engine/ProofSession.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "common/FileError.h"
#include "common/FileNames.h"
#include "common/GridSettingsFile.h"
#include "common/TextCodec.h"
#include "dictionary/DictionaryContents.h"
#include "dictionary/IndexFile.h"
#include "generator/engine/WordIndex.h"
#include "puzzle/KeywordChoice.h"
#include "puzzle/KeywordMarks.h"
#include "puzzle/PuzzleFileWriter.h"

namespace crossword {

namespace {

TextCheck CheckText(const std::u32string& text, bool mayBeEmpty) {
  TextCheck check;
  check.Written = FieldText(text);
  check.Mended = check.Written != text;
  if (!mayBeEmpty && text.empty()) {
    check.Problem = TextProblem::Empty;
    return check;
  }
  const auto unwritable = std::find_if_not(text.begin(), text.end(), CanEncodeCp932);
  if (unwritable != text.end()) {
    check.Problem = TextProblem::NotCp932;
    check.Letter = *unwritable;
  }
  return check;
}

bool SameTexts(const PuzzleHint& a, const PuzzleHint& b) {
  return a.ID == b.ID && a.Qst == b.Qst && a.Ast == b.Ast;
}

}  // namespace

TextCheck CheckClueText(const std::u32string& text) {
  return CheckText(text, false);
}

TextCheck CheckWrittenText(const std::u32string& text) {
  return CheckText(text, true);
}

std::optional<std::filesystem::path> NewestPuzzleSet(const std::filesystem::path& folder) {
  std::optional<std::filesystem::path> newest;
  std::filesystem::file_time_type newestTime;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() != ".pzs" || !entry.is_regular_file(error)) continue;
    const auto written = entry.last_write_time(error);
    if (!error && (!newest || written > newestTime)) {
      newest = entry.path();
      newestTime = written;
    }
  }
  return newest;
}

std::optional<std::filesystem::path> DictionaryOfSet(const std::filesystem::path& set) {
  const std::string MakeDir = FolderOf(set);
  const std::filesystem::path grid = MakeDir + BaseName(set.filename().string()) + ".gst";
  if (!FileExists(grid)) return std::nullopt;
  try {
    const DicLocation location =
        LocateDictionary(GridSettingsFile(grid).ReadDicLocation(), MakeDir);
    const std::filesystem::path dictionary = location.DicPath + location.DicFileName;
    if (FileExists(dictionary)) return dictionary;
  } catch (const FileError&) {
    // A grid settings file that cannot be read names no dictionary: the author picks one.
  }
  return std::nullopt;
}

struct ProofSession::OpenDictionary {
  explicit OpenDictionary(const std::filesystem::path& path)
      : dictionary(path), words(OpenWordIndex(dictionary, note)) {
    if (FileExists(path.parent_path() / IdxFileNameOf(path.filename().string()))) {
      ranks.emplace(path);
    }
  }

  Dictionary dictionary;
  std::string note;  // why the word index was made again, if it was
  WordIndex words;
  std::optional<RankSelections> ranks;     // nothing without an index file
  mutable std::optional<KeptClues> clues;  // read when first asked for
};

ProofSession::ProofSession(const std::filesystem::path& set)
    : path_(set), edit_(set), opened_(edit_.Set()) {
  ReadKeywordMarks(opened_, set);
  for (int k = 1; k <= StageCount(); ++k) edit_.SetKeyword(k, opened_.Stages[k - 1].Keyword);
}

ProofSession::~ProofSession() = default;

const PuzzleHint& ProofSession::Hint(QuestionPlace place) const {
  const PuzzleHint* hint = edit_.FindHint(place.Stage, place.Number);
  if (hint == nullptr) {
    throw std::out_of_range("stage " + std::to_string(place.Stage) + " has no question " +
                            std::to_string(place.Number));
  }
  return *hint;
}

void ProofSession::UseDictionary(const std::filesystem::path& dictionary) {
  dictionary_ = std::make_unique<OpenDictionary>(dictionary);
}

std::filesystem::path ProofSession::DictionaryPath() const {
  return dictionary_ ? dictionary_->dictionary.Path() : std::filesystem::path();
}

SwapBlocker ProofSession::ReplacementBlocker() const {
  if (!dictionary_) return SwapBlocker::NoDictionary;
  if (!dictionary_->ranks) return SwapBlocker::NoIndexFile;
  return SwapBlocker::None;
}

std::vector<std::u32string> ProofSession::OtherClues(QuestionPlace place) const {
  if (!dictionary_) return {};
  if (!dictionary_->clues) dictionary_->clues = ReadKeptClues(dictionary_->dictionary.Path());
  const PuzzleHint& hint = Hint(place);
  std::vector<std::u32string> others;
  const auto found = dictionary_->clues->find(hint.ID);
  if (found == dictionary_->clues->end()) return others;
  for (const StyledClue& clue : found->second) {
    if (clue.Text != hint.Qst) others.push_back(clue.Text);
  }
  return others;
}

int ProofSession::ReplacementRank(int stage) const {
  const int rank = Set().Stages.at(stage - 1).DifficultRank;
  return rank == 0 ? DifficultRankMax : rank;
}

std::vector<SwapCandidate> ProofSession::Replacements(QuestionPlace place) const {
  if (ReplacementBlocker() != SwapBlocker::None) return {};
  const SlotSwap swap(Set().Stages.at(place.Stage - 1), Hint(place), dictionary_->dictionary,
                      dictionary_->words, *dictionary_->ranks, ReplacementRank(place.Stage));
  return swap.PreferredCandidates();
}

bool ProofSession::SetClue(QuestionPlace place, const std::u32string& clue,
                           const std::u32string& written) {
  if (CheckClueText(clue).Problem != TextProblem::None ||
      CheckWrittenText(written).Problem != TextProblem::None) {
    throw std::invalid_argument("the clue or written form cannot be written to a puzzle set");
  }
  const WordRecord before = HintWord(Hint(place));
  if (!edit_.SetClue(place.Stage, place.Number, clue, written)) return false;
  Record(place, before);
  return true;
}

void ProofSession::PlaceWord(QuestionPlace place, const WordRecord& word) {
  const WordRecord before = HintWord(Hint(place));
  edit_.PlaceWord(place.Stage, place.Number, word);
  Record(place, before);
}

// A word of the same ID keeps its answer: only its texts change, as `wright clues` changes
// them.
void ProofSession::Put(QuestionPlace place, const WordRecord& word) {
  const PuzzleHint& hint = Hint(place);
  if (word.ID == hint.ID && word.Yst == hint.Yst) {
    edit_.SetClue(place.Stage, place.Number, word.Qst, word.Ast);
  } else {
    edit_.PlaceWord(place.Stage, place.Number, word);
  }
}

void ProofSession::Record(QuestionPlace place, const WordRecord& before) {
  Record({place, before, HintWord(Hint(place)), {}, {}});
}

void ProofSession::SetKeyword(int stage, std::optional<StageKeyword> keyword) {
  std::optional<StageKeyword> before = Set().Stages.at(stage - 1).Keyword;
  if (keyword == before) return;
  edit_.SetKeyword(stage, std::move(keyword));
  Record({{stage, 0}, {}, {}, std::move(before), Set().Stages[stage - 1].Keyword});
}

void ProofSession::Record(Change change) {
  changes_.resize(done_);
  if (savedAt_ > done_) savedAt_ = kOutOfReach;
  changes_.push_back(std::move(change));
  ++done_;
}

void ProofSession::Apply(const Change& change, bool after) {
  if (change.Place.Number == 0) {
    edit_.SetKeyword(change.Place.Stage, after ? change.KeywordAfter : change.KeywordBefore);
  } else {
    Put(change.Place, after ? change.After : change.Before);
  }
}

QuestionPlace ProofSession::Undo() {
  if (!CanUndo()) throw std::logic_error("nothing to undo");
  const Change& change = changes_[--done_];
  Apply(change, false);
  return change.Place;
}

QuestionPlace ProofSession::Redo() {
  if (!CanRedo()) throw std::logic_error("nothing to redo");
  const Change& change = changes_[done_++];
  Apply(change, true);
  return change.Place;
}

std::vector<WordRecord> ProofSession::ChangedWords() const {
  std::vector<WordRecord> words;
  for (size_t s = 0; s < opened_.Stages.size(); ++s) {
    for (const auto* hints : {&opened_.Stages[s].Across, &opened_.Stages[s].Down}) {
      for (const PuzzleHint& was : *hints) {
        const PuzzleHint& now = Hint({static_cast<int>(s) + 1, was.Number});
        if (!SameTexts(was, now)) words.push_back(HintWord(now));
      }
    }
  }
  return words;
}

KeywordOutcome ProofSession::MarkKeyword(int stage, const std::u32string& typed) {
  const std::u32string keyword = KeywordLetters(typed);
  const CrossMasMarks& grid = Set().Stages.at(stage - 1).Answers;
  KeywordOutcome outcome{MissingLetters(grid, keyword), false};
  if (!outcome.Lacking.empty()) return outcome;
  const auto choices = ChooseKeywordCells(grid, keyword, 1);
  if (choices.empty()) return outcome;
  SetKeyword(stage, StageKeyword{keyword, choices[0].Cells});
  outcome.Marked = true;
  return outcome;
}

bool ProofSession::MoveMarkTo(int stage, MasPoint cell) {
  const PuzzleStage& shown = Set().Stages.at(stage - 1);
  if (!shown.Keyword || MarkAt(shown, cell.x, cell.y) >= 0) return false;
  StageKeyword keyword = *shown.Keyword;
  const char32_t letter = shown.Answers(cell.x, cell.y);
  int nearest = -1;
  for (size_t i = 0; i < keyword.Word.size(); ++i) {
    const auto steps = [&](size_t j) {
      return std::abs(keyword.Cells[j].x - cell.x) + std::abs(keyword.Cells[j].y - cell.y);
    };
    if (keyword.Word[i] == letter && (nearest < 0 || steps(i) < steps(nearest))) {
      nearest = static_cast<int>(i);
    }
  }
  if (nearest < 0) return false;
  keyword.Cells[nearest] = cell;
  SetKeyword(stage, std::move(keyword));
  return true;
}

int ProofSession::Save(const std::filesystem::path& target, bool learn) {
  int learnt = 0;
  PuzzleSetEdit::CheckReplaceable(target);
  for (int k = 1; k <= StageCount(); ++k) {
    const PuzzleStage& stage = Set().Stages[k - 1];
    if (!stage.Keyword) continue;
    const std::string mismatch = KeywordMismatch(stage, *stage.Keyword);
    if (!mismatch.empty()) {
      throw std::invalid_argument("stage " + std::to_string(k) + "'s keyword: " + mismatch +
                                  "; mark it again");
    }
  }
  if (learn) {
    if (!dictionary_) throw std::logic_error("no dictionary to learn into");
    const std::filesystem::path dictionary = dictionary_->dictionary.Path();
    learnt = LearnWordTexts(dictionary, ChangedWords());
    // The file was replaced: the words and their clues are read again from the new one.
    if (learnt > 0) UseDictionary(dictionary);
  }
  edit_.Save(target);
  WriteKeywordMarks(Set(), target);
  path_ = target;
  savedAt_ = done_;
  return learnt;
}

}  // namespace crossword

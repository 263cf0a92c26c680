#include "generator/engine/Generator.h"

#include <stdexcept>

#include "common/FileNames.h"
#include "dictionary/QuestionSelection.h"
#include "dictionary/RankPreference.h"
#include "generator/engine/GeneratorMessages.h"

namespace crossword {

namespace {

constexpr char kDefaultGridFile[] = "標準日本語辞書.gst";
constexpr int kHistoryMaxAtStart = 50;

}  // namespace

Generator::Generator(GeneratorObserver& observer, const std::string& programFolder)
    : observer_(observer) {
  MakeDir = PlayDir = AsFolder(programFolder);
  MakeFile = kDefaultGridFile;
  PlayFile = BaseName(MakeFile) + ".pzs";
  History.resize(kHistoryMaxAtStart + 1);
}

void Generator::SetHistoryMax(int limit) {
  if (limit < 1 || limit > HistoryMaxLimit) {
    throw std::invalid_argument("HistoryMax must be 1 to " + std::to_string(HistoryMaxLimit));
  }
  History.resize(static_cast<size_t>(limit) + 1);
}

int Generator::LoadGridSettings(bool chosenByUser) {
  const int loaded = loader_.LoadGridSettings(chosenByUser);
  if (loaded == 1) ForgetDictionary();
  return loaded;
}

int Generator::ChooseGridFile(const std::filesystem::path& chosen) {
  const int loaded = loader_.ChooseGridFile(chosen);
  if (loaded == 1) ForgetDictionary();
  return loaded;
}

void Generator::UseWordIndex(WordIndex words) {
  loader_.UseWordIndex(std::move(words));
  ForgetDictionary();
}

// The matches and reading groups were of the words in use; the grid file is read again at
// the next run.
void Generator::ForgetDictionary() {
  queries_.Forget();
  thorough_.ForgetWords();
  stagePatterns_.reset();
}

void Generator::TakeSelection(QuestionSelection& selection) {
  selection.CollectCategoryOn();
  selection.CollectListOn();
  selection.CollectDifficultRank();
  TakeSelection({selection.CategoryOn(), selection.ListOn(), selection.DifficultRank()});
  thorough_.UsePreference(
      RankPreference(selection.CategoryTable(), selection.ListTable(), DifficultRank));
}

void Generator::TakeSelection(const WordSelection& selection) {
  static_cast<WordSelection&>(*this) = selection;
  thorough_.UsePreference(RankPreference());
}

// Every admitted word with the slot's letters: the shuffle works on all of them.
int Generator::FetchCandidates(int slot) {
  LetEventsRun();
  Candidate = queries_.Fetch(Slot(slot));
  return static_cast<int>(Candidate.size());
}

const WordRecord& Generator::CandidateRecord(int i) {
  return queries_.Record(Candidate.at(i - 1));
}

std::vector<int> Generator::CountSlotCandidates() {
  RefreshPatterns();
  std::vector<int> counts;
  for (int s = 1; s <= QuesNmbMax(); ++s) counts.push_back(FetchCandidates(s));
  return counts;
}

// The patterns are brought in line with the cells, which the thorough fill only reads.
FillResult Generator::FillStageThorough() {
  RefreshPatterns();
  return TakeThoroughFill(thorough_.Fill(RestartMax));
}

FillResult Generator::FillHoldingKeyword(int stage, const std::u32string& keyword) {
  RefreshPatterns();
  return TakeThoroughFill(thorough_.FillHoldingKeyword(stage, keyword, RestartMax));
}

FillResult Generator::TakeThoroughFill(const ThoroughFill::GridFill& fill) {
  unfilled_ = fill.unfilled;
  if (fill.result != FillResult::Filled) return fill.result;
  for (int s = 1; s <= QuesNmbMax(); ++s) {
    PlaceWord(s, fill.words[s - 1]);
    WriteSlotWord(s);
  }
  observer_.ShowGrid(CrossMas);
  return fill.result;
}

MessageAnswer Generator::ShowMessage(int selector) {
  return observer_.ShowMessage(
      selector, GeneratorMessage(selector, {MakeDir, MakeFile, PlayFile, RestartMax}));
}

}  // namespace crossword

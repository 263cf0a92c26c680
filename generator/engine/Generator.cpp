#include "generator/engine/Generator.h"

#include "common/FileNames.h"
#include "dictionary/QuestionSelection.h"
#include "dictionary/RankPreference.h"
#include "generator/engine/GeneratorMessages.h"

namespace crossword {

namespace {

constexpr char kDefaultGridFile[] = "標準日本語辞書.gst";

}  // namespace

Generator::Generator(GeneratorObserver& observer, const std::string& programFolder)
    : observer_(observer) {
  MakeDir = PlayDir = AsFolder(programFolder);
  MakeFile = kDefaultGridFile;
  PlayFile = BaseName(MakeFile) + ".pzs";
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
      RankPreference(selection.CategoryTable(), selection.ListTable(), selection_.DifficultRank));
}

void Generator::TakeSelection(const WordSelection& selection) {
  selection_ = selection;
  thorough_.UsePreference(RankPreference());
}

std::vector<int> Generator::CountSlotCandidates() {
  grid_.RefreshPatterns();
  std::vector<int> counts;
  for (const GeneratorSlot& slot : grid_.CrossWord) {
    counts.push_back(static_cast<int>(queries_.Fetch(slot).size()));
  }
  return counts;
}

// The patterns are brought in line with the cells, which the thorough fill only reads.
FillResult Generator::FillStageThorough() {
  grid_.RefreshPatterns();
  return TakeThoroughFill(thorough_.Fill(RestartMax));
}

FillResult Generator::FillHoldingKeyword(int stage, const std::u32string& keyword) {
  grid_.RefreshPatterns();
  return TakeThoroughFill(thorough_.FillHoldingKeyword(stage, keyword, RestartMax));
}

FillResult Generator::TakeThoroughFill(const ThoroughFill::GridFill& fill) {
  unfilled_ = fill.unfilled;
  if (fill.result != FillResult::Filled) return fill.result;
  for (int s = 1; s <= grid_.QuesNmbMax(); ++s) {
    grid_.PlaceWord(s, fill.words[s - 1]);
    grid_.WriteSlotWord(s);
  }
  observer_.ShowGrid(grid_.CrossMas);
  return fill.result;
}

MessageAnswer Generator::ShowMessage(int selector) {
  return observer_.ShowMessage(
      selector, GeneratorMessage(selector, {MakeDir, MakeFile, PlayFile, RestartMax}));
}

}  // namespace crossword

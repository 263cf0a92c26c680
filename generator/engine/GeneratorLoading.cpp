#include <stdexcept>

#include "common/FileError.h"
#include "common/FileNames.h"
#include "dictionary/Dictionary.h"
#include "dictionary/QuestionSelection.h"
#include "generator/engine/Generator.h"
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

std::filesystem::path Generator::GridFile() const {
  return MakeDir + MakeFile;
}

// Everything is read before anything changes: a file that cannot be used leaves the
// earlier grid file and dictionary in place.
int Generator::LoadGridSettings(bool chosenByUser) {
  const std::filesystem::path grid = GridFile();
  const GridSettingsFile file(grid);
  const int stages = file.ReadStageCount();
  if (stages < 1) {
    throw FileError(grid, "the file holds no grid (no line \";#1\"); make one with Gridwright");
  }
  const DicLocation location = LocateDictionary(file.ReadDicLocation(), MakeDir);
  if (!FileExists(location.DicPath + location.DicFileName)) {
    DicPath = location.DicPath;
    DicFileName = location.DicFileName;
    ShowMessage(GeneratorMsg::DictionaryMissing);
    observer_.EndProgram();
    return 0;
  }
  const bool embedChrFlag = file.ReadEmbedChrFlag() != 0;
  const Dictionary dictionary(location.DicPath + location.DicFileName);
  std::string note;
  WordIndex words(OpenWordIndex(dictionary, note));
  if (!note.empty()) observer_.ShowNote(note);
  StagePatternNmbMax = stages;
  DicPath = location.DicPath;
  DicFileName = location.DicFileName;
  UseWordIndex(std::move(words));
  EmbedChrFlag = embedChrFlag;
  AnswerLang = static_cast<AnswerLanguage>(DetectAnswerLang(dictionary));
  stagePatterns_.reset();
  PlayFile = BaseName(MakeFile) + ".pzs";
  PlayDir = MakeDir;
  if (chosenByUser) ShowMessage(GeneratorMsg::PuzzleFileRenamed);
  return 1;
}

int Generator::ChooseGridFile(const std::filesystem::path& chosen) {
  const std::string previousDir = MakeDir, previousFile = MakeFile;
  MakeFile = BaseName(chosen.filename().string()) + ".gst";
  MakeDir = FolderOf(chosen);
  try {
    return LoadGridSettings(true);
  } catch (...) {
    MakeDir = previousDir;
    MakeFile = previousFile;
    throw;
  }
}

void Generator::TakeSelection(QuestionSelection& selection) {
  selection.CollectCategoryOn();
  selection.CollectListOn();
  selection.CollectDifficultRank();
  TakeSelection({selection.CategoryOn(), selection.ListOn(), selection.DifficultRank()});
  preference_ = RankPreference(selection.CategoryTable(), selection.ListTable(), DifficultRank);
}

void Generator::TakeSelection(const WordSelection& selection) {
  static_cast<WordSelection&>(*this) = selection;
  preference_ = RankPreference();
  readingGroups_.clear();
}

void Generator::ChoosePuzzleFile(const std::filesystem::path& chosen) {
  PlayFile = BaseName(chosen.filename().string()) + ".pzs";
  PlayDir = FolderOf(chosen);
}

MessageAnswer Generator::ShowMessage(int selector) {
  return observer_.ShowMessage(
      selector, GeneratorMessage(selector, {MakeDir, MakeFile, PlayFile, RestartMax}));
}

}  // namespace crossword

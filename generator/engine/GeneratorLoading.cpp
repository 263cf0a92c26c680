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
    : MakeDir(AsFolder(programFolder)),
      MakeFile(kDefaultGridFile),
      PlayDir(MakeDir),
      PlayFile(BaseName(MakeFile) + ".pzs"),
      History(kHistoryMaxAtStart + 1),
      observer_(observer) {}

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
  DicLocation location = file.ReadDicLocation();
  // A grid file made on another machine names a folder that does not exist here.
  if (!FileExists(location.DicPath + location.DicFileName) &&
      FileExists(MakeDir + location.DicFileName)) {
    location.DicPath = MakeDir;
  }
  if (!FileExists(location.DicPath + location.DicFileName)) {
    DicPath = location.DicPath;
    DicFileName = location.DicFileName;
    ShowMessage(5);
    observer_.EndProgram();
    return 0;
  }
  const int embedChrFlag = file.ReadEmbedChrFlag();
  const Dictionary dictionary(location.DicPath + location.DicFileName);
  std::string note;
  WordIndex words(OpenWordIndex(dictionary, note));
  if (!note.empty()) observer_.ShowNote(note);
  StagePatternNmbMax = stages;
  DicPath = location.DicPath;
  DicFileName = location.DicFileName;
  DicDb = std::move(words);
  patternMatches_.Forget();
  EmbedChrFlag = embedChrFlag;
  AnswerLang = DetectAnswerLang(dictionary);
  stagePatterns_.reset();
  PlayFile = BaseName(MakeFile) + ".pzs";
  PlayDir = MakeDir;
  if (chosenByUser) ShowMessage(11);
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
  CategoryOn = selection.CategoryOn();
  ListOn = selection.ListOn();
  DifficultRank = selection.DifficultRank();
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

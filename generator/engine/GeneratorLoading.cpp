#include <stdexcept>

#include "common/FileError.h"
#include "common/FileNames.h"
#include "dictionary/Dictionary.h"
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

int Generator::LoadGridSettings(bool chosenByUser) {
  const std::filesystem::path grid = GridFile();
  stagePatterns_.reset();
  StagePatternNmbMax = ReadStageCount(grid);
  if (StagePatternNmbMax < 1) {
    throw FileError(grid, "the file holds no grid (no line \";#1\"); make one with Gridwright");
  }
  const DicLocation location = ReadDicLocation(grid);
  DicPath = location.DicPath;
  DicFileName = location.DicFileName;
  // A grid file made on another machine names a folder that does not exist here.
  if (!FileExists(DicPath + DicFileName) && FileExists(MakeDir + DicFileName)) DicPath = MakeDir;
  if (!FileExists(DicPath + DicFileName)) {
    ShowMessage(5);
    observer_.EndProgram();
    return 0;
  }
  DicDb.reset();
  const Dictionary dictionary(DicPath + DicFileName);
  DicDb.emplace(dictionary);
  EmbedChrFlag = ReadEmbedChrFlag(grid);
  AnswerLang = DetectAnswerLang(dictionary);
  PlayFile = BaseName(MakeFile) + ".pzs";
  PlayDir = MakeDir;
  if (chosenByUser) ShowMessage(11);
  return 1;
}

int Generator::ChooseGridFile(const std::filesystem::path& chosen) {
  MakeFile = BaseName(chosen.filename().string()) + ".gst";
  MakeDir = FolderOf(chosen);
  return LoadGridSettings(true);
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

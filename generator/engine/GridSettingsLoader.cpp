#include "generator/engine/GridSettingsLoader.h"

#include "common/FileError.h"
#include "common/FileNames.h"
#include "common/GridSettingsFile.h"
#include "dictionary/Dictionary.h"
#include "generator/engine/GeneratorMessages.h"

namespace crossword {

// Everything is read before anything changes: a file that cannot be used leaves the
// earlier grid file and dictionary in place.
int GridSettingsLoader::LoadGridSettings(bool chosenByUser) {
  const std::filesystem::path grid = GridFile();
  const GridSettingsFile file(grid);
  const int stages = file.ReadStageCount();
  if (stages < 1) {
    throw FileError(grid, "the file holds no grid (no line \";#1\"); make one with Gridwright");
  }
  const DicLocation location = LocateDictionary(file.ReadDicLocation(), files_.MakeDir);
  if (!FileExists(location.DicPath + location.DicFileName)) {
    files_.DicPath = location.DicPath;
    files_.DicFileName = location.DicFileName;
    showMessage_(GeneratorMsg::DictionaryMissing);
    observer_.EndProgram();
    return 0;
  }
  const bool embedChrFlag = file.ReadEmbedChrFlag() != 0;
  const Dictionary dictionary(location.DicPath + location.DicFileName);
  std::string note;
  WordIndex words(OpenWordIndex(dictionary, note));
  if (!note.empty()) observer_.ShowNote(note);
  loaded_.StagePatternNmbMax = stages;
  files_.DicPath = location.DicPath;
  files_.DicFileName = location.DicFileName;
  UseWordIndex(std::move(words));
  loaded_.EmbedChrFlag = embedChrFlag;
  loaded_.AnswerLang = static_cast<AnswerLanguage>(DetectAnswerLang(dictionary));
  files_.PlayFile = BaseName(files_.MakeFile) + ".pzs";
  files_.PlayDir = files_.MakeDir;
  if (chosenByUser) showMessage_(GeneratorMsg::PuzzleFileRenamed);
  return 1;
}

int GridSettingsLoader::ChooseGridFile(const std::filesystem::path& chosen) {
  const std::string previousDir = files_.MakeDir, previousFile = files_.MakeFile;
  files_.MakeFile = BaseName(chosen.filename().string()) + ".gst";
  files_.MakeDir = FolderOf(chosen);
  try {
    return LoadGridSettings(true);
  } catch (...) {
    files_.MakeDir = previousDir;
    files_.MakeFile = previousFile;
    throw;
  }
}

void GridSettingsLoader::ChoosePuzzleFile(const std::filesystem::path& chosen) {
  files_.PlayFile = BaseName(chosen.filename().string()) + ".pzs";
  files_.PlayDir = FolderOf(chosen);
}

}  // namespace crossword

#include "designer/engine/GridFileReader.h"

#include <filesystem>
#include <utility>

#include "common/FileError.h"
#include "common/FileNames.h"

namespace crossword {

namespace {

constexpr char kReadFileUnchosen[] = "(未)?.gst";    // no grid settings file chosen for reading
constexpr char kReadFileUnusable[] = "不明(*.gst)";  // the file chosen made no grid

}  // namespace

GridFileReader::GridFileReader(const DesignerFiles& files, std::string programFolder,
                               EditedGrid& grid, AskMessage ask, DesignerObserver& observer)
    : files_(files),
      programFolder_(std::move(programFolder)),
      grid_(grid),
      ask_(std::move(ask)),
      observer_(observer) {
  file_.ReadFileName = kReadFileUnchosen;
}

void GridFileReader::PresetReadFile() {
  const bool exists = FileExists(files_.MakeFileDir + files_.MakeFileName) == 1;
  file_.ReadFileName = exists ? files_.MakeFileName : kReadFileUnchosen;
  file_.ReadFileDir = exists ? files_.MakeFileDir : programFolder_;
  observer_.ReadFileNamed(file_.ReadFileName, file_.ReadFileDir);
}

bool GridFileReader::LoadStage(const std::string& path, int n) {
  return LoadStage(GridSettingsFile(path), n);
}

// The stage is read before anything changes, so a stage that fails to read leaves the
// grid shown.
bool GridFileReader::LoadStage(const GridSettingsFile& file, int n) {
  const auto cells = file.ReadStageCells(n);
  if (!cells) return false;
  grid_.TakeStage(*cells);
  return true;
}

// A file that cannot be read, or whose first stage cannot, is a file without stages.
void GridFileReader::ChooseReadFile(const std::string& path) {
  file_.ReadFileName = std::filesystem::path(path).filename().string();
  file_.ReadFileDir = FolderOf(path);
  observer_.ReadFileNamed(file_.ReadFileName, file_.ReadFileDir);
  const int stages = LoadFirstStage(path);
  if (stages == 0) {
    ask_(DesignerMsg::GridFileUnusable);
    file_.ReadFileName = kReadFileUnusable;
    observer_.ReadFileNamed(file_.ReadFileName, file_.ReadFileDir);
    return;
  }
  file_.CrossStageNmbMax = stages;
  file_.CrossStageNmb = 1;
  observer_.StageShown(1, stages);
}

// The file's stage count once its stage 1 has loaded; 0 when the file or that stage
// cannot be read.
int GridFileReader::LoadFirstStage(const std::string& path) {
  try {
    const GridSettingsFile file(path);
    const int stages = file.CountStages();
    return stages > 0 && LoadStage(file, 1) ? stages : 0;
  } catch (const FileError&) {
    return 0;
  }
}

void GridFileReader::ChangeStage(int n) {
  if (n == file_.CrossStageNmb) return;
  if (!TryLoadStage(file_.ReadFileDir + file_.ReadFileName, n)) {
    ask_(DesignerMsg::GridFileUnusable);
    return;
  }
  file_.CrossStageNmb = n;
  observer_.StageShown(n, file_.CrossStageNmbMax);
}

bool GridFileReader::TryLoadStage(const std::string& path, int n) {
  try {
    return LoadStage(path, n);
  } catch (const FileError&) {
    return false;
  }
}

}  // namespace crossword

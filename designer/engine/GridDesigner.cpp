#include "designer/engine/GridDesigner.h"

#include <filesystem>

#include "common/FileError.h"
#include "common/FileNames.h"
#include "common/FileOps.h"
#include "common/OnScopeExit.h"
#include "designer/engine/DesignerMessages.h"

namespace crossword {

namespace {

constexpr char kGridExtension[] = ".gst";

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

GridDesigner::GridDesigner(DesignerObserver& observer, const ProgramFolders& folders)
    : observer_(observer),
      folders_(folders),
      grid_(observer),
      placement_(Random, Files.DicWordNmb, observer),
      checks_(grid_, ask_, observer),
      run_(Files, grid_, placement_, Random, observer),
      reader_(Files, folders.program, grid_, ask_, observer) {
  Files.DicPath = folders.FolderHolding(Files.DicFileName);
  Files.MakeFileName = BaseName(Files.DicFileName) + kGridExtension;
  Files.MakeFileDir = GridFolderFor(Files.DicPath);
}

// The installed default dictionaries lie in a folder no user may write to: their grid
// settings files go into the program folder instead.
std::string GridDesigner::GridFolderFor(const std::string& dicPath) const {
  return dicPath == folders_.shared ? folders_.program : dicPath;
}

MessageAnswer GridDesigner::Ask(int number) {
  const DesignerMessageValues values{Files.MakeFileName, Files.DicFileName,
                                     reader_.ReadFile().ReadFileName, grid_.MasMaxX(),
                                     grid_.MasMaxY()};
  return observer_.ShowMessage(number, DesignerMessage(number, values));
}

void GridDesigner::ShowMakeFileName() {
  observer_.GridFileNamed(Files.MakeFileName, Files.MakeFileDir);
}

// The chosen name is kept as it stands: rebuilding it from its base name would name
// another file for "words.v2.lxd" or, on a case-sensitive file system, "WORDS.LXD".
void GridDesigner::UseDictionary(const std::string& path, const WordCounts& counts) {
  Files.DicFileName = FileNameOf(path);
  Files.DicPath = FolderOf(path);
  observer_.DictionaryChosen(Files.DicFileName, Files.DicPath);
  Files.DicWordNmb = counts;
  Files.MakeFileName = BaseName(Files.DicFileName) + kGridExtension;
  Files.MakeFileDir = GridFolderFor(Files.DicPath);
  ShowMakeFileName();
}

void GridDesigner::ChooseDictionary(const std::string& path, const WordCounts& counts) {
  UseDictionary(path, counts);
  Ask(DesignerMsg::GridFileFollows);
}

void GridDesigner::ChooseMakeFile(const std::string& path) {
  Files.MakeFileName = BaseName(FileNameOf(path)) + kGridExtension;
  Files.MakeFileDir = FolderOf(path);
  ShowMakeFileName();
}

void GridDesigner::NewMasSize() {
  grid_.MakeNewGrid(DrawMasSize(Random, MasSizePattern, MasSizeCustom));
  grid_.ClearMasBar();
  grid_.ShowMasSize();
}

void GridDesigner::ClearMasBar() {
  grid_.ClearMasBar();
}

void GridDesigner::ToggleCell(int k) {
  if (placement_.Placing() || k < 1 || k > grid_.MasMaxX() * grid_.MasMaxY()) return;
  grid_.ToggleCell((k - 1) % grid_.MasMaxX() + 1, (k - 1) / grid_.MasMaxX() + 1);
}

bool GridDesigner::GridIsReadyForWalls() {
  if (grid_.StageFromFile()) {
    grid_.ShowMasBar();
    grid_.CountWords();
    grid_.ShowSlotCount();
  }
  if (grid_.MasMaxX() < MasSizeSmallMin || grid_.MasMaxY() < MasSizeSmallMin) NewMasSize();
  return grid_.MasMaxX() * grid_.MasMaxY() <= MasCellsWarnMax ||
         Ask(DesignerMsg::ManyCells) == AnswerYes;
}

void GridDesigner::SetMasBar() {
  if (placement_.Placing()) return;
  observer_.WorkRunning(LongWork::WallPlacement, true);
  const OnScopeExit stopProgress([this] { observer_.WorkRunning(LongWork::WallPlacement, false); });
  grid_.ClearMasBar();
  const int kind = placement_.DrawKind(MasBarPattern);
  const bool made = placement_.MakeMasBar({grid_.MasMaxX(), grid_.MasMaxY()}, kind, ShortestAnswer);
  grid_.TakeLayout(placement_.CrossMas(), placement_.WordCount());
  if (!made) Ask(DesignerMsg::NoLayoutFound);
  grid_.ShowMasBar();
  // A failed run leaves a grid without walls whose slots were never counted.
  if (!made) grid_.ForgetSlotCount();
  grid_.ShowSlotCount();
}

bool GridDesigner::GridIsReadyToWrite() {
  return checks_.GridIsReadyToWrite(ShortestAnswer);
}

int CheckHDD(const std::string& fPath) {
  const std::string probe = fPath + "dummy.$$$";
  try {
    CreateFileWith(probe, "\r\n");
    DeleteFile(probe);
    return 1;
  } catch (const FileError&) {
    return 0;
  }
}

}  // namespace crossword

#include "designer/engine/GridDesigner.h"

#include <filesystem>

#include "common/FileError.h"
#include "common/FileNames.h"
#include "common/FileOps.h"
#include "common/NumberText.h"
#include "common/TextCodec.h"
#include "designer/engine/DesignerMessages.h"

namespace crossword {

namespace {

constexpr char kGridExtension[] = ".gst";
constexpr char kStageFromFileCaption[] = "ファイルから読み込み済み";

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

// A typed width or height: a whole number a grid settings file can hold.
int ParseMasSize(const std::string& text, const char* what) {
  const std::optional<int> value = ParseWholeNumber(FromUtf8(text));
  if (!value || *value < 1 || *value > MasSizeMax) {
    throw MasSizeError("the " + std::string(what) + " \"" + text +
                       "\" is not a whole number from 1 to " + std::to_string(MasSizeMax));
  }
  return *value;
}

}  // namespace

GridDesigner::GridDesigner(DesignerObserver& observer, const ProgramFolders& folders)
    : observer_(observer), folders_(folders) {
  DicPath = folders.FolderHolding(DicFileName);
  MakeFileName = BaseName(DicFileName) + kGridExtension;
  MakeFileDir = GridFolderFor(DicPath);
}

// The installed default dictionaries lie in a folder no user may write to: their grid
// settings files go into the program folder instead.
std::string GridDesigner::GridFolderFor(const std::string& dicPath) const {
  return dicPath == folders_.shared ? folders_.program : dicPath;
}

MessageAnswer GridDesigner::Ask(int number) {
  const DesignerMessageValues values{MakeFileName, DicFileName, ReadFileName, MasMaxX(), MasMaxY()};
  return observer_.ShowMessage(number, DesignerMessage(number, values));
}

void GridDesigner::Show(DesignerLabel label, const std::string& caption) {
  observer_.SetCaption(label, caption);
}

void GridDesigner::ShowMakeFileName() {
  Show(DesignerLabel::lblMakeFileName1, MakeFileName);
  Show(DesignerLabel::lblMakeFileName2, MakeFileDir);
  Show(DesignerLabel::lblInfoMakeFileName, MakeFileName);
}

// The chosen name is kept as it stands: rebuilding it from its base name would name
// another file for "words.v2.lxd" or, on a case-sensitive file system, "WORDS.LXD".
void GridDesigner::UseDictionary(const std::string& path, const WordCounts& counts) {
  DicFileName = FileNameOf(path);
  DicPath = FolderOf(path);
  Show(DesignerLabel::lblMakeDicName1, DicFileName);
  Show(DesignerLabel::lblMakeDicName2, DicPath);
  Show(DesignerLabel::lblInfoDicName, DicFileName);
  DicWordNmb = counts;
  MakeFileName = BaseName(DicFileName) + kGridExtension;
  MakeFileDir = GridFolderFor(DicPath);
  ShowMakeFileName();
}

void GridDesigner::ChooseDictionary(const std::string& path, const WordCounts& counts) {
  UseDictionary(path, counts);
  Ask(DesignerMsg::GridFileFollows);
}

void GridDesigner::ChooseMakeFile(const std::string& path) {
  MakeFileName = BaseName(FileNameOf(path)) + kGridExtension;
  MakeFileDir = FolderOf(path);
  ShowMakeFileName();
}

void GridDesigner::PresetReadFile() {
  const bool exists = FileExists(MakeFileDir + MakeFileName) == 1;
  ReadFileName = exists ? MakeFileName : "(未)?.gst";
  ReadFileDir = exists ? MakeFileDir : folders_.program;
  Show(DesignerLabel::lblReadFileName1, ReadFileName);
  Show(DesignerLabel::lblReadFileName2, ReadFileDir);
}

StageSize GridDesigner::DrawMasSize(int pattern, const std::string& widthText,
                                    const std::string& heightText) {
  struct Range {
    int first;
    int count;
  };
  // 小, 中, 大 (its last value 12 is never drawn) and ランダム.
  static constexpr Range kRanges[] = {{5, 3}, {7, 3}, {9, 3}, {5, 8}};
  if (pattern == MasSizePatternCustom) {
    return {ParseMasSize(widthText, "width"), ParseMasSize(heightText, "height")};
  }
  if (pattern < 1 || pattern > MasSizePatternCustom) {
    throw MasSizeError("there is no size pattern " + std::to_string(pattern));
  }
  const Range range = kRanges[pattern - 1];
  const int width = Random.Draw(range.first, range.count);
  const int height = Random.Draw(range.first, range.count);
  return {width, height};
}

// A grid of this size with every cell open, on a fresh board.
void GridDesigner::MakeNewGrid(StageSize size) {
  CrossMas = CrossMasMarks(size.MasMaxX, size.MasMaxY, BlankMark);
  SaveWChr = CrossMas;
  View.SetUp(MasMaxX(), MasMaxY());
  observer_.LoadBoard(MasMaxX(), MasMaxY(), View);
  SetNowBarNmb(0);
}

void GridDesigner::ShowMasSize() {
  Show(DesignerLabel::lblMasSize1, std::to_string(MasMaxX()));
  Show(DesignerLabel::lblMasSize2, std::to_string(MasMaxY()));
}

void GridDesigner::NewMasSize() {
  MakeNewGrid(DrawMasSize(MasSizePattern, MasSizeCustom[0], MasSizeCustom[1]));
  ClearMasBar();
  ShowMasSize();
}

void GridDesigner::SetNowBarNmb(int walls) {
  NowBarNmb = walls;
  StageFromFile = false;
  Show(DesignerLabel::lblNowBarNmb, std::to_string(walls));
}

void GridDesigner::ClearMasBar() {
  for (int y = 1; y <= MasMaxY(); ++y) {
    for (int x = 1; x <= MasMaxX(); ++x) CrossMas(x, y) = BlankMark;
  }
  observer_.ShowBoard(CrossMas);
  SetNowBarNmb(0);
  Show(DesignerLabel::lblWordNmbMax, "-");
}

void GridDesigner::ToggleCell(int k) {
  if (placing_ || k < 1 || k > MasMaxX() * MasMaxY()) return;
  const int x = (k - 1) % MasMaxX() + 1;
  const int y = (k - 1) / MasMaxX() + 1;
  const bool wall = IsWall(CrossMas(x, y));
  CrossMas(x, y) = wall ? BlankMark : WallMark;
  observer_.ShowBoard(CrossMas);
  SetNowBarNmb(NowBarNmb + (wall ? -1 : 1));
  CountWords();
  Show(DesignerLabel::lblWordNmbMax, std::to_string(WordCount.QuesNmbMax));
}

void GridDesigner::ShowMasBar() {
  observer_.ShowBoard(CrossMas);
  SetNowBarNmb(CountWalls(CrossMas));
}

bool GridDesigner::CheckLeavePage2() {
  if (StageFromFile) {
    ShowMasBar();
    CountWords();
    Show(DesignerLabel::lblWordNmbMax, std::to_string(WordCount.QuesNmbMax));
  }
  if (MasMaxX() < MasSizeSmallMin || MasMaxY() < MasSizeSmallMin) NewMasSize();
  return MasMaxX() * MasMaxY() <= MasCellsWarnMax || Ask(DesignerMsg::ManyCells) == AnswerYes;
}

void GridDesigner::CountWords() {
  WordCount = crossword::CountWords(CrossMas);
}

int GridDesigner::CheckMasBar() {
  if (FindBarPair(CrossMas) && Ask(DesignerMsg::WallsSideBySide) != AnswerYes) return 1;
  if (!AcceptCutOffCells()) return 1;
  if (FindShortSlot(CrossMas, ShortestAnswer) && Ask(DesignerMsg::ShortSlots) != AnswerYes) {
    return 1;
  }
  return 0;
}

// True when no cell is cut off or the author keeps those that are.
bool GridDesigner::AcceptCutOffCells() {
  const std::vector<MasPosition> cutOff = FindCutOffCells(CrossMas);
  if (cutOff.empty()) return true;
  observer_.MarkCutOffCells(cutOff);
  const MessageAnswer answer = Ask(DesignerMsg::CellsCutOff);
  observer_.MarkCutOffCells({});
  return answer == AnswerYes;
}

bool GridDesigner::CheckLeavePage3() {
  if (NowBarNmb == 0) {
    if (Ask(DesignerMsg::NoWalls) != AnswerYes) return false;
    CountWords();
  } else if (CheckMasBar() == 1) {
    return false;
  }
  if (WordCount.WordLenMax > AnswerLenMax) {
    Ask(DesignerMsg::WordTooLong);
    return false;
  }
  return true;
}

bool GridDesigner::LoadStage(const std::string& path, int n) {
  return LoadStage(GridSettingsFile(path), n);
}

// The stage is read before anything changes, so a stage that fails to read leaves the
// grid shown.
bool GridDesigner::LoadStage(const GridSettingsFile& file, int n) {
  const auto cells = file.ReadStageCells(n);
  if (!cells) return false;
  MakeNewGrid({cells->MasMaxX(), cells->MasMaxY()});
  CrossMas = *cells;
  ShowMasBar();
  StageFromFile = true;
  Show(DesignerLabel::lblNowBarNmb, kStageFromFileCaption);
  ShowMasSize();
  return true;
}

// A file that cannot be read, or whose first stage cannot, is a file without stages.
void GridDesigner::ChooseReadFile(const std::string& path) {
  ReadFileName = FileNameOf(path);
  ReadFileDir = FolderOf(path);
  Show(DesignerLabel::lblReadFileName1, ReadFileName);
  Show(DesignerLabel::lblReadFileName2, ReadFileDir);
  const int stages = LoadFirstStage(path);
  if (stages == 0) {
    Ask(DesignerMsg::GridFileUnusable);
    ReadFileName = "不明(*.gst)";
    Show(DesignerLabel::lblReadFileName1, ReadFileName);
    return;
  }
  CrossStageNmbMax = stages;
  CrossStageNmb = 1;
  Show(DesignerLabel::lblCrossStageNmbMax, std::to_string(stages));
  Show(DesignerLabel::lblCrossStageNmb, "1");
}

// The file's stage count once its stage 1 has loaded; 0 when the file or that stage
// cannot be read.
int GridDesigner::LoadFirstStage(const std::string& path) {
  try {
    const GridSettingsFile file(path);
    const int stages = file.CountStages();
    return stages > 0 && LoadStage(file, 1) ? stages : 0;
  } catch (const FileError&) {
    return 0;
  }
}

void GridDesigner::ChangeStage(int n) {
  if (n == CrossStageNmb) return;
  if (!TryLoadStage(ReadFileDir + ReadFileName, n)) {
    Ask(DesignerMsg::GridFileUnusable);
    return;
  }
  CrossStageNmb = n;
  Show(DesignerLabel::lblCrossStageNmb, std::to_string(n));
}

bool GridDesigner::TryLoadStage(const std::string& path, int n) {
  try {
    return LoadStage(path, n);
  } catch (const FileError&) {
    return false;
  }
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

#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/GridModel.h"
#include "common/TextFile.h"

// The grid settings file (.gst): a header naming the dictionary, then 1 to 99 stages,
// each a grid with its numbered word slots. The designer writes it; both programs read it.
namespace crossword {

constexpr int StageNmbMax = 99;  // stages one file may hold
constexpr int MasSizeMax = 99;   // the widest and highest grid a file may hold

struct GridHeader {
  std::string DicPath;      // folder of the dictionary, ending with "/"
  std::string DicFileName;  // file name of the dictionary
  int EmbedChrFlag = 0;     // 1 when a cell of the grid holds a letter of its own
  int MasSizePattern = 0;   // full-auto size pattern 1..5; 0 for a grid made by hand
};

// The lines of the header and of stage n's block, without line ends.
std::vector<std::u32string> GridHeaderLines(const GridHeader& header);
std::vector<std::u32string> GridStageLines(int n, const CrossGrid& grid);

// Writes a grid settings file: the header once, then stages 1, 2, ... in order. The file
// takes the place of an older one of the same name only at Commit.
class GridSettingsWriter {
 public:
  explicit GridSettingsWriter(std::filesystem::path path) : file_(std::move(path)) {}

  void WriteGridHeader(const GridHeader& header);
  // Numbers the grid's slots and appends the block of stage n; returns the slots written.
  std::vector<CrossWordSlot> WriteGridStage(int n, const CrossMasMarks& CrossMas);
  void Commit() { file_.Commit(); }
  int StagesWritten() const { return stagesWritten_; }

 private:
  StagedTextFile file_;
  int stagesWritten_ = 0;
};

// The dictionary a grid settings file names.
struct DicLocation {
  std::string DicPath;
  std::string DicFileName;
};

// The generator's readers. Each reads the file anew; a file too short or malformed for
// what a reader needs is a FileError naming the line.
int ReadStageCount(const std::filesystem::path& path);  // number after the last stage mark
DicLocation ReadDicLocation(const std::filesystem::path& path);
int ReadEmbedChrFlag(const std::filesystem::path& path);
int ReadMasSizePattern(const std::filesystem::path& path);
// The pattern after `previous`, or 1 when the file has no stage of that number.
int NextStagePattern(const std::filesystem::path& path, int previous);
// Stage n's cells and slots, checked against each other.
CrossGrid LoadStagePattern(const std::filesystem::path& path, int n);

class GridFileText;

// The two readers above on a file read once: a run loads stage after stage from it.
class GridStagePatterns {
 public:
  explicit GridStagePatterns(const std::filesystem::path& path);
  ~GridStagePatterns();
  int Next(int previous) const;
  CrossGrid Load(int n) const;

 private:
  std::unique_ptr<GridFileText> text_;
};

// The designer's readers: stages count only while their marks follow one another.
struct StageSize {
  int MasMaxX = 0;
  int MasMaxY = 0;
};
int CountStages(const std::filesystem::path& path);
std::optional<StageSize> ReadStageSize(const std::filesystem::path& path, int n);
// Stage n's walls and open cells; letters of their own become open cells, and so do
// cells missing from a short row. Nothing when the file has no stage n.
std::optional<CrossMasMarks> ReadStageCells(const std::filesystem::path& path, int n);

}  // namespace crossword

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

// Where the dictionary a grid settings file in `MakeDir` names lies: where the file says,
// or, when a file made on another machine names a folder that lacks it, of that name
// beside the grid settings file.
DicLocation LocateDictionary(const DicLocation& named, const std::string& MakeDir);

class GridFileText;

// A grid's width and height.
struct StageSize {
  int MasMaxX = 0;
  int MasMaxY = 0;
};

// A grid settings file read once. Each value is checked when it is taken, so a reader
// meets only the problems of what it reads; a problem is a FileError naming the line.
// The generator and the designer find and read a stage by their own rules.
class GridSettingsFile {
 public:
  // Reads the file; a FileError when it cannot be read or is not code page 932 text.
  explicit GridSettingsFile(const std::filesystem::path& path);
  ~GridSettingsFile();

  // --- The header ---
  DicLocation ReadDicLocation() const;
  int ReadEmbedChrFlag() const;  // 0 or 1
  int ReadMasSizePattern() const;

  // --- The generator's rules: stage n is the first line that is its mark; its rows must be
  // complete and its slots fit the grid. ---
  int ReadStageCount() const;  // the number after the last line that starts like a mark
  // The pattern after `previous`, or 1 when the file has no stage of that number.
  int NextStagePattern(int previous) const;
  // Stage n's cells and slots, checked against each other.
  CrossGrid LoadStagePattern(int n) const;

  // --- The designer's rules: stages count only while their marks follow one another. ---
  int CountStages() const;
  // Stage n's walls and open cells; letters of their own become open cells, and so do
  // cells missing from a short row. Nothing when the file has no stage n.
  std::optional<CrossMasMarks> ReadStageCells(int n) const;

 private:
  std::unique_ptr<GridFileText> text_;
};

}  // namespace crossword

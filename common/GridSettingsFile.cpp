#include "common/GridSettingsFile.h"

#include <stdexcept>

#include "common/FileError.h"
#include "common/FileKind.h"
#include "common/FileNames.h"
#include "common/NumberText.h"
#include "common/TextCodec.h"
#include "common/WordSlots.h"

namespace crossword {

namespace {

constexpr char32_t kStageMarkPrefix[] = U";#";

std::u32string StageMark(int n) {
  return kStageMarkPrefix + DecimalText(n);
}

// The same mark as the file holds it: plain ASCII.
std::string StageMarkBytes(int n) {
  return ";#" + std::to_string(n);
}

std::string Quoted(std::u32string_view text) {
  return "\"" + ToUtf8(text) + "\"";
}

}  // namespace

// The lines of one grid settings file, with the checks every reader shares. Only the lines
// a reader takes are decoded; marks are found in the bytes. Line numbers in messages count
// from 1; indexes here count from 0.
class GridFileText {
 public:
  explicit GridFileText(const std::filesystem::path& path)
      : path_(path), lines_(ExpectFileKind(path, FileKind::GridSettings)) {}

  size_t LineCount() const { return lines_.size(); }
  bool IsMark(size_t index, int n) const { return lines_.Bytes(index) == StageMarkBytes(n); }
  bool StartsLikeMark(size_t index) const { return lines_.Bytes(index).starts_with(";#"); }

  [[noreturn]] void Fail(size_t index, const std::string& problem) const {
    throw FileError(path_, static_cast<int>(index) + 1, problem);
  }

  [[noreturn]] void FailFile(const std::string& problem) const { throw FileError(path_, problem); }

  const std::u32string& Line(size_t index, const std::string& expected) const {
    if (index >= lines_.size()) {
      FailFile("the file ends after line " + std::to_string(lines_.size()) + "; expected " +
               expected + " on line " + std::to_string(index + 1));
    }
    return lines_.Decoded(index);
  }

  int HeaderNumber(size_t index, const std::string& what) const {
    const std::u32string& line = Line(index, what);
    const auto value = ParseWholeNumber(line);
    if (!value) Fail(index, "expected " + what + ", found " + Quoted(line));
    return *value;
  }

  // The first line equal to stage n's mark, as the generator finds a stage.
  std::optional<size_t> FindFirstMark(int n) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
      if (IsMark(i, n)) return i;
    }
    return std::nullopt;
  }

  // Stage n as the designer finds it: marks count only in the order 1, 2, 3, ...
  std::optional<size_t> FindMarkInSequence(int n) const {
    int expected = 1;
    for (size_t i = 0; i < lines_.size(); ++i) {
      if (!IsMark(i, expected)) continue;
      if (expected == n) return i;
      ++expected;
    }
    return std::nullopt;
  }

  StageSize ReadSize(size_t markIndex) const {
    const size_t index = markIndex + 2;
    const std::u32string& line = Line(index, "the width and height of the stage");
    const size_t comma = line.find(U',');
    const auto width = ParseWholeNumber(std::u32string_view(line).substr(0, comma));
    const auto height = comma == std::u32string::npos
                            ? std::nullopt
                            : ParseWholeNumber(std::u32string_view(line).substr(comma + 1));
    if (!width || !height) {
      Fail(index, "expected the width and height as two numbers separated by a comma, found " +
                      Quoted(line));
    }
    if (*width < 1 || *width > MasSizeMax || *height < 1 || *height > MasSizeMax) {
      Fail(index, "a stage must be 1 to " + std::to_string(MasSizeMax) +
                      " cells wide and high, found " + Quoted(line));
    }
    return {*width, *height};
  }

  // The row lines of the stage; `fillShortRows` turns missing cells into open cells,
  // otherwise a short row is an error.
  CrossMasMarks ReadCells(size_t markIndex, StageSize size, bool fillShortRows) const {
    CrossMasMarks marks(size.MasMaxX, size.MasMaxY, BlankMark);
    for (int y = 1; y <= size.MasMaxY; ++y) {
      const size_t index = markIndex + 3 + y;
      const std::u32string& row = Line(index, "row " + std::to_string(y) + " of the stage");
      if (!fillShortRows && static_cast<int>(row.size()) < size.MasMaxX) {
        Fail(index, "row " + std::to_string(y) + " has " + std::to_string(row.size()) +
                        " cells; the stage is " + std::to_string(size.MasMaxX) + " cells wide");
      }
      for (int x = 1; x <= size.MasMaxX && x <= static_cast<int>(row.size()); ++x) {
        marks(x, y) = row[x - 1];
      }
    }
    return marks;
  }

  std::vector<CrossWordSlot> ReadSlots(size_t markIndex, const CrossMasMarks& marks) const {
    size_t index = markIndex + 5 + marks.MasMaxY();
    const int count = HeaderNumber(index, "the number of word slots");
    if (count < 0 || count > 2 * marks.MasMaxX() * marks.MasMaxY()) {
      Fail(index, "the number of word slots " + std::to_string(count) +
                      " does not fit a grid of this size");
    }
    index += 2;
    std::vector<int> numbers;
    std::vector<size_t> slotLines;  // where each slot's numbers begin, for messages
    while (numbers.size() < 4 * static_cast<size_t>(count)) {
      while (slotLines.size() * 4 <= numbers.size() &&
             slotLines.size() < static_cast<size_t>(count)) {
        slotLines.push_back(index);
      }
      ReadSlotNumbers(index++, numbers, 4 * count);
    }
    std::vector<CrossWordSlot> slots;
    for (int k = 0; k < count; ++k) {
      slots.push_back({numbers[4 * k], numbers[4 * k + 1], numbers[4 * k + 2], numbers[4 * k + 3]});
      CheckSlot(slots.back(), k + 1, slotLines[k], marks);
    }
    return slots;
  }

 private:
  // The comma-separated numbers of one slot line, blanks ignored.
  void ReadSlotNumbers(size_t index, std::vector<int>& numbers, int wanted) const {
    const std::u32string& line = Line(index, "a word slot line");
    size_t start = 0;
    while (true) {
      const size_t comma = line.find(U',', start);
      const auto value = ParseWholeNumber(std::u32string_view(line).substr(start, comma - start));
      if (!value) {
        Fail(index,
             "expected a word slot as four numbers separated by commas, found " + Quoted(line));
      }
      if (static_cast<int>(numbers.size()) == wanted) {
        Fail(index, "more numbers than the word slots need: " + Quoted(line));
      }
      numbers.push_back(*value);
      if (comma == std::u32string::npos) return;
      start = comma + 1;
    }
  }

  void CheckSlot(const CrossWordSlot& slot, int k, size_t index, const CrossMasMarks& marks) const {
    const std::string name = "word slot " + std::to_string(k);
    if (slot.FlagHorV != FlagAcross && slot.FlagHorV != FlagDown) {
      Fail(index, name + " has the direction " + std::to_string(slot.FlagHorV) +
                      "; expected 1 (across) or 2 (down)");
    }
    if (slot.AnswerLen < AnswerLenMin || slot.AnswerLen > AnswerLenMax) {
      Fail(index, name + " has the length " + std::to_string(slot.AnswerLen) +
                      "; word slots have 2 to 12 cells");
    }
    for (int i = 1; i <= slot.AnswerLen; ++i) {
      const int x = slot.CellX(i);
      const int y = slot.CellY(i);
      if (!marks.Contains(x, y)) {
        Fail(index, name + " runs outside the grid");
      }
      if (IsWall(marks(x, y))) {
        Fail(index, name + " covers the wall at column " + std::to_string(x) + ", row " +
                        std::to_string(y));
      }
    }
  }

  std::filesystem::path path_;
  TextFileLines lines_;
};

std::vector<std::u32string> GridHeaderLines(const GridHeader& header) {
  return {
      U";DicPath",
      FromUtf8(header.DicPath),
      U";DicFileName",
      FromUtf8(header.DicFileName),
      U";埋め込み文字 =0:NO =1:YES(指定あり)",
      DecimalText(header.EmbedChrFlag),
      U";マス目作成・お任せモード時のマス目数 =0:(カスタム作成モード) =1:小 =2:中 =3:大 "
      U"=4:ランダム =5:カスタム",
      DecimalText(header.MasSizePattern),
      U"",
  };
}

std::vector<std::u32string> GridStageLines(int n, const CrossGrid& grid) {
  const CrossMasMarks& marks = grid.CrossMas;
  std::vector<std::u32string> lines = {
      StageMark(n), U";MasMaxX,MasMaxY",
      DecimalText(marks.MasMaxX()) + U"," + DecimalText(marks.MasMaxY()),
      U";CrossMas(*,*).DispWChr"};
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    std::u32string row;
    for (int x = 1; x <= marks.MasMaxX(); ++x) row += marks(x, y);
    lines.push_back(row);
  }
  lines.push_back(U";QuesNmbMax");
  lines.push_back(DecimalText(static_cast<int>(grid.CrossWord.size())));
  lines.push_back(U";CrossWord(*).FlagHorV/x/y/AnswerLen");
  for (const CrossWordSlot& slot : grid.CrossWord) {
    lines.push_back(PrintForm(slot.FlagHorV) + U"," + PrintForm(slot.x) + U"," + PrintForm(slot.y) +
                    U"," + PrintForm(slot.AnswerLen));
  }
  lines.push_back(U"");
  return lines;
}

void GridSettingsWriter::WriteGridHeader(const GridHeader& header) {
  file_.Create(GridHeaderLines(header));
  stagesWritten_ = 0;
}

std::vector<CrossWordSlot> GridSettingsWriter::WriteGridStage(int n,
                                                              const CrossMasMarks& CrossMas) {
  if (n != stagesWritten_ + 1 || n > StageNmbMax) {
    throw std::logic_error("stage " + std::to_string(n) + " written out of order");
  }
  if (CountWords(CrossMas).WordLenMax > AnswerLenMax) {
    throw std::invalid_argument("a word slot is longer than " + std::to_string(AnswerLenMax) +
                                " cells");
  }
  CrossGrid grid{CrossMas, NumberWordSlots(CrossMas)};
  file_.Append(GridStageLines(n, grid));
  stagesWritten_ = n;
  return grid.CrossWord;
}

GridSettingsFile::GridSettingsFile(const std::filesystem::path& path)
    : text_(std::make_unique<GridFileText>(path)) {}

GridSettingsFile::~GridSettingsFile() = default;

DicLocation GridSettingsFile::ReadDicLocation() const {
  return {ToUtf8(text_->Line(1, "the dictionary folder")),
          ToUtf8(text_->Line(3, "the dictionary file name"))};
}

DicLocation LocateDictionary(const DicLocation& named, const std::string& MakeDir) {
  if (!FileExists(named.DicPath + named.DicFileName) && FileExists(MakeDir + named.DicFileName)) {
    return {MakeDir, named.DicFileName};
  }
  return named;
}

int GridSettingsFile::ReadEmbedChrFlag() const {
  return text_->HeaderNumber(5, "the embedded-character flag 0 or 1") != 0 ? 1 : 0;
}

int GridSettingsFile::ReadMasSizePattern() const {
  const int pattern = text_->HeaderNumber(7, "the size pattern 0 to 5");
  if (pattern < 0 || pattern > 5) {
    text_->Fail(7, "expected the size pattern 0 to 5, found " + std::to_string(pattern));
  }
  return pattern;
}

int GridSettingsFile::ReadStageCount() const {
  int count = 0;
  for (size_t i = 0; i < text_->LineCount(); ++i) {
    if (text_->StartsLikeMark(i)) count = LeadingDigitsValue(text_->Line(i, "").substr(2));
  }
  return count;
}

int GridSettingsFile::NextStagePattern(int previous) const {
  return text_->FindFirstMark(previous + 1) ? previous + 1 : 1;
}

CrossGrid GridSettingsFile::LoadStagePattern(int n) const {
  const auto mark = text_->FindFirstMark(n);
  if (!mark) {
    text_->FailFile("the file has no stage " + std::to_string(n) + " (no line \";#" +
                    std::to_string(n) + "\")");
  }
  CrossGrid grid;
  grid.CrossMas = text_->ReadCells(*mark, text_->ReadSize(*mark), false);
  grid.CrossWord = text_->ReadSlots(*mark, grid.CrossMas);
  return grid;
}

int GridSettingsFile::CountStages() const {
  int expected = 1;
  for (size_t i = 0; i < text_->LineCount(); ++i) {
    if (text_->IsMark(i, expected)) ++expected;
  }
  return expected - 1;
}

std::optional<CrossMasMarks> GridSettingsFile::ReadStageCells(int n) const {
  const auto mark = text_->FindMarkInSequence(n);
  if (!mark) return std::nullopt;
  CrossMasMarks marks = text_->ReadCells(*mark, text_->ReadSize(*mark), true);
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      if (!IsWall(marks(x, y))) marks(x, y) = BlankMark;
    }
  }
  return marks;
}

}  // namespace crossword

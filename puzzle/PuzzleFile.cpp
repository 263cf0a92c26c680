#include "puzzle/PuzzleFile.h"

#include <optional>

#include "common/FileError.h"
#include "common/FileKind.h"
#include "common/NumberText.h"
#include "common/QuestionNumbers.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "common/WordSlots.h"
#include "puzzle/PuzzleFileWriter.h"

namespace crossword {

namespace {

constexpr int kStagesMax = 99;
constexpr int kSizeMax = 99;

std::string Quoted(std::u32string_view text) {
  return "\"" + ToUtf8(text) + "\"";
}

std::vector<std::u32string> SplitFields(const std::u32string& line) {
  std::vector<std::u32string> fields(1);
  for (char32_t c : line) {
    if (c == U',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

bool IsDigits(std::u32string_view text) {
  if (text.empty()) return false;
  for (char32_t c : text) {
    if (c < U'0' || c > U'9') return false;
  }
  return true;
}

// Plain decimal digits, as every number of the file is written but those of down hints.
std::optional<int> PlainNumber(std::u32string_view text) {
  if (!IsDigits(text) || text.size() > 9) return std::nullopt;
  return ParseWholeNumber(text);
}

// The print form of a number: a blank, the digits, a blank.
std::optional<int> PrintFormNumber(std::u32string_view text) {
  if (text.size() < 3 || text.front() != U' ' || text.back() != U' ') return std::nullopt;
  return PlainNumber(text.substr(1, text.size() - 2));
}

// Walks the file line by line; every problem names the line it was found on.
class PuzzleReader {
 public:
  explicit PuzzleReader(const std::filesystem::path& path)
      : path_(path), lines_(ReadTextLines(ExpectFileKind(path, FileKind::PuzzleSet))) {}

  PuzzleSet Read() {
    PuzzleSet set;
    Expect(AnswerLangLine);
    set.AnswerLang = NumberIn(Next("the answer language"), 0, 1, "the answer language 0 or 1");
    Expect(StageCountLine);
    const int stages =
        NumberIn(Next("the number of stages"), 1, kStagesMax, "the number of stages 1 to 99");
    Expect(SolveStatusLine);
    ReadStatusLine(stages);
    Expect(U"");
    for (int k = 1; k <= stages; ++k) set.Stages.push_back(ReadStage(k));
    if (next_ < lines_.size()) Fail(next_, "unexpected text after the last stage");
    return set;
  }

 private:
  [[noreturn]] void Fail(size_t index, const std::string& problem) const {
    throw FileError(path_, static_cast<int>(index) + 1, problem);
  }
  [[noreturn]] void FailHere(const std::string& problem) const { Fail(next_ - 1, problem); }

  const std::u32string& Next(const std::string& expected) {
    if (next_ >= lines_.size()) {
      throw FileError(path_, "the file ends after line " + std::to_string(lines_.size()) +
                                 "; expected " + expected);
    }
    return lines_[next_++];
  }

  void Expect(std::u32string_view text) {
    const std::u32string& line = Next(text.empty() ? "an empty line" : Quoted(text));
    if (line != text) {
      FailHere("expected " + (text.empty() ? std::string("an empty line") : Quoted(text)) +
               ", found " + Quoted(line));
    }
  }

  int NumberIn(const std::u32string& text, int low, int high, const std::string& what) {
    const auto value = PlainNumber(text);
    if (!value || *value < low || *value > high)
      FailHere("expected " + what + ", found " + Quoted(text));
    return *value;
  }

  std::vector<int> NumberFields(size_t count, const std::string& what) {
    const std::u32string& line = Next(what);
    const auto fields = SplitFields(line);
    if (fields.size() != count) {
      FailHere("expected " + what + " (" + std::to_string(count) + " numbers), found " +
               Quoted(line));
    }
    std::vector<int> numbers;
    for (const auto& field : fields) {
      const auto value = PlainNumber(field);
      if (!value) FailHere("expected " + what + ", found " + Quoted(line));
      numbers.push_back(*value);
    }
    return numbers;
  }

  void ReadStatusLine(int stages) {
    for (int status : NumberFields(stages, "the solve status of every stage")) {
      if (status > 1) FailHere("a solve status is 0 or 1");
    }
  }

  PuzzleStage ReadStage(int k) {
    Expect(StageMarkLine(k));
    Expect(StageSizeLine);
    const auto size = NumberFields(2, "the rows and columns of the stage");
    const int height = size[0], width = size[1];
    if (width < 1 || width > kSizeMax || height < 1 || height > kSizeMax) {
      FailHere("a stage has 1 to 99 rows and columns");
    }
    Expect(StageLevelLine);
    const auto level =
        NumberFields(3, "the level, the number of questions and the first down number");
    if (level[0] > 5) FailHere("the level is 0 to 5, found " + std::to_string(level[0]));
    const size_t levelLine = next_ - 1;

    PuzzleStage stage;
    stage.DifficultRank = level[0];
    stage.FirstDownNumber = level[2];
    Expect(CellKindsLine);
    stage.CellKinds = ReadCellKinds(width, height);
    Expect(AnswersLine);
    stage.FirstAnswerLine = next_;
    stage.Answers = ReadAnswers(width, height);
    const int digits = NumberWidth(level[1]);
    Expect(AcrossNumbersLine);
    stage.QuesNmbH = ReadQuestionNumbers(width, height, digits);
    Expect(DownNumbersLine);
    stage.QuesNmbV = ReadQuestionNumbers(width, height, digits);
    CheckGrid(stage, level[1], levelLine);
    Expect(HintsLine);
    ReadHints(stage, digits);
    Expect(U"");
    return stage;
  }

  MasArray<CellKind> ReadCellKinds(int width, int height) {
    MasArray<CellKind> kinds(width, height);
    for (int row = 0; row <= height + 1; ++row) {
      const auto codes = NumberFields(width + 2, "a line of the cell-kind map");
      for (int column = 0; column <= width + 1; ++column) {
        const int code = codes[column];
        const bool frame = row == 0 || row == height + 1 || column == 0 || column == width + 1;
        if (frame ? code != KindWall : code < KindWall || code > KindCross) {
          FailHere("cell-kind code " + std::to_string(code) + " at column " +
                   std::to_string(column + 1) +
                   (frame ? " of the frame; the frame is all 1" : "; codes are 1 to 4"));
        }
        if (!frame) kinds(column, row) = static_cast<CellKind>(code);
      }
    }
    return kinds;
  }

  CrossMasMarks ReadAnswers(int width, int height) {
    CrossMasMarks answers(width, height);
    for (int y = 1; y <= height; ++y) {
      const std::u32string& row = Next("a row of answers");
      if (static_cast<int>(row.size()) != width) {
        FailHere("the answer row has " + std::to_string(row.size()) + " letters; the stage is " +
                 std::to_string(width) + " wide");
      }
      for (int x = 1; x <= width; ++x) answers(x, y) = row[x - 1];
    }
    return answers;
  }

  MasArray<int> ReadQuestionNumbers(int width, int height, int digits) {
    MasArray<int> numbers(width, height);
    for (int y = 1; y <= height; ++y) {
      const std::u32string& line = Next("a row of question numbers");
      const auto fields = SplitFields(line);
      if (static_cast<int>(fields.size()) != width) {
        FailHere("expected " + std::to_string(width) + " question numbers, found " + Quoted(line));
      }
      for (int x = 1; x <= width; ++x) {
        const auto value = PlainNumber(fields[x - 1]);
        if (!value || static_cast<int>(fields[x - 1].size()) != digits) {
          FailHere("question numbers of this stage are " + std::to_string(digits) +
                   " digits wide, found " + Quoted(fields[x - 1]));
        }
        numbers(x, y) = *value;
      }
    }
    return numbers;
  }

  // The map, the numbers and the counts must all follow from the walls of the answers.
  void CheckGrid(const PuzzleStage& stage, int questions, size_t levelLine) const {
    const WordPositions positions = MarkWordPos(stage.Answers);
    for (int y = 1; y <= stage.MasMaxY(); ++y) {
      for (int x = 1; x <= stage.MasMaxX(); ++x) {
        const CellKind kind =
            CellKindOf(positions.WordPosH(x, y) != 0, positions.WordPosV(x, y) != 0);
        if (stage.CellKinds(x, y) != kind) {
          throw FileError(path_, "the cell-kind map does not fit the answers at column " +
                                     std::to_string(x) + ", row " + std::to_string(y));
        }
      }
    }
    const QuestionNumbers expected = NumberQuestions(positions.WordPosH, positions.WordPosV);
    if (expected.QuesNmbH != stage.QuesNmbH || expected.QuesNmbV != stage.QuesNmbV) {
      throw FileError(path_, "the question numbers do not follow the grid");
    }
    if (expected.FirstDownNumber != stage.FirstDownNumber ||
        questions != CountWords(stage.Answers).QuesNmbMax) {
      Fail(levelLine, "the number of questions or the first down number does not fit the grid");
    }
  }

  void ReadHints(PuzzleStage& stage, int digits) {
    const WordPositions positions = MarkWordPos(stage.Answers);
    for (int x = 1; x <= stage.MasMaxX() - 1; ++x) {
      for (int y = 1; y <= stage.MasMaxY(); ++y) {
        if (stage.QuesNmbH(x, y) == 0) continue;
        stage.Across.push_back(
            ReadHint(stage, {FlagAcross, x, y, 0}, stage.QuesNmbH(x, y), digits, positions));
      }
    }
    for (int y = 1; y <= stage.MasMaxY() - 1; ++y) {
      for (int x = 1; x <= stage.MasMaxX(); ++x) {
        if (stage.QuesNmbV(x, y) == 0) continue;
        stage.Down.push_back(
            ReadHint(stage, {FlagDown, x, y, 0}, stage.QuesNmbV(x, y), digits, positions));
      }
    }
  }

  PuzzleHint ReadHint(const PuzzleStage& stage, CrossWordSlot slot, int number, int digits,
                      const WordPositions& positions) {
    const bool across = slot.FlagHorV == FlagAcross;
    const std::u32string& line =
        Next((across ? "the across hint " : "the down hint ") + std::to_string(number));
    const auto fields = SplitFields(line);
    if (fields.size() != 10) FailHere("a hint line has 10 fields, found " + Quoted(line));
    PuzzleHint hint;
    const auto hintNumber = PlainNumber(fields[0]);
    if (!hintNumber || *hintNumber != number || static_cast<int>(fields[0].size()) != digits) {
      FailHere("expected the hint of question " + std::to_string(number) + ", found " +
               Quoted(line));
    }
    hint.Number = number;
    hint.Line = next_ - 1;
    hint.Qst = fields[1];
    hint.Ast = fields[2];
    hint.Yst = fields[3];
    int* numbers[] = {&hint.ID, &hint.CN, &hint.BN, &hint.QN, &hint.AN, &hint.SN};
    for (int i = 0; i < 6; ++i) {
      const auto value = across ? PlainNumber(fields[4 + i]) : PrintFormNumber(fields[4 + i]);
      if (!value) {
        FailHere(std::string("the word numbers of ") + (across ? "an across" : "a down") +
                 " hint are written " + (across ? "as plain digits" : "with a blank on each side") +
                 ", found " + Quoted(fields[4 + i]));
      }
      *numbers[i] = *value;
    }
    slot.AnswerLen = SlotLength(slot, positions);
    hint.Slot = slot;
    CheckAnswer(stage, hint);
    return hint;
  }

  static int SlotLength(const CrossWordSlot& slot, const WordPositions& positions) {
    const MasArray<int>& along =
        slot.FlagHorV == FlagAcross ? positions.WordPosH : positions.WordPosV;
    int length = 0;
    while (along.Contains(slot.CellX(length + 1), slot.CellY(length + 1)) &&
           along(slot.CellX(length + 1), slot.CellY(length + 1)) == length + 1) {
      ++length;
    }
    return length;
  }

  void CheckAnswer(const PuzzleStage& stage, const PuzzleHint& hint) const {
    std::u32string inGrid;
    for (int i = 1; i <= hint.Slot.AnswerLen; ++i) {
      inGrid += stage.Answers(hint.Slot.CellX(i), hint.Slot.CellY(i));
    }
    if (hint.Yst != inGrid) {
      FailHere("the answer " + Quoted(hint.Yst) + " of question " + std::to_string(hint.Number) +
               " differs from the grid's " + Quoted(inGrid));
    }
  }

  std::filesystem::path path_;
  std::vector<std::u32string> lines_;
  size_t next_ = 0;
};

}  // namespace

std::string QuestionLabel(const PuzzleStage& stage, int x, int y) {
  const int across = stage.QuesNmbH(x, y), down = stage.QuesNmbV(x, y);
  std::string label = across ? std::to_string(across) : "";
  if (down) label += (across ? "/" : "") + std::to_string(down);
  return label;
}

PuzzleSet ReadPuzzleFile(const std::filesystem::path& path) {
  return PuzzleReader(path).Read();
}

}  // namespace crossword

#include "puzzle/PuzzleFileWriter.h"

#include <stdexcept>

#include "common/NumberText.h"

namespace crossword {

namespace {

// A question number with leading zeros to the width of the stage's largest number.
std::u32string NumberOfWidth(int value, int W) {
  const std::u32string digits = DecimalText(value);
  return std::u32string(W > static_cast<int>(digits.size()) ? W - digits.size() : 0, U'0') + digits;
}

std::u32string Joined(const std::vector<std::u32string>& values) {
  std::u32string line;
  for (const auto& value : values) line += (line.empty() ? U"" : U",") + value;
  return line;
}

// The map is framed by a border of walls.
void AddCellKindMap(const MasArray<CellKind>& kinds, std::vector<std::u32string>& lines) {
  const std::vector<std::u32string> border(kinds.MasMaxX() + 2, DecimalText(KindWall));
  lines.push_back(Joined(border));
  for (int y = 1; y <= kinds.MasMaxY(); ++y) {
    std::vector<std::u32string> codes{DecimalText(KindWall)};
    for (int x = 1; x <= kinds.MasMaxX(); ++x) codes.push_back(DecimalText(kinds(x, y)));
    codes.push_back(DecimalText(KindWall));
    lines.push_back(Joined(codes));
  }
  lines.push_back(Joined(border));
}

void AddAnswers(const CrossMasMarks& answers, std::vector<std::u32string>& lines) {
  for (int y = 1; y <= answers.MasMaxY(); ++y) {
    std::u32string row;
    for (int x = 1; x <= answers.MasMaxX(); ++x) row += answers(x, y);
    lines.push_back(FieldText(row));
  }
}

void AddQuestionNumbers(const MasArray<int>& numbers, int W, std::vector<std::u32string>& lines) {
  for (int y = 1; y <= numbers.MasMaxY(); ++y) {
    std::vector<std::u32string> row;
    for (int x = 1; x <= numbers.MasMaxX(); ++x) row.push_back(NumberOfWidth(numbers(x, y), W));
    lines.push_back(Joined(row));
  }
}

void AddHints(const std::vector<PuzzleHint>& hints, int W, bool down,
              std::vector<std::u32string>& lines) {
  for (const PuzzleHint& hint : hints) lines.push_back(HintLine(hint, W, down));
}

}  // namespace

std::u32string StageMarkLine(int k) {
  return U";#" + DecimalText(k);
}

// A comma would split a hint's field and a line break end its line: the player could not
// tell them from the file's own.
std::u32string FieldText(const std::u32string& text) {
  std::u32string field;
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') continue;  // one break
    field += c == U',' ? U'，' : (c == U'\r' || c == U'\n') ? U' ' : c;
  }
  return field;
}

int NumberWidth(int N) {
  return static_cast<int>(DecimalText(N).size());
}

// Across hints give their numbers plain, down hints in print form; the player expects
// exactly this difference.
std::u32string HintLine(const PuzzleHint& hint, int W, bool down) {
  if (hint.ID == 0) throw std::logic_error("a filled grid has a slot without a word");
  std::vector<std::u32string> fields{NumberOfWidth(hint.Number, W), FieldText(hint.Qst),
                                     FieldText(hint.Ast), FieldText(hint.Yst)};
  for (int value : {hint.ID, hint.CN, hint.BN, hint.QN, hint.AN, hint.SN}) {
    fields.push_back(down ? PrintForm(value) : DecimalText(value));
  }
  return Joined(fields);
}

std::vector<std::u32string> PuzzleHeaderLines(int AnswerLang, int S) {
  std::u32string solveStatus = U"0";
  for (int stage = 2; stage <= S; ++stage) solveStatus += U",0";
  return {std::u32string(AnswerLangLine),
          DecimalText(AnswerLang),
          std::u32string(StageCountLine),
          DecimalText(S),
          std::u32string(SolveStatusLine),
          solveStatus,
          U""};
}

std::vector<std::u32string> PuzzleStageLines(int k, const PuzzleStage& stage) {
  const int N = stage.QuesNmbMax();
  const int W = NumberWidth(N);
  std::vector<std::u32string> lines{
      StageMarkLine(k),
      std::u32string(StageSizeLine),
      DecimalText(stage.MasMaxY()) + U"," + DecimalText(stage.MasMaxX()),
      std::u32string(StageLevelLine),
      Joined(
          {DecimalText(stage.DifficultRank), DecimalText(N), DecimalText(stage.FirstDownNumber)}),
      std::u32string(CellKindsLine)};
  AddCellKindMap(stage.CellKinds, lines);
  lines.emplace_back(AnswersLine);
  AddAnswers(stage.Answers, lines);
  lines.emplace_back(AcrossNumbersLine);
  AddQuestionNumbers(stage.QuesNmbH, W, lines);
  lines.emplace_back(DownNumbersLine);
  AddQuestionNumbers(stage.QuesNmbV, W, lines);
  lines.emplace_back(HintsLine);
  AddHints(stage.Across, W, false, lines);
  AddHints(stage.Down, W, true, lines);
  lines.emplace_back();
  return lines;
}

}  // namespace crossword

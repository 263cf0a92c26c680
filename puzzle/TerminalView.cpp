#include "puzzle/TerminalView.h"

#include <algorithm>

#include "common/TextCodec.h"
#include "puzzle/KeywordChoice.h"
#include "puzzle/KeywordMarks.h"

namespace crossword {

namespace {

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

std::string Padded(const std::u32string& text, int width) {
  return ToUtf8(text) + std::string(std::max(0, width - DisplayWidth(text)), ' ');
}

// The widest label with a blank either side, or less where the terminal is narrower.
int CellWidth(const PuzzleStage& stage, int columns) {
  int widest = 2;
  for (int y = 1; y <= stage.MasMaxY(); ++y) {
    for (int x = 1; x <= stage.MasMaxX(); ++x) {
      widest = std::max(widest, static_cast<int>(QuestionLabel(stage, x, y).size()));
    }
  }
  int padding = 2;
  while (padding > 0 && (widest + padding + 1) * stage.MasMaxX() + 1 > columns) --padding;
  return widest + padding;
}

std::string RenderGrid(const PuzzleStage& stage, bool withSolution, int columns) {
  const int width = CellWidth(stage, columns);
  std::string border = "+";
  for (int x = 1; x <= stage.MasMaxX(); ++x) border += std::string(width, '-') + "+";
  std::string out = border + "\n";
  for (int y = 1; y <= stage.MasMaxY(); ++y) {
    std::string numbers = "|", letters = "|";
    for (int x = 1; x <= stage.MasMaxX(); ++x) {
      const char32_t mark = stage.Answers(x, y);
      if (IsWall(mark)) {
        numbers += std::string(width, '#') + "|";
        letters += std::string(width, '#') + "|";
        continue;
      }
      numbers += Padded(FromUtf8(QuestionLabel(stage, x, y)), width) + "|";
      const int marked = MarkAt(stage, x, y);
      const char32_t shown = withSolution && mark != BlankMark ? mark
                             : marked >= 0                     ? MarkLabel(marked)
                                                               : U' ';
      const std::u32string letter(1, shown);
      const int room = width - DisplayWidth(letter);
      letters += std::string(room / 2, ' ') + Padded(letter, width - room / 2) + "|";
    }
    out += numbers + "\n" + letters + "\n" + border + "\n";
  }
  return out;
}

// Appends text wrapped to the columns, continuation lines indented. A line breaks at its
// last blank; only a word longer than a line, or text without blanks (Japanese), breaks
// between letters.
void AppendWrapped(std::string& out, const std::u32string& text, int columns, int indent) {
  std::u32string line;
  size_t start = 0;  // where the line's own text begins, after any indent
  for (char32_t c : text) {
    if (DisplayWidth(line + c) > columns && line.size() > start) {
      const size_t blank = c == U' ' ? line.size() : line.find_last_of(U' ');
      const bool atBlank = blank != std::u32string::npos && blank > start;
      const std::u32string rest = atBlank ? line.substr(std::min(blank + 1, line.size())) : U"";
      line.resize(atBlank ? blank : line.size());
      out += ToUtf8(line) + "\n";
      line = std::u32string(indent, U' ') + rest;
      start = indent;
      if (c == U' ') continue;
    }
    line += c;
  }
  out += ToUtf8(line) + "\n";
}

// The answer row of a prize keyword: the labels of its cells, with the solution what they
// spell.
std::string RenderKeyword(const StageKeyword& keyword, bool withSolution) {
  std::u32string labels;
  for (size_t i = 0; i < keyword.Word.size(); ++i) labels += MarkLabel(static_cast<int>(i));
  return "\nキーワード (Keyword): " + ToUtf8(labels) +
         (withSolution ? " = " + ToUtf8(keyword.Word) : "") + "\n";
}

void RenderClues(std::string& out, const std::vector<PuzzleHint>& hints, const char* heading,
                 bool withSolution, int columns) {
  out += std::string("\n") + heading + "\n";
  for (const PuzzleHint& hint : hints) {
    std::u32string text = FromUtf8(std::to_string(hint.Number) + ". ") + hint.Qst +
                          FromUtf8(" (" + std::to_string(hint.Slot.AnswerLen) + ")");
    if (withSolution)
      text += U" = " + hint.Yst + (hint.Ast != hint.Yst ? U" [" + hint.Ast + U"]" : U"");
    AppendWrapped(out, text, columns, 4);
  }
}

}  // namespace

int DisplayWidth(std::u32string_view text) {
  int width = 0;
  for (char32_t c : text) width += IsWide(c) ? 2 : 1;
  return width;
}

std::string RenderStage(const PuzzleSet& set, int stageNumber, bool withSolution, int columns) {
  const PuzzleStage& stage = set.Stages.at(stageNumber - 1);
  const bool japanese = set.AnswerLang == 1;
  std::string out = "Stage " + std::to_string(stageNumber) + " of " +
                    std::to_string(set.Stages.size()) + ": " + std::to_string(stage.MasMaxX()) +
                    " x " + std::to_string(stage.MasMaxY()) + ", " +
                    std::to_string(stage.QuesNmbMax()) + " questions, level " +
                    std::to_string(stage.DifficultRank) + "\n";
  out += RenderGrid(stage, withSolution, columns);
  if (stage.Keyword) out += RenderKeyword(*stage.Keyword, withSolution);
  RenderClues(out, stage.Across, japanese ? "ヨコのカギ (Across)" : "Across", withSolution,
              columns);
  RenderClues(out, stage.Down, japanese ? "タテのカギ (Down)" : "Down", withSolution, columns);
  return out;
}

}  // namespace crossword

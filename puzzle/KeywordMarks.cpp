#include "puzzle/KeywordMarks.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "common/FileError.h"
#include "common/FileNames.h"
#include "common/FileOps.h"
#include "common/NumberText.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "puzzle/KeywordChoice.h"

namespace crossword {

namespace {

constexpr std::u32string_view kSignature = U"wright-keywords 1";
constexpr std::u32string_view kLegend =
    U"# stage, keyword, then column,row of the cell marked Ａ, Ｂ, … in the keyword's order";

std::vector<std::u32string> Split(const std::u32string& text, char32_t separator) {
  std::vector<std::u32string> fields(1);
  for (const char32_t c : text) {
    if (c == separator) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::string CellName(MasPoint cell) {
  return "(" + std::to_string(cell.x) + ", " + std::to_string(cell.y) + ")";
}

// "column,row" as the file writes a cell; nullopt for anything else.
std::optional<MasPoint> ParseCell(const std::u32string& text) {
  const auto parts = Split(text, U',');
  if (parts.size() != 2) return std::nullopt;
  const auto x = ParseWholeNumber(parts[0]), y = ParseWholeNumber(parts[1]);
  if (!x || !y) return std::nullopt;
  return MasPoint{*x, *y};
}

// One line of the file: the stage it names and its keyword; throws the problem as text.
std::pair<int, StageKeyword> ParseLine(const std::u32string& line, const PuzzleSet& set) {
  const auto fields = Split(line, U'\t');
  const auto stage = ParseWholeNumber(fields[0]);
  if (!stage || *stage < 1 || *stage > static_cast<int>(set.Stages.size())) {
    throw std::invalid_argument("\"" + ToUtf8(fields[0]) + "\" is not a stage of the set");
  }
  if (fields.size() < 2) throw std::invalid_argument("the line names no keyword");
  StageKeyword keyword{KeywordLetters(fields[1]), {}};
  for (size_t i = 2; i < fields.size(); ++i) {
    const auto cell = ParseCell(fields[i]);
    if (!cell) throw std::invalid_argument("\"" + ToUtf8(fields[i]) + "\" is not column,row");
    keyword.Cells.push_back(*cell);
  }
  return {*stage, keyword};
}

std::u32string LineOf(int stage, const StageKeyword& keyword) {
  std::u32string line = DecimalText(stage) + U"\t" + keyword.Word;
  for (const MasPoint cell : keyword.Cells) {
    line += U"\t" + DecimalText(cell.x) + U"," + DecimalText(cell.y);
  }
  return line;
}

}  // namespace

std::filesystem::path KeywordMarksPath(const std::filesystem::path& set) {
  return set.parent_path() / (BaseName(set.filename().string()) + ".kwd");
}

int MarkAt(const PuzzleStage& stage, int x, int y) {
  if (!stage.Keyword) return -1;
  const auto& cells = stage.Keyword->Cells;
  const auto at = std::find(cells.begin(), cells.end(), MasPoint{x, y});
  return at == cells.end() ? -1 : static_cast<int>(at - cells.begin());
}

std::string KeywordMismatch(const PuzzleStage& stage, const StageKeyword& keyword) {
  if (keyword.Cells.size() != keyword.Word.size()) {
    return ToUtf8(keyword.Word) + " has " + std::to_string(keyword.Word.size()) + " letters and " +
           std::to_string(keyword.Cells.size()) + " marked cells";
  }
  std::set<std::pair<int, int>> marked;
  for (size_t i = 0; i < keyword.Cells.size(); ++i) {
    const MasPoint cell = keyword.Cells[i];
    const std::string name = "the cell " + CellName(cell);
    if (!stage.Answers.Contains(cell.x, cell.y)) return name + " lies outside the grid";
    if (!marked.insert({cell.x, cell.y}).second) return name + " is marked twice";
    const char32_t letter = stage.Answers(cell.x, cell.y);
    if (letter != keyword.Word[i]) {
      return name + " holds " + ToUtf8(letter) + ", not the keyword's " + ToUtf8(keyword.Word[i]);
    }
  }
  return "";
}

void ReadKeywordMarks(PuzzleSet& set, const std::filesystem::path& setPath, int remarking) {
  const std::filesystem::path path = KeywordMarksPath(setPath);
  if (!std::filesystem::exists(path)) return;
  const std::vector<std::u32string> lines = ReadUtf8Lines(path);
  if (lines.empty() || lines[0] != kSignature) {
    throw FileError(path, 1, "not a keyword file: its first line is not \"wright-keywords 1\"");
  }
  for (size_t n = 1; n < lines.size(); ++n) {
    if (lines[n].empty() || lines[n][0] == U'#') continue;
    try {
      auto [stage, keyword] = ParseLine(lines[n], set);
      const std::string name = "stage " + std::to_string(stage);
      std::optional<StageKeyword>& slot = set.Stages[stage - 1].Keyword;
      if (slot) throw std::invalid_argument(name + " is named twice");
      if (stage == remarking) continue;
      const std::string mismatch = KeywordMismatch(set.Stages[stage - 1], keyword);
      if (!mismatch.empty()) {
        throw std::invalid_argument(name + ": " + mismatch +
                                    "; mark its keyword again (wright keyword)");
      }
      slot = std::move(keyword);
    } catch (const std::invalid_argument& problem) {
      throw FileError(path, static_cast<int>(n) + 1, problem.what());
    }
  }
}

PuzzleSet ReadPuzzleSetWithMarks(const std::filesystem::path& setPath) {
  PuzzleSet set = ReadPuzzleFile(setPath);
  ReadKeywordMarks(set, setPath);
  return set;
}

void WriteKeywordMarks(const std::vector<std::optional<StageKeyword>>& keywords,
                       const std::filesystem::path& setPath) {
  std::vector<std::u32string> lines{std::u32string(kSignature), std::u32string(kLegend)};
  for (size_t k = 0; k < keywords.size(); ++k) {
    if (keywords[k]) lines.push_back(LineOf(static_cast<int>(k) + 1, *keywords[k]));
  }
  const std::filesystem::path path = KeywordMarksPath(setPath);
  if (lines.size() > 2) {
    WriteUtf8Lines(path, lines);
  } else if (std::filesystem::exists(path)) {
    DeleteFile(path);
  }
}

}  // namespace crossword

namespace crossword {

void WriteKeywordMarks(const PuzzleSet& set, const std::filesystem::path& setPath) {
  std::vector<std::optional<StageKeyword>> keywords;
  for (const PuzzleStage& stage : set.Stages) keywords.push_back(stage.Keyword);
  WriteKeywordMarks(keywords, setPath);
}

}  // namespace crossword

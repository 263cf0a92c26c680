#include <nlohmann/json.hpp>

#include "common/FileOps.h"
#include "common/TextCodec.h"
#include "puzzle/KeywordChoice.h"
#include "puzzle/KeywordMarks.h"
#include "puzzle/PuzzleExport.h"
#include "puzzle/SlotCellsJson.h"

namespace crossword {

namespace {

using nlohmann::json;

constexpr const char* kKeywordExtension = "http://wright.example.org/ipuz/keyword";

bool IsBlock(const PuzzleStage& stage, int x, int y) {
  return stage.CellKinds(x, y) == KindWall;
}

// The number a cell shows: its across number, else its down number.
int CellNumber(const PuzzleStage& stage, int x, int y) {
  return stage.QuesNmbH(x, y) ? stage.QuesNmbH(x, y) : stage.QuesNmbV(x, y);
}

// A double-framed cell of the prize keyword: circled, its label in the corner.
json MarkedCell(const PuzzleStage& stage, int x, int y, int mark) {
  return {{"cell", CellNumber(stage, x, y)},
          {"style", {{"shapebg", "circle"}, {"mark", {{"BR", ToUtf8(MarkLabel(mark))}}}}}};
}

json Rows(const PuzzleStage& stage, bool solution) {
  json rows = json::array();
  for (int y = 1; y <= stage.MasMaxY(); ++y) {
    json row = json::array();
    for (int x = 1; x <= stage.MasMaxX(); ++x) {
      if (IsBlock(stage, x, y)) {
        row.push_back("#");
      } else if (solution) {
        row.push_back(ToUtf8(stage.Answers(x, y)));
      } else if (const int mark = MarkAt(stage, x, y); mark >= 0) {
        row.push_back(MarkedCell(stage, x, y, mark));
      } else {
        row.push_back(CellNumber(stage, x, y));
      }
    }
    rows.push_back(row);
  }
  return rows;
}

// A cell may start an across and a down answer with different numbers, so every clue
// names its cells (0-based column, row) as well as its number.
json Clues(const std::vector<PuzzleHint>& hints) {
  json clues = json::array();
  for (const PuzzleHint& hint : hints) {
    clues.push_back({{"number", hint.Number},
                     {"clue", ToUtf8(hint.Qst)},
                     {"answer", ToUtf8(hint.Yst)},
                     {"enumeration", std::to_string(hint.Slot.AnswerLen)},
                     {"explanation", ToUtf8(hint.Ast)},
                     {"cells", SlotCellsJson(hint.Slot)}});
  }
  return clues;
}

// The keyword in words for any program, and as data under the suite's own extension.
void AddKeyword(json& document, const StageKeyword& keyword) {
  std::string labels;
  json cells = json::array();
  for (size_t i = 0; i < keyword.Cells.size(); ++i) {
    labels += ToUtf8(MarkLabel(static_cast<int>(i)));
    cells.push_back({keyword.Cells[i].x - 1, keyword.Cells[i].y - 1});
  }
  document["notes"] = "二重マス" + labels + "の文字を順に読むとキーワードになります。";
  document[kKeywordExtension] = {{"answer", ToUtf8(keyword.Word)}, {"cells", cells}};
}

}  // namespace

std::string StageToIpuz(const PuzzleSet& set, int stageNumber, const std::string& title) {
  const PuzzleStage& stage = set.Stages.at(stageNumber - 1);
  json document = {
      {"version", "http://ipuz.org/v2"},
      {"kind", {"http://ipuz.org/crossword#1"}},
      {"title", title + " #" + std::to_string(stageNumber)},
      {"difficulty", std::to_string(stage.DifficultRank)},
      {"block", "#"},
      {"empty", 0},
      {"dimensions", {{"width", stage.MasMaxX()}, {"height", stage.MasMaxY()}}},
      {"puzzle", Rows(stage, false)},
      {"solution", Rows(stage, true)},
      {"clues", {{"Across", Clues(stage.Across)}, {"Down", Clues(stage.Down)}}},
  };
  if (stage.Keyword) AddKeyword(document, *stage.Keyword);
  return document.dump(2) + "\n";
}

std::vector<std::filesystem::path> ExportIpuz(const PuzzleSet& set, const std::string& base,
                                              const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> written;
  for (size_t k = 1; k <= set.Stages.size(); ++k) {
    const auto path = folder / (base + "-" + std::to_string(k) + ".ipuz");
    CreateFileWith(path, StageToIpuz(set, static_cast<int>(k), base));
    written.push_back(path);
  }
  return written;
}

}  // namespace crossword

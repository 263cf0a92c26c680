#include <nlohmann/json.hpp>

#include "common/TextCodec.h"
#include "puzzle/KeywordChoice.h"
#include "puzzle/PuzzleExport.h"
#include "puzzle/SlotCellsJson.h"

namespace crossword {

extern const char* const kPlayerTemplate;  // puzzle/html/player.html, built in

namespace {

using nlohmann::json;

json ClueList(const std::vector<PuzzleHint>& hints) {
  json clues = json::array();
  for (const PuzzleHint& hint : hints) {
    clues.push_back(
        {{"number", hint.Number}, {"clue", ToUtf8(hint.Qst)}, {"cells", SlotCellsJson(hint.Slot)}});
  }
  return clues;
}

// The double-framed cells with their labels, and the keyword they spell, for the page to
// draw and to check the solver's answer against.
json KeywordData(const StageKeyword& keyword) {
  json cells = json::array(), labels = json::array();
  for (size_t i = 0; i < keyword.Cells.size(); ++i) {
    cells.push_back({keyword.Cells[i].x - 1, keyword.Cells[i].y - 1});
    labels.push_back(ToUtf8(MarkLabel(static_cast<int>(i))));
  }
  return {{"answer", ToUtf8(keyword.Word)}, {"cells", cells}, {"labels", labels}};
}

json StageData(const PuzzleStage& stage) {
  json cells = json::array(), numbers = json::array();
  for (int y = 1; y <= stage.MasMaxY(); ++y) {
    json cellRow = json::array(), numberRow = json::array();
    for (int x = 1; x <= stage.MasMaxX(); ++x) {
      const bool block = stage.CellKinds(x, y) == KindWall;
      cellRow.push_back(block ? "#" : ToUtf8(stage.Answers(x, y)));
      numberRow.push_back(QuestionLabel(stage, x, y));
    }
    cells.push_back(cellRow);
    numbers.push_back(numberRow);
  }
  json data = {{"width", stage.MasMaxX()},     {"height", stage.MasMaxY()},
               {"level", stage.DifficultRank}, {"cells", cells},
               {"numbers", numbers},           {"across", ClueList(stage.Across)},
               {"down", ClueList(stage.Down)}};
  if (stage.Keyword) data["keyword"] = KeywordData(*stage.Keyword);
  return data;
}

// A short tag of the puzzles, so that progress kept for one set never fills another.
std::string Fingerprint(const std::string& text) {
  std::uint64_t hash = 1469598103934665603ULL;
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ULL;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

std::string EscapeHtml(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// JSON inside a script element must not close it.
std::string ScriptSafe(std::string text) {
  for (size_t at = text.find("</"); at != std::string::npos; at = text.find("</", at + 3)) {
    text.replace(at, 2, "<\\/");
  }
  return text;
}

void ReplaceAll(std::string& text, const std::string& placeholder, const std::string& value) {
  for (size_t at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + value.size())) {
    text.replace(at, placeholder.size(), value);
  }
}

}  // namespace

std::string PuzzleSetToHtml(const PuzzleSet& set, const std::string& title) {
  json stages = json::array();
  for (const PuzzleStage& stage : set.Stages) stages.push_back(StageData(stage));
  json data = {{"title", title}, {"lang", set.AnswerLang}, {"stages", stages}};
  data["fingerprint"] = Fingerprint(data.dump());
  std::string page = kPlayerTemplate;
  ReplaceAll(page, "<!--TITLE-->", EscapeHtml(title));
  ReplaceAll(page, "<!--PUZZLE-DATA-->", ScriptSafe(data.dump()));
  return page;
}

}  // namespace crossword

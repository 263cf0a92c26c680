#pragma once

#include <nlohmann/json.hpp>

#include "common/GridModel.h"

namespace crossword {

// The cells of a slot as [column, row] pairs counted from 0, as ipuz and the player page
// name cells.
inline nlohmann::json SlotCellsJson(const CrossWordSlot& slot) {
  nlohmann::json cells = nlohmann::json::array();
  for (int i = 1; i <= slot.AnswerLen; ++i) cells.push_back({slot.CellX(i) - 1, slot.CellY(i) - 1});
  return cells;
}

}  // namespace crossword

#pragma once

#include <string>
#include <vector>

#include "common/GridModel.h"

namespace crossword::testing {

// A grid from rows typed in UTF-8: "#" a wall, "." an open cell, anything else a letter.
CrossMasMarks MarksFromRows(const std::vector<std::string>& rows);

}  // namespace crossword::testing

#pragma once

#include <string>

#include "common/GridModel.h"

namespace crossword::wright {

struct FillabilityOptions {
  std::string dictionary;  // the dictionary to fill from (.lxd, its .idx beside it)
  std::string rank;        // "1".."5", or empty for the rank a grid made by hand gets
  double timeLimit = 5;    // seconds the thorough search may take
};

enum class Fillability { Filled, NoFillExists, NotFoundInTime, Interrupted };

// Prints how many admitted words fit each slot of the grid, marking slots without any, and
// whether the thorough search fills it within the time limit; Ctrl-C ends the search.
Fillability ReportFillability(const CrossMasMarks& marks, const FillabilityOptions& options);

}  // namespace crossword::wright

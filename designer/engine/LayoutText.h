#pragma once

#include <filesystem>

#include "common/GridModel.h"

// A grid typed in a text editor (UTF-8), one row per line: "■" or "#" is a wall, "　",
// "." or a blank an open cell, any other character an open cell with that letter.
namespace crossword {

CrossMasMarks ReadLayoutText(const std::filesystem::path& path);

}  // namespace crossword

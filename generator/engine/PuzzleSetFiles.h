#pragma once

#include <string>

// The files of the puzzle set being written: the grid settings file it is made from, the
// dictionary that file names, and the puzzle file. Folders end with "/".
namespace crossword {

struct PuzzleSetFiles {
  std::string MakeDir;      // folder of the grid settings file
  std::string MakeFile;     // grid settings file name
  std::string DicPath;      // folder of the dictionary
  std::string DicFileName;  // dictionary file name
  std::string PlayDir;      // folder of the puzzle file
  std::string PlayFile;     // puzzle file name
};

}  // namespace crossword

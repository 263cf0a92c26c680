#pragma once

#include <string>

#include "common/ProgramFolders.h"
#include "dictionary/Dictionary.h"

// The files Gridwright works with. Folders end with "/".
namespace crossword {

// The dictionary the grids are made for and the grid settings file the run writes.
struct DesignerFiles {
  std::string DicFileName = kDefaultDictionaryName;  // dictionary file name
  std::string DicPath;                               // dictionary folder
  std::string MakeFileName;                          // grid settings file to write
  std::string MakeFileDir;                           // its folder
  WordCounts DicWordNmb{};                           // dictionary words of each length 2..12
};

// The grid settings file whose stages are read into the grid.
struct ReadGridFile {
  std::string ReadFileName;  // its name
  std::string ReadFileDir;   // its folder
  int CrossStageNmbMax = 1;  // its number of stages
  int CrossStageNmb = 1;     // the stage shown
};

}  // namespace crossword

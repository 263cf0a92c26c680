#pragma once

#include <string>

#include "common/Message.h"

// Cluewright's numbered messages. The window shows them in boxes, wright prints them.
namespace crossword {

// The numbers of the catalogue's messages, as the boxes have always been numbered.
namespace GeneratorMsg {
constexpr int DictionaryMissing = 5;   // the grid file's dictionary does not exist
constexpr int GridFileMissing = 9;     // no grid settings file: choose one or end
constexpr int NothingMade = 10;        // stage 1 could not be made with any pattern
constexpr int PuzzleFileRenamed = 11;  // the puzzle file follows the chosen grid file
constexpr int NoAdmissibleWord = 101;  // no word of the selection fits the first slot
constexpr int PuzzleFileMade = 1001;   // the run wrote its puzzle file
constexpr int Help = 10001;            // the help box
}  // namespace GeneratorMsg

// The run's values some messages name.
struct MessageValues {
  std::string MakeDir;   // folder of the grid settings file
  std::string MakeFile;  // grid settings file name
  std::string PlayFile;  // puzzle file name
  int RestartMax = 0;    // restarts allowed per grid pattern
};

// Message `selector`, one of GeneratorMsg; std::invalid_argument for others.
CatalogueMessage GeneratorMessage(int selector, const MessageValues& values);

}  // namespace crossword

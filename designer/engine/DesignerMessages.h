#pragma once

#include <string>

#include "common/Message.h"

// Every message box of Gridwright, by number. The window shows them, wright prints them,
// and the tests compare their texts without a window.
namespace crossword {

// The numbers of the catalogue's messages, as the boxes have always been numbered.
namespace DesignerMsg {
constexpr int WallsSideBySide = 1;     // walls touch: go on anyway?
constexpr int CellsCutOff = 2;         // open cells are cut off: go on anyway?
constexpr int ShortSlots = 3;          // slots shorter than the answers asked: go on anyway?
constexpr int GridFileUnusable = 4;    // the grid settings file to read makes no grid
constexpr int NoLayoutFound = 5;       // the automatic placement found no good layout
constexpr int NoWalls = 6;             // the grid has no wall: go on anyway?
constexpr int WordTooLong = 7;         // a slot is longer than the dictionary's words
constexpr int NoDictionaryChosen = 8;  // no dictionary was chosen
constexpr int DictionaryMissing = 9;   // the default dictionary is missing: choose one
constexpr int NothingMade = 10;        // the full-auto run found no layout for a stage
constexpr int GridFileFollows = 11;    // the grid settings file follows the dictionary
constexpr int ManyCells = 21;          // a large grid: go on anyway?
constexpr int FolderNotWritable = 99;  // the dictionary's folder cannot be written
constexpr int GridFileMade = 1001;     // the run wrote the grid settings file
constexpr int Help = 10001;            // the help box
}  // namespace DesignerMsg

// The values some messages name.
struct DesignerMessageValues {
  std::string MakeFileName;  // the grid settings file to write
  std::string DicFileName;   // the dictionary chosen
  std::string ReadFileName;  // the grid settings file chosen for reading
  int MasMaxX = 0;           // grid width and height, for the cell total
  int MasMaxY = 0;
};

// Message `number`, one of DesignerMsg; any other number is a std::out_of_range.
CatalogueMessage DesignerMessage(int number, const DesignerMessageValues& values);

}  // namespace crossword

#pragma once

#include <string>

#include "common/Message.h"

// Every message box of Gridwright, by number. The window shows them, wright prints them,
// and the tests compare their texts without a window.
namespace crossword {

// The values some messages name.
struct DesignerMessageValues {
  std::string MakeFileName;  // the grid settings file to write
  std::string DicFileName;   // the dictionary chosen
  std::string ReadFileName;  // the grid settings file chosen for reading on page 2
  int MasMaxX = 0;           // grid width and height, for the cell total
  int MasMaxY = 0;
};

// Message `number` (1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 21, 99, 1001 or 10001); any other
// number is a std::out_of_range.
CatalogueMessage DesignerMessage(int number, const DesignerMessageValues& values);

}  // namespace crossword

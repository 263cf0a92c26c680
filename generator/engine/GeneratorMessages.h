#pragma once

#include <string>

#include "common/Message.h"

// Cluewright's numbered messages. The window shows them in boxes, wright prints them.
namespace crossword {

// The run's values some messages name.
struct MessageValues {
  std::string MakeDir;   // folder of the grid settings file
  std::string MakeFile;  // grid settings file name
  std::string PlayFile;  // puzzle file name
  int RestartMax = 0;    // restarts allowed per grid pattern
};

// Message `selector` (5, 9, 10, 11, 101, 1001, 10001); std::invalid_argument for others.
CatalogueMessage GeneratorMessage(int selector, const MessageValues& values);

}  // namespace crossword

#include "common/Message.h"

namespace crossword {

std::string CatalogueMessage::Text() const {
  std::string text;
  for (size_t i = 0; i < Lines.size(); ++i) {
    text += Lines[i];
    if (i + 1 < Lines.size() || EndsWithLineBreak) text += "\r\n";
  }
  return text;
}

}  // namespace crossword

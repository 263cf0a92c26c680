#pragma once

#include <optional>

#include "generator/engine/WordIndex.h"

// What the grid settings file and its dictionary say, as they were read when the file
// was loaded.
namespace crossword {

// The language of a dictionary's answers, as the puzzle file's header numbers it.
enum AnswerLanguage : int { AnswerEnglish = 0, AnswerJapanese = 1 };

struct LoadedGridSettings {
  int StagePatternNmbMax = 0;  // number after the grid file's last stage mark
  bool EmbedChrFlag = false;   // the grids hold letters fixed in advance
  AnswerLanguage AnswerLang = AnswerJapanese;
  std::optional<WordIndex> DicDb;  // the dictionary's words, read into memory
};

}  // namespace crossword

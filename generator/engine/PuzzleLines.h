#pragma once

#include <string>

#include "dictionary/WordRecord.h"

// The forms the puzzle file writer gives its fields, for everything that writes a line of
// a puzzle file: a run, and a set finished by hand.
namespace crossword {

// The text with "," written as "，" and a line break as a blank, which would otherwise
// break the line.
std::u32string FieldText(const std::u32string& text);

// The digits of a stage's question numbers: those of its number of questions N.
int NumberWidth(int N);

// The hint line of a word: question number in W digits, clue, written form, reading and
// the word's numbers, plain for an across hint and in print form for a down one.
std::u32string HintLine(int number, int W, const WordRecord& word, bool down);

}  // namespace crossword

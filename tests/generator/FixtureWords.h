#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/WordRecord.h"

namespace crossword::testing {

// A word whose clue and written form are told apart by its ID.
WordRecord Word(int ID, const std::string& Yst, int CN = 1, int BN = 0, int QN = 0, int AN = 0);

// Every reading of 3 to 5 letters from ア, イ, ウ, in categories 1 to 3 and lists 0 and
// 1; then the 2-letter readings in category 4, which the tests leave unselected.
std::vector<WordRecord> EveryShortWord();

// Those words as a dictionary with an index file naming categories 1..4 and list 1;
// every rank asks categories 1..3.
void WriteFixtureDictionary(const std::filesystem::path& path);

}  // namespace crossword::testing

#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/WordRecord.h"

// Small dictionaries the tests make themselves.
namespace crossword::testing {

// A word with the given reading; the clue and written form follow from it.
WordRecord Word(int id, const std::u32string& Yst, int CN = 1, int BN = 0);

// Runs SQL on a dictionary file as it stands, to make files the writer never would.
void ExecuteSql(const std::filesystem::path& path, const std::string& sql);

}  // namespace crossword::testing

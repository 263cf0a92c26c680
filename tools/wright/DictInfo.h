#pragma once

#include <filesystem>
#include <ostream>

namespace crossword::wright {

// What a person needs to judge a dictionary: words per length, answer language, the
// categories and lists with their word counts and rank columns, the words each rank asks
// and a sample word of each length.
void PrintDictionaryInfo(const std::filesystem::path& path, std::ostream& out);

}  // namespace crossword::wright

#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Every rule a dictionary and its index file must keep so that both programs can use all
// of it safely, checked on the whole file.
namespace crossword {

// The problems found, each "file: where: what is wrong"; empty for a clean dictionary.
std::vector<std::string> CheckDictionary(const std::filesystem::path& path);

}  // namespace crossword

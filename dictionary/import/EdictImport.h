#pragma once

#include <filesystem>

#include "dictionary/import/Commonness.h"
#include "dictionary/import/ImportedDictionary.h"

// The default Japanese dictionary, made from the Japanese-English word list EDICT.
namespace crossword {

// Every entry that makes a crossword word, once per reading and meaning in its most common
// written form: categories by commonness band and subject, lists for special kinds of
// words and for rare ones; words marked rude or X-rated and fragments of words left out.
ImportedDictionary ImportEdict(const std::filesystem::path& path, const CommonnessSources& sources,
                               const ImportProgress& progress);

}  // namespace crossword

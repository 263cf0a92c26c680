// The word list a dictionary is built from, on any bytes: a FileError is the only way to
// fail, and every word it accepts can be written to a dictionary.
#include <cstdlib>

#include "common/FileError.h"
#include "common/GridModel.h"
#include "dictionary/DictionaryWriter.h"
#include "dictionary/import/WordListFile.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace crossword;
  try {
    const ClassNumbers numbers{{1, 2, 3}, {1, 2}};
    const WordList list = ReadWordList(fuzzing::InputFile(data, size, "words.tsv"), numbers);
    for (const WordRecord& word : list.Words) {
      const auto length = static_cast<int>(word.Yst.size());
      if (length < AnswerLenMin || length > AnswerLenMax) std::abort();
    }
    if (!list.Words.empty() && list.Problems.empty()) {
      WriteDictionary(fuzzing::ScratchPath("built.lxd"), list.Words);
    }
  } catch (const FileError&) {
  }
  return 0;
}

// Opening any file at all as a dictionary: a DictionaryError (or another FileError) is the
// only way to fail; an opened one answers every question without crashing.
#include "common/FileError.h"
#include "dictionary/Dictionary.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace crossword;
  try {
    const Dictionary dictionary(fuzzing::InputFile(data, size, "words.lxd"));
    DetectAnswerLang(dictionary);
    for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
      const int count = dictionary.RecordCount(length);
      if (count == 0) continue;
      dictionary.Record(length, count);
      dictionary.ClassOf(length, 1);
      dictionary.Record(length, 1);
    }
  } catch (const FileError&) {
  }
  return 0;
}

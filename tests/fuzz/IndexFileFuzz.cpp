// The index file reader and the selection built from it, on any bytes: a FileError is the
// only way to fail, and the selection never admits a number outside its tables.
#include <cstdlib>

#include "common/FileError.h"
#include "dictionary/QuestionSelection.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace crossword;
  const auto path = fuzzing::InputFile(data, size, "words.idx");
  const std::string folder = path.parent_path().string() + "/";
  try {
    QuestionSelection selection;
    if (selection.MakeIdxFileName(folder, path.filename().string()) != 1) std::abort();
    selection.LoadIndex(folder, size % 6);
    for (int k = 1; k <= 5; ++k) {
      selection.SelectDifficultRank(k);
      selection.CollectCategoryOn();
      selection.CollectListOn();
      selection.CollectDifficultRank();
      if (selection.Admits(selection.CategoryCount() + 1, 0)) std::abort();
      if (selection.Admits(1, selection.ListCount() + 1)) std::abort();
    }
  } catch (const FileError&) {
  }
  return 0;
}

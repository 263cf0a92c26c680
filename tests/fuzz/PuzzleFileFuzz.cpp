// The puzzle set reader on any bytes: a FileError is the only way to fail.
#include "common/FileError.h"
#include "puzzle/PuzzleFile.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    crossword::ReadPuzzleFile(crossword::fuzzing::InputFile(data, size, "set.pzs"));
  } catch (const crossword::FileError&) {
  }
  return 0;
}

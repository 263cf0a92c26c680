// The typed grid layout reader on any bytes: a FileError is the only way to fail.
#include "common/FileError.h"
#include "designer/engine/LayoutText.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    crossword::ReadLayoutText(crossword::fuzzing::InputFile(data, size, "layout.txt"));
  } catch (const crossword::FileError&) {
  }
  return 0;
}

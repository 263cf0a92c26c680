// Every reader of grid settings files on any bytes: a FileError is the only way to fail.
#include <algorithm>

#include "common/FileError.h"
#include "common/GridSettingsFile.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace crossword;
  const auto path = fuzzing::InputFile(data, size, "grid.gst");
  auto attempt = [](auto read) {
    try {
      read();
    } catch (const FileError&) {
    }
  };
  int lastMark = 0;
  attempt([&] { lastMark = ReadStageCount(path); });
  attempt([&] { ReadDicLocation(path); });
  attempt([&] { ReadEmbedChrFlag(path); });
  attempt([&] { ReadMasSizePattern(path); });
  int stages = 0;
  attempt([&] { stages = CountStages(path); });
  // The stage after the last one takes the "no such stage" paths; later ones would take
  // them again and only slow the run down.
  for (int n = 1; n <= std::min(std::max(stages, lastMark), 2) + 1; ++n) {
    attempt([&] { ReadStageSize(path, n); });
    attempt([&] { ReadStageCells(path, n); });
    attempt([&] { LoadStagePattern(path, n); });
    attempt([&] { NextStagePattern(path, n); });
  }
  return 0;
}

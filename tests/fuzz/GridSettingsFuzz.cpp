// Every reader of grid settings files on any bytes: a FileError is the only way to fail.
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
  attempt([&] { ReadStageCount(path); });
  attempt([&] { ReadDicLocation(path); });
  attempt([&] { ReadEmbedChrFlag(path); });
  attempt([&] { ReadMasSizePattern(path); });
  attempt([&] { CountStages(path); });
  for (int n = 1; n <= 3; ++n) {
    attempt([&] { ReadStageSize(path, n); });
    attempt([&] { ReadStageCells(path, n); });
    attempt([&] { LoadStagePattern(path, n); });
    attempt([&] { NextStagePattern(path, n); });
  }
  return 0;
}

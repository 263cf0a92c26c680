// Every reader of grid settings files on any bytes: a FileError is the only way to fail.
#include <algorithm>
#include <optional>

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
  std::optional<GridSettingsFile> file;
  attempt([&] { file.emplace(path); });
  if (!file) return 0;
  int lastMark = 0;
  attempt([&] { lastMark = file->ReadStageCount(); });
  attempt([&] { file->ReadDicLocation(); });
  attempt([&] { file->ReadEmbedChrFlag(); });
  attempt([&] { file->ReadMasSizePattern(); });
  const int stages = file->CountStages();
  // The stage after the last one takes the "no such stage" paths; later ones would take
  // them again and only slow the run down.
  for (int n = 1; n <= std::min(std::max(stages, lastMark), 2) + 1; ++n) {
    attempt([&] { file->ReadStageCells(n); });
    attempt([&] { file->LoadStagePattern(n); });
    attempt([&] { file->NextStagePattern(n); });
  }
  return 0;
}

// The clue table of `wright clues --apply`, on any bytes, against one puzzle set: a
// FileError is the only way to fail; every row it accepts goes into the set, and the set
// then writes and reads back as a puzzle file again.
#include <cstdlib>

#include "common/FileError.h"
#include "generator/engine/ClueTable.h"
#include "puzzle/PuzzleFile.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace crossword;
  static const PuzzleSetEdit original(SEED_PUZZLE_SET);
  try {
    PuzzleSetEdit set = original;
    const ClueTable table = ReadClueTable(fuzzing::InputFile(data, size, "clues.tsv"), set);
    if (table.Rows.empty() || !table.Problems.empty()) return 0;
    ApplyClueTable(set, table);
    const auto written = fuzzing::ScratchPath("edited.pzs");
    set.Save(written);
    if (ReadPuzzleFile(written).Stages.size() != original.Set().Stages.size()) std::abort();
  } catch (const FileError&) {
  }
  return 0;
}

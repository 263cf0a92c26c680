#include "tests/generator/GeneratorTestKit.h"

#include <gtest/gtest.h>

#include "common/WordSlots.h"
#include "dictionary/DictionaryWriter.h"
#include "tests/support/GridText.h"

namespace crossword::testing {

void GeneratorSetup::WriteWords(const std::vector<WordRecord>& words) {
  WriteDictionary(folder / "dic.lxd", words);
}

void GeneratorSetup::WriteGrids(const std::vector<std::vector<std::string>>& grids,
                                std::string dicFolder) {
  if (dicFolder.empty()) dicFolder = folder.Path().string() + "/";
  GridSettingsWriter writer(folder / "grid.gst");
  const CrossMasMarks first = MarksFromRows(grids.front());
  writer.WriteGridHeader({dicFolder, "dic.lxd", EmbedChrFlagOf(first), 0});
  for (size_t n = 1; n <= grids.size(); ++n) {
    writer.WriteGridStage(static_cast<int>(n), MarksFromRows(grids[n - 1]));
  }
  writer.Commit();
  generator.MakeFile = "grid.gst";
}

void GeneratorSetup::Load(int DifficultRank) {
  ASSERT_EQ(generator.LoadGridSettings(false), 1);
  generator.TakeSelection({{0, 1, 1, 1}, {1, 1, 1}, DifficultRank});
  generator.LoadStagePattern(1);
}

void GeneratorSetup::Take(const std::vector<std::string>& rows) {
  const CrossMasMarks marks = MarksFromRows(rows);
  generator.TakeStagePattern({marks, NumberWordSlots(marks)});
}

}  // namespace crossword::testing

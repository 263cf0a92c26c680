#include <iostream>
#include <memory>

#include "common/FileNames.h"
#include "common/GridSettingsFile.h"
#include "common/TextCodec.h"
#include "common/WordSlots.h"
#include "designer/engine/LayoutText.h"
#include "tools/wright/Command.h"

namespace crossword::wright {

namespace {

struct GridOptions {
  std::string layout;
  std::string dictionary;
  std::string out;
  std::string info;
};

void PrintGrid(const CrossMasMarks& marks) {
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    std::u32string row;
    for (int x = 1; x <= marks.MasMaxX(); ++x) row += marks(x, y);
    std::cout << "  " << ToUtf8(row) << '\n';
  }
}

void WriteFromLayout(const GridOptions& options) {
  const CrossMasMarks marks = ReadLayoutText(options.layout);
  const WordStatistics statistics = CountWords(marks);
  if (statistics.WordLenMax > AnswerLenMax) {
    throw std::runtime_error(options.layout + ": the longest word slot has " +
                             std::to_string(statistics.WordLenMax) +
                             " cells; the dictionaries hold words of up to 12 letters, so add "
                             "walls or make the grid smaller");
  }
  if (!FileExists(options.dictionary)) {
    std::cerr << "wright: note: the dictionary " << options.dictionary
              << " does not exist; Cluewright will ask for it\n";
  }
  const GridHeader header{FolderOf(options.dictionary),
                          std::filesystem::path(options.dictionary).filename().string(),
                          EmbedChrFlagOf(marks), 0};
  GridSettingsWriter writer(options.out);
  writer.WriteGridHeader(header);
  writer.WriteGridStage(1, marks);
  writer.Commit();
  std::cout << "Wrote " << options.out << ": 1 stage, " << marks.MasMaxX() << " x "
            << marks.MasMaxY() << " cells, " << statistics.QuesNmbMax << " word slots\n";
}

std::string DescribeSizePattern(int pattern) {
  static const char* const kNames[] = {"made by hand",      "full-auto, small",
                                       "full-auto, medium", "full-auto, large",
                                       "full-auto, random", "full-auto, typed size"};
  return std::to_string(pattern) + " (" + kNames[pattern] + ")";
}

void PrintInfo(const std::string& path) {
  const DicLocation location = ReadDicLocation(path);
  const int stages = CountStages(path);
  std::cout << "Grid settings file: " << path << '\n'
            << "Dictionary:         " << location.DicPath << location.DicFileName << '\n'
            << "Embedded letters:   " << (ReadEmbedChrFlag(path) ? "yes" : "no") << '\n'
            << "Size pattern:       " << DescribeSizePattern(ReadMasSizePattern(path)) << '\n'
            << "Stages:             " << stages << " (as Gridwright counts them), "
            << ReadStageCount(path) << " (as Cluewright counts them)\n";
  for (int n = 1; n <= stages; ++n) {
    const CrossGrid grid = LoadStagePattern(path, n);
    std::cout << "Stage " << n << ": " << grid.CrossMas.MasMaxX() << " x "
              << grid.CrossMas.MasMaxY() << " cells, " << CountWalls(grid.CrossMas) << " walls, "
              << grid.CrossWord.size() << " word slots\n";
    PrintGrid(grid.CrossMas);
  }
}

}  // namespace

void AddGridCommand(CLI::App& app) {
  auto options = std::make_shared<GridOptions>();
  CLI::App* grid = app.add_subcommand(
      "grid",
      "Make or inspect a grid settings file (.gst).\n\n"
      "Write a grid typed in a text file, one row per line:\n"
      "  wright grid --layout LAYOUT.txt --dictionary DIC.lxd --out GRID.gst\n"
      "  In the layout, '■' or '#' is a wall, '　', '.' or a blank an open cell, and any\n"
      "  other character an open cell whose letter is fixed in advance.\n\n"
      "Show what a grid settings file holds:\n"
      "  wright grid --info GRID.gst");
  auto* layout = grid->add_option("--layout", options->layout, "Text file with the grid's rows")
                     ->check(CLI::ExistingFile);
  auto* dictionary = grid->add_option("--dictionary", options->dictionary,
                                      "Dictionary the grid is made for (.lxd)");
  auto* out = grid->add_option("--out", options->out, "Grid settings file to write (.gst)");
  auto* info = grid->add_option("--info", options->info, "Grid settings file to describe")
                   ->check(CLI::ExistingFile);
  layout->needs(dictionary, out)->excludes(info);
  grid->callback([options, info, layout] {
    if (*info) {
      PrintInfo(options->info);
    } else if (*layout) {
      WriteFromLayout(*options);
    } else {
      throw CLI::RequiredError("--layout or --info");
    }
  });
}

}  // namespace crossword::wright

#include <iostream>
#include <map>
#include <memory>
#include <regex>

#include "common/FileNames.h"
#include "common/GridSettingsFile.h"
#include "common/ProgramFolders.h"
#include "common/TextCodec.h"
#include "common/WordSlots.h"
#include "designer/engine/DesignerMessages.h"
#include "designer/engine/GridChecks.h"
#include "designer/engine/GridDesigner.h"
#include "designer/engine/LayoutText.h"
#include "dictionary/Dictionary.h"
#include "tools/wright/Command.h"
#include "tools/wright/CommandFiles.h"
#include "tools/wright/ExitStatus.h"
#include "tools/wright/FillabilityCheck.h"
#include "tools/wright/SeedOption.h"
#include "tools/wright/StopSignals.h"

namespace crossword::wright {

namespace {

struct GridOptions {
  std::string layout;
  std::string dictionary;
  std::string out;
  std::string info;
  std::string check;
  std::string read;
  int stage = 1;
  bool force = false;
  std::string size = "small";
  std::string walls = "pattern";
  int stages = 0;  // 0: the default count
  bool keepSize = false;
  bool keepWalls = false;
  std::string seed;                   // empty: from the clock
  int shortestAnswer = AnswerLenMin;  // slots shorter than this are a warning, and not laid out
  FillabilityOptions fill;            // --check with a dictionary: whether the layout can be filled
};

// The designer's messages in the command line's words; the window's texts stay in the
// window. A failed run is described by the command that ran it.
std::string CommandLineText(int number) {
  switch (number) {
    case DesignerMsg::NoLayoutFound:
      return "no good layout of walls was found for this size; trying another";
    case DesignerMsg::FolderNotWritable:
      return "the dictionary's folder cannot be written, so no grid file can be made beside it";
    case DesignerMsg::NothingMade:
    case DesignerMsg::GridFileMade:
      return "";
    default:
      return "note " + std::to_string(number) + " of the designer";
  }
}

// The designer as wright shows it: messages on stderr answered with their default
// button, and a progress bar for the stages of a full-auto run.
class TerminalDesignerView : public DesignerObserver {
 public:
  int StageNmbAuto = 1;  // stages of the run
  int stageMaking = 0;   // the stage it is making; those before it are written

  MessageAnswer ShowMessage(int number, const CatalogueMessage& message) override {
    if (const std::string text = CommandLineText(number); !text.empty()) {
      std::cerr << (stageMaking > 0 ? "\n" : "") << "wright: " << text << '\n';
    }
    return message.DefaultAnswer;
  }
  void StageStarted(int stage) override {
    stageMaking = stage;
    DrawProgress();
  }
  void FullAutoRunEnded() override { std::cerr << '\n'; }
  void PumpEvents() override {
    if (CaughtStopSignal() != 0) throw RunStopped();
  }

 private:
  void DrawProgress() const {
    constexpr int kWidth = 30;
    const int done = kWidth * (stageMaking - 1) / StageNmbAuto;
    std::cerr << "\rstage " << stageMaking << " of " << StageNmbAuto << " ["
              << std::string(done, '#') << std::string(kWidth - done, '.') << ']' << std::flush;
  }
};

void PrintGrid(const CrossMasMarks& marks) {
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    std::u32string row;
    for (int x = 1; x <= marks.MasMaxX(); ++x) row += marks(x, y);
    std::cout << "  " << ToUtf8(row) << '\n';
  }
}

std::string Cell(MasPosition cell) {
  return "(" + std::to_string(cell.x) + "," + std::to_string(cell.y) + ")";
}

void PrintSlots(const std::vector<CrossWordSlot>& slots, std::ostream& out) {
  for (const CrossWordSlot& slot : slots) {
    out << (slot.FlagHorV == FlagAcross ? " across " : " down ") << Cell({slot.x, slot.y}) << ' '
        << slot.AnswerLen << " cells;";
  }
  out << '\n';
}

// Lists what the page-3 check would warn of and refuse; returns how many kinds of
// problem the grid has. `out` is stdout for a report, stderr for warnings.
int ReportChecks(const CrossMasMarks& marks, int shortestAnswer, std::ostream& out) {
  int problems = 0;
  if (CountWalls(marks) == 0) {
    out << "No walls: every row and column is one word slot\n";
    ++problems;
  }
  if (const auto pairs = FindBarPairs(marks); !pairs.empty()) {
    out << "Walls side by side:";
    for (const BarPair& pair : pairs) out << ' ' << Cell(pair.first) << '-' << Cell(pair.second);
    out << '\n';
    ++problems;
  }
  if (const auto cells = FindCutOffCells(marks); !cells.empty()) {
    out << "Cells cut off from the largest open region:";
    for (const MasPosition& cell : cells) out << ' ' << Cell(cell);
    out << '\n';
    ++problems;
  }
  if (const auto slots = FindLongSlots(marks); !slots.empty()) {
    out << "Word slots over " << AnswerLenMax << " cells:";
    PrintSlots(slots, out);
    ++problems;
  }
  if (const auto slots = FindShortSlots(marks, shortestAnswer); !slots.empty()) {
    out << "Word slots under " << shortestAnswer << " cells:";
    PrintSlots(slots, out);
    ++problems;
  }
  return problems;
}

void CheckLayout(const GridOptions& options) {
  const CrossMasMarks marks = ReadLayoutText(options.check);
  std::cout << options.check << ": " << marks.MasMaxX() << " x " << marks.MasMaxY() << " cells, "
            << CountWalls(marks) << " walls, " << CountWords(marks).QuesNmbMax
            << " word slots (coordinates are (column,row) from the top left)\n";
  const int problems = ReportChecks(marks, options.shortestAnswer, std::cout);
  if (problems == 0) std::cout << "No problems found\n";
  // A warning does not keep a grid from being filled; only a slot too long does.
  Fillability fillability = Fillability::Filled;
  if (!options.dictionary.empty() && CountWords(marks).WordLenMax <= AnswerLenMax) {
    FillabilityOptions fill = options.fill;
    fill.dictionary = options.dictionary;
    fillability = ReportFillability(marks, fill);
  }
  const std::string layout = options.check + ": ";
  switch (fillability) {
    case Fillability::Interrupted:
      throw CommandEnded(ExitStatus::Interrupted, layout + "the check was " + StopSignalText());
    case Fillability::NoFillExists:
      throw CommandEnded(ExitStatus::NoFillExists,
                         layout + "no set of words from " + options.dictionary + " fills it");
    case Fillability::NotFoundInTime:
      throw CommandEnded(ExitStatus::NotFoundInTime,
                         layout + "no fill was found in the time given; one may exist");
    case Fillability::Filled:
      break;
  }
  if (problems > 0) {
    throw CommandEnded(ExitStatus::Warnings, layout + "the layout does not pass the grid checks");
  }
}

void WriteFromLayout(const GridOptions& options) {
  RefuseOutputOverInput(options.out, {options.layout, options.dictionary});
  const CrossMasMarks marks = ReadLayoutText(options.layout);
  const WordStatistics statistics = CountWords(marks);
  if (statistics.WordLenMax > AnswerLenMax) {
    ReportChecks(marks, options.shortestAnswer, std::cerr);
    throw std::runtime_error(options.layout + ": the longest word slot has " +
                             std::to_string(statistics.WordLenMax) +
                             " cells; the dictionaries hold words of up to 12 letters, so add "
                             "walls or make the grid smaller");
  }
  if (ReportChecks(marks, options.shortestAnswer, std::cerr) > 0 && !options.force) {
    throw CommandEnded(ExitStatus::Warnings,
                       options.layout +
                           ": not written; ordinary crosswords have none of the above, "
                           "pass --force to write the grid anyway");
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

int TypedSize(const std::string& text, const char* what) {
  const std::optional<int> size = ParseMasSize(text);
  if (!size) {
    throw std::runtime_error("--size: the " + std::string(what) + " \"" + text +
                             "\" is not a whole number from 1 to " + std::to_string(MasSizeMax));
  }
  return *size;
}

// --size: a pattern name or a typed WIDTHxHEIGHT.
void ApplySize(const std::string& size, AutoSettings& settings) {
  static const std::map<std::string, int> kPatterns = {
      {"small", 1}, {"medium", 2}, {"large", 3}, {"random", 4}};
  if (const auto found = kPatterns.find(size); found != kPatterns.end()) {
    settings.MasSizePatternAuto = found->second;
    return;
  }
  std::smatch typed;
  if (!std::regex_match(size, typed, std::regex("([0-9]+)x([0-9]+)"))) {
    throw std::runtime_error("--size " + size +
                             ": expected small, medium, large, random or WIDTHxHEIGHT");
  }
  settings.MasSizePatternAuto = MasSizePatternCustom;
  settings.MasSizeCustomAuto = {TypedSize(typed[1], "width"), TypedSize(typed[2], "height")};
}

void ApplyAutoOptions(const GridOptions& options, AutoSettings& settings) {
  ApplySize(options.size, settings);
  static const std::map<std::string, int> kWalls = {
      {"pattern", MasBarPatternKind}, {"random", MasBarRandomKind}, {"either", MasBarEitherOption}};
  settings.MasBarPatternAuto = kWalls.at(options.walls);
  settings.ResetMasSize = !options.keepSize;
  settings.ResetMasBarPattern = !options.keepWalls;
  settings.ShortestAnswerAuto = options.shortestAnswer;
  if (options.stages > 0) {
    settings.MakeStageNmbAuto = 4;
    settings.CrossStageNmbAuto = options.stages;
  }
}

std::string StagesKeptText(int stagesKept, const std::string& out) {
  return stagesKept > 0 ? Counted(stagesKept, "stage") + (stagesKept == 1 ? " was" : " were") +
                              " written to " + out
                        : "Nothing was written.";
}

std::string FailureText(int stagesKept, const std::string& out) {
  return "no layout passing the checks was found for a stage within the retries; try a smaller "
         "--size or a dictionary with more words. " +
         StagesKeptText(stagesKept, out);
}

std::string StopText(int stagesKept, const std::string& out) {
  return StopSignalText() + ". " + StagesKeptText(stagesKept, out);
}

void MakeStagesAuto(const GridOptions& options) {
  RefuseOutputOverInput(options.out, {options.dictionary});
  TerminalDesignerView view;
  GridDesigner designer(view, FolderOf(options.dictionary));
  designer.UseDictionary(options.dictionary, CountDicWords(Dictionary(options.dictionary)));
  designer.Files.MakeFileDir = FolderOf(options.out);
  designer.Files.MakeFileName = std::filesystem::path(options.out).filename().string();
  AutoSettings& settings = designer.FileRun().Auto;
  ApplyAutoOptions(options, settings);
  SeedRandom(options.seed, designer.Random);
  view.StageNmbAuto = settings.StageNmbAuto();
  const CatchStopSignals stopSignals;
  int made = 0;
  try {
    made = designer.RunMakeFile();
  } catch (const RunStopped&) {
    throw CommandEnded(ExitStatus::Interrupted, StopText(view.stageMaking - 1, options.out));
  }
  if (made == 0) {
    throw std::runtime_error(FailureText(view.stageMaking - 1, options.out));
  }
  std::cout << "Wrote " << options.out << ": " << Counted(view.StageNmbAuto, "stage") << '\n';
}

// Whether the dictionary the file names holds ten words per slot of every length.
void ReportWordCounts(const std::string& gridPath, const EditedGrid& grid) {
  const DicLocation location = GridSettingsFile(gridPath).ReadDicLocation();
  const std::string path = location.DicPath + location.DicFileName;
  if (!FileExists(path)) {
    std::cout << "The dictionary " << path << " is not here: its word counts were not checked\n";
    return;
  }
  const WordCounts words = CountDicWords(Dictionary(path));
  const bool enough = IsGoodLayout(grid.CrossMas(), grid.WordCount(), words, AnswerLenMin);
  std::cout << (enough ? "Enough dictionary words: " : "Too few dictionary words: ")
            << "Gridwright wants " << WordsPerSlotMin << " words of each length per slot\n";
}

void ReadStage(const GridOptions& options) {
  TerminalDesignerView view;
  GridDesigner designer(view, FolderOf(options.read));
  if (!designer.Reader().LoadStage(options.read, options.stage)) {
    throw std::runtime_error(
        options.read + " holds " + Counted(GridSettingsFile(options.read).CountStages(), "stage") +
        " (as Gridwright counts them); there is no stage " + std::to_string(options.stage));
  }
  EditedGrid& grid = designer.Grid();
  grid.CountWords();
  std::cout << "Stage " << options.stage << " of " << options.read << ": " << grid.MasMaxX()
            << " x " << grid.MasMaxY() << " cells, " << grid.NowBarNmb() << " walls, "
            << grid.WordCount().QuesNmbMax << " word slots\n";
  PrintGrid(grid.CrossMas());
  if (ReportChecks(grid.CrossMas(), options.shortestAnswer, std::cout) == 0)
    std::cout << "Passes the grid checks\n";
  ReportWordCounts(options.read, grid);
}

std::string DescribeSizePattern(int pattern) {
  static const char* const kNames[] = {"made by hand",      "full-auto, small",
                                       "full-auto, medium", "full-auto, large",
                                       "full-auto, random", "full-auto, typed size"};
  return std::to_string(pattern) + " (" + kNames[pattern] + ")";
}

void PrintInfo(const std::string& path) {
  const GridSettingsFile file(path);
  const DicLocation location = file.ReadDicLocation();
  const int stages = file.CountStages();
  std::cout << "Grid settings file: " << path << '\n'
            << "Dictionary:         " << location.DicPath << location.DicFileName << '\n'
            << "Embedded letters:   " << (file.ReadEmbedChrFlag() ? "yes" : "no") << '\n'
            << "Size pattern:       " << DescribeSizePattern(file.ReadMasSizePattern()) << '\n'
            << "Stages:             " << stages << " (as Gridwright counts them), "
            << file.ReadStageCount() << " (as Cluewright counts them)\n";
  for (int n = 1; n <= stages; ++n) {
    const CrossGrid grid = file.LoadStagePattern(n);
    std::cout << "Stage " << n << ": " << grid.CrossMas.MasMaxX() << " x "
              << grid.CrossMas.MasMaxY() << " cells, " << CountWalls(grid.CrossMas) << " walls, "
              << grid.CrossWord.size() << " word slots\n";
    PrintGrid(grid.CrossMas);
  }
}

const char kGridHelp[] =
    "Make or inspect a grid settings file (.gst).\n\n"
    "Lay out stages automatically (the full-auto mode):\n"
    "  wright grid [--dictionary DIC.lxd] --out GRID.gst [--size small|medium|large|random|WxH]\n"
    "              [--walls pattern|random|either] [--stages 1-99] [--keep-size]\n"
    "              [--keep-walls] [--seed fixed|NUMBER] [--min-length 2|3]\n"
    "  Defaults: small grids (5x5 to 7x7), pattern walls, 20 stages, a new size and new\n"
    "  walls for every stage, a seed from the clock, and the default dictionary\n"
    "  標準日本語辞書.lxd beside wright or, installed, in ~/.local/share/wright/ or else\n"
    "  /usr/share/wright/. --min-length 3 lays out no slot of two cells, as English\n"
    "  crosswords have no answer shorter than three letters, and no open block of 4x4\n"
    "  or 3x6 cells, whose long words would interlock too tightly to be filled.\n"
    "  Ctrl-C (or SIGTERM) stops the run: the stages finished stay in GRID.gst; stopped\n"
    "  before the first one, an older GRID.gst is left as it was.\n\n"
    "Write a grid typed in a text file, one row per line:\n"
    "  wright grid --layout LAYOUT.txt [--dictionary DIC.lxd] --out GRID.gst [--force]\n"
    "              [--min-length 2|3]\n"
    "  In the layout, '■' or '#' is a wall, '　', '.' or a blank an open cell, and any\n"
    "  other character an open cell whose letter is fixed in advance. A slot over 12 cells\n"
    "  is refused; walls side by side, cut-off cells or no walls at all need --force, and\n"
    "  so do slots of two cells with --min-length 3.\n\n"
    "Check a layout without writing it:\n"
    "  wright grid --check LAYOUT.txt [--min-length 2|3]\n"
    "              [--dictionary DIC.lxd [--rank 1-5] [--time-limit S]]\n"
    "  With a dictionary it also counts the words that fit each slot (its fixed letters\n"
    "  kept), marks slots that no word fits, and tries the thorough fill search for up to\n"
    "  S seconds (default 5), saying whether a fill exists and how long it took.\n\n"
    "Show what a grid settings file holds, or one stage as Gridwright loads it:\n"
    "  wright grid --info GRID.gst\n"
    "  wright grid --read GRID.gst --stage N [--min-length 2|3]";

// The options of the full-auto mode only.
std::vector<CLI::Option*> AddAutoOptions(CLI::App& grid, GridOptions& options) {
  CLI::Option* keepSize =
      grid.add_flag("--keep-size", options.keepSize, "One size for every stage");
  CLI::Option* keepWalls =
      grid.add_flag("--keep-walls", options.keepWalls, "One layout for every stage");
  keepWalls->needs(keepSize);  // a new size always gets new walls
  return {
      keepSize,
      keepWalls,
      grid.add_option("--size", options.size, "small, medium, large, random or WIDTHxHEIGHT"),
      grid.add_option("--walls", options.walls, "pattern, random or either")
          ->check(CLI::IsMember({"pattern", "random", "either"})),
      grid.add_option("--stages", options.stages, "Number of stages, 1 to 99 (default 20)")
          ->check(WholeNumberIn(1, StageNmbMax)),
      AddSeedOption(grid, options.seed),
  };
}

}  // namespace

void AddGridCommand(CLI::App& app) {
  auto options = std::make_shared<GridOptions>();
  CLI::App* grid = app.add_subcommand("grid", kGridHelp);
  auto* layout = grid->add_option("--layout", options->layout, "Text file with the grid's rows")
                     ->check(CLI::ExistingFile);
  auto* dictionary = grid->add_option(
      "--dictionary", options->dictionary,
      "Dictionary the grid is made for (.lxd; default: 標準日本語辞書.lxd of the programs)");
  auto* out = grid->add_option("--out", options->out, "Grid settings file to write (.gst)");
  auto* force = grid->add_flag("--force", options->force, "Write a layout despite its warnings");
  auto* info = grid->add_option("--info", options->info, "Grid settings file to describe")
                   ->check(CLI::ExistingFile);
  auto* check = grid->add_option("--check", options->check, "Layout text file to check")
                    ->check(CLI::ExistingFile);
  auto* read = grid->add_option("--read", options->read, "Grid settings file to read a stage of")
                   ->check(CLI::ExistingFile);
  auto* stage = grid->add_option("--stage", options->stage, "Stage to read (default 1)")
                    ->check(WholeNumberIn(1, StageNmbMax));
  auto* rank = grid->add_option("--rank", options->fill.rank,
                                "With --check: the difficulty rank whose words may fill it, "
                                "1 初級 .. 5 (default: the rank of a grid made by hand)")
                   ->check(CLI::IsMember({"1", "2", "3", "4", "5"}));
  auto* timeLimit = grid->add_option("--time-limit", options->fill.timeLimit,
                                     "With --check: seconds the fill search may take (default 5)")
                        ->check(SecondsAbove0(1e6));
  grid->add_option("--min-length", options->shortestAnswer,
                   "Shortest answer: 3 makes no slot of two cells (default 2)")
      ->check(WholeNumberIn(AnswerLenMin, ShortestAnswerEnglish))
      ->excludes(info);
  for (CLI::Option* option : {rank, timeLimit}) option->needs(check, dictionary);
  for (CLI::Option* option : AddAutoOptions(*grid, *options)) {
    option->excludes(layout, info, check, read);
  }
  layout->needs(out)->excludes(info, check, read);
  force->needs(layout);
  stage->needs(read);
  info->excludes(check, read, dictionary, out);
  check->excludes(read, out);
  read->excludes(dictionary, out);
  grid->callback([=] {
    if (*info) return PrintInfo(options->info);
    if (*check) return CheckLayout(*options);
    if (*read) return ReadStage(*options);
    if (!*out) throw CLI::RequiredError("--out (or --check, --read, --info)");
    if (!*dictionary) options->dictionary = ThisProgramFolders().DefaultDictionary();
    if (*layout) return WriteFromLayout(*options);
    MakeStagesAuto(*options);
  });
}

}  // namespace crossword::wright

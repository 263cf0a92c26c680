#include <sys/ioctl.h>
#include <unistd.h>

#include <iostream>
#include <memory>

#include "common/FileNames.h"
#include "common/FileOps.h"
#include "puzzle/KeywordMarks.h"
#include "puzzle/PuzzleExport.h"
#include "puzzle/TerminalView.h"
#include "tools/wright/Command.h"
#include "tools/wright/CommandFiles.h"

namespace crossword::wright {

namespace {

int TerminalColumns() {
  winsize size{};
  if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
    return size.ws_col;
  }
  if (const char* columns = std::getenv("COLUMNS")) {
    if (const int value = std::atoi(columns); value > 0) return value;
  }
  return 80;
}

std::string SetTitle(const std::string& path) {
  return BaseName(std::filesystem::path(path).filename().string());
}

struct ShowOptions {
  std::string path;
  int stage = 0;
  bool solution = false;
};

struct ExportOptions {
  std::string path;
  std::string format;
  std::string out;
};

void Show(const ShowOptions& options) {
  const PuzzleSet set = ReadPuzzleSetWithMarks(options.path);
  const int count = static_cast<int>(set.Stages.size());
  if (options.stage > count) {
    throw std::runtime_error(options.path + " holds " + Counted(count, "stage") +
                             "; there is no stage " + std::to_string(options.stage));
  }
  const int first = options.stage ? options.stage : 1;
  const int last = options.stage ? options.stage : count;
  for (int k = first; k <= last; ++k) {
    if (k > first) std::cout << '\n';
    std::cout << RenderStage(set, k, options.solution, TerminalColumns());
  }
}

void Export(const ExportOptions& options) {
  RefuseOutputOverInput(options.out, {options.path});
  const PuzzleSet set = ReadPuzzleSetWithMarks(options.path);
  const std::string title = SetTitle(options.path);
  if (options.format == "ipuz") {
    std::filesystem::create_directories(options.out);
    const auto files = ExportIpuz(set, title, options.out);
    std::cout << "Wrote " << Counted(files.size(), "ipuz file") << " to " << options.out << '\n';
  } else {
    CreateFileWith(options.out, PuzzleSetToHtml(set, title));
    std::cout << "Wrote " << options.out << " (" << Counted(set.Stages.size(), "stage")
              << "): open it in a browser to play or print\n";
  }
}

}  // namespace

void AddShowCommand(CLI::App& app) {
  auto options = std::make_shared<ShowOptions>();
  CLI::App* show = app.add_subcommand(
      "show",
      "Show a puzzle set (.pzs) in the terminal: the grid with its question numbers, then\n"
      "the across and down clues. Every stage unless --stage picks one.\n"
      "  wright show puzzles.pzs --stage 1 --solution");
  show->add_option("PZS", options->path, "Puzzle set file")->required()->check(CLI::ExistingFile);
  show->add_option("--stage", options->stage, "Stage to show (1..99)")->check(WholeNumberIn(1, 99));
  show->add_flag("--solution", options->solution, "Fill in the answers too");
  show->callback([options] { Show(*options); });
}

void AddExportCommand(CLI::App& app) {
  auto options = std::make_shared<ExportOptions>();
  CLI::App* exporter = app.add_subcommand(
      "export",
      "Convert a puzzle set (.pzs) for other software or the browser.\n"
      "  wright export puzzles.pzs --format ipuz --out FOLDER   one .ipuz file per stage\n"
      "  wright export puzzles.pzs --format html --out FILE.html\n"
      "The page needs nothing else: open it to play (kana through your input method, or\n"
      "letters), check and reveal; print it for one stage per A4 page and the solutions.");
  exporter->add_option("PZS", options->path, "Puzzle set file")
      ->required()
      ->check(CLI::ExistingFile);
  exporter->add_option("--format", options->format, "ipuz or html")
      ->required()
      ->check(CLI::IsMember({"ipuz", "html"}));
  exporter->add_option("--out", options->out, "Folder (ipuz) or file (html) to write")->required();
  exporter->callback([options] { Export(*options); });
}

}  // namespace crossword::wright

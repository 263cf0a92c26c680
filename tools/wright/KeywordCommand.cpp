#include <iostream>
#include <map>
#include <memory>

#include "common/TextCodec.h"
#include "generator/engine/PuzzleSetEdit.h"
#include "puzzle/KeywordChoice.h"
#include "puzzle/KeywordMarks.h"
#include "tools/wright/Command.h"
#include "tools/wright/CommandFiles.h"

namespace crossword::wright {

namespace {

constexpr int kChoicesShown = 5;

struct KeywordOptions {
  std::string path;
  int stage = 0;
  std::string word;
  int choice = 1;
  std::string out;
};

// "ナ, ミ ×2": each letter lacking, with how often where it lacks more than once.
std::string LackingLetters(const std::u32string& missing) {
  std::map<char32_t, int> counts;
  std::u32string order;
  for (const char32_t c : missing) {
    if (counts[c]++ == 0) order += c;
  }
  std::string text;
  for (const char32_t c : order) {
    text += (text.empty() ? "" : ", ") + ToUtf8(c);
    if (counts[c] > 1) text += " ×" + std::to_string(counts[c]);
  }
  return text;
}

std::string CellsText(const std::vector<MasPoint>& cells) {
  std::string text;
  for (size_t i = 0; i < cells.size(); ++i) {
    text += (i ? "  " : "") + ToUtf8(MarkLabel(static_cast<int>(i))) + " (" +
            std::to_string(cells[i].x) + "," + std::to_string(cells[i].y) + ")";
  }
  return text;
}

std::vector<KeywordChoice> Choices(const PuzzleStage& stage, const std::u32string& keyword,
                                   const std::string& name) {
  const std::u32string missing = MissingLetters(stage.Answers, keyword);
  if (!missing.empty()) {
    throw std::runtime_error(name + "'s letters cannot spell " + ToUtf8(keyword) + ": it lacks " +
                             LackingLetters(missing));
  }
  auto choices = ChooseKeywordCells(stage.Answers, keyword, kChoicesShown);
  if (choices.empty()) {
    throw std::runtime_error(name + " holds the letters of " + ToUtf8(keyword) +
                             ", but no choice of cells keeps them in different answers, apart "
                             "and not all in one row or column");
  }
  return choices;
}

void ListChoices(const std::vector<KeywordChoice>& choices, int taken) {
  for (size_t n = 0; n < choices.size(); ++n) {
    const KeywordChoice& choice = choices[n];
    std::cout << (static_cast<int>(n) + 1 == taken ? "* " : "  ") << n + 1 << ". "
              << CellsText(choice.Cells) << "   closest " << choice.Closest << " steps apart, "
              << choice.Lines << " rows and columns\n";
  }
}

void MarkKeyword(const KeywordOptions& options) {
  const std::string target = options.out.empty() ? options.path : options.out;
  if (!options.out.empty()) RefuseOutputOverInput(options.out, {options.path});
  const PuzzleSetEdit edit(options.path);
  PuzzleSet set = edit.Set();
  if (options.stage > static_cast<int>(set.Stages.size())) {
    throw std::runtime_error(options.path + " holds " + Counted(set.Stages.size(), "stage") +
                             "; there is no stage " + std::to_string(options.stage));
  }
  ReadKeywordMarks(set, options.path, options.stage);
  std::u32string keyword;
  try {
    keyword = KeywordLetters(FromUtf8(options.word));
  } catch (const std::invalid_argument& problem) {
    throw std::runtime_error("--word " + options.word + ": " + problem.what());
  }
  PuzzleStage& stage = set.Stages[options.stage - 1];
  const auto choices = Choices(stage, keyword, "stage " + std::to_string(options.stage));
  if (options.choice > static_cast<int>(choices.size())) {
    ListChoices(choices, 0);
    throw std::runtime_error("there are " + Counted(choices.size(), "choice") + ", no choice " +
                             std::to_string(options.choice));
  }
  std::cout << "Stage " << options.stage << ", keyword " << ToUtf8(keyword) << ": "
            << Counted(choices.size(), "choice") << ", the most spread first\n";
  ListChoices(choices, options.choice);
  stage.Keyword = StageKeyword{keyword, choices[options.choice - 1].Cells};
  if (!options.out.empty()) edit.Save(options.out);
  WriteKeywordMarks(set, target);
  std::cout << "Wrote " << KeywordMarksPath(target).string() << ": choice " << options.choice
            << " marked\n";
}

}  // namespace

void AddKeywordCommand(CLI::App& app) {
  auto options = std::make_shared<KeywordOptions>();
  CLI::App* keyword = app.add_subcommand(
      "keyword",
      "Mark a prize keyword in a stage of a puzzle set (.pzs): cells with a double frame,\n"
      "labelled Ａ, Ｂ, Ｃ…, whose letters spell the keyword in that order.\n"
      "  wright keyword SET.pzs --stage 1 --word ハナミ [--choice N] [--out NEW.pzs]\n"
      "lists the good choices (each letter in another answer, no two cells touching, not\n"
      "all in one row or column), the most spread first, and marks the first or choice N.\n"
      "The marks go into SET.kwd beside the set, which show, export and Proofwright read;\n"
      "the puzzle file itself stays as it is. Hiragana are read as katakana, small kana as\n"
      "full-size; a keyword the stage's letters cannot spell is refused, naming the\n"
      "letters it lacks.");
  keyword->add_option("PZS", options->path, "Puzzle set file")
      ->required()
      ->check(CLI::ExistingFile);
  keyword->add_option("--stage", options->stage, "Stage to mark (1..99)")
      ->required()
      ->check(WholeNumberIn(1, 99));
  keyword->add_option("--word", options->word, "The keyword, 2 to 10 letters")->required();
  keyword->add_option("--choice", options->choice, "Which listed choice to mark (default: 1)")
      ->check(WholeNumberIn(1, kChoicesShown));
  keyword->add_option("--out", options->out,
                      "Puzzle set to write, with its keyword file beside it (default: the set)");
  keyword->callback([options] { MarkKeyword(*options); });
}

}  // namespace crossword::wright

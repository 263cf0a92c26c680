#include <algorithm>
#include <iostream>
#include <memory>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/TextCodec.h"
#include "common/TypedLetters.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryContents.h"
#include "generator/engine/ClueTable.h"
#include "generator/engine/WordSwap.h"
#include "puzzle/KeywordMarks.h"
#include "tools/wright/Command.h"
#include "tools/wright/CommandFiles.h"

namespace crossword::wright {

namespace {

struct CluesOptions {
  std::string path;
  std::string apply;
  std::string out;
  std::string learn;
  std::string dictionary;
};

struct SwapOptions {
  std::string path;
  int stage = 0;
  int question = 0;
  std::string dictionary;
  int rank = 0;
  std::string to;
  std::string written;
  std::string out;
};

void ExportClues(const CluesOptions& options) {
  RefuseOutputOverInput(options.out, {options.path, options.dictionary});
  const PuzzleSetEdit set(options.path);
  if (options.dictionary.empty()) {
    CreateFileWith(options.out, ClueTableText(set.Set()));
  } else {
    const KeptClues others = ReadKeptClues(options.dictionary);
    CreateFileWith(options.out, ClueTableText(set.Set(), &others));
  }
  std::cout << "Wrote " << options.out << ": edit the clues and written forms, then wright clues "
            << options.path << " --apply " << options.out << '\n';
}

void Learn(const std::string& dictionary, const std::vector<WordRecord>& words) {
  const int learnt = LearnWordTexts(dictionary, words);
  std::cout << (learnt == 0 ? "The dictionary " + dictionary + " already holds every clue\n"
                            : "Wrote " + dictionary + " and its index file: " +
                                  Counted(learnt, "word") + " with the clues of the table\n");
}

// A set written under another name takes the marks of its prize keywords along: its
// words are the same but for the change.
void CarryKeywordMarks(const std::string& from, const std::string& to) {
  if (IsSameFile(from, to)) return;
  try {
    WriteKeywordMarks(ReadPuzzleSetWithMarks(from), to);
  } catch (const FileError& broken) {
    std::cerr << "wright: warning: the keyword marks stay with " << from << ": " << broken.what()
              << '\n';
  }
}

void ApplyClues(const CluesOptions& options) {
  const std::string target = options.out.empty() ? options.path : options.out;
  RefuseOutputOverInput(target, {options.apply, options.learn});
  if (!options.learn.empty()) RefuseOutputOverInput(options.learn, {options.path, options.apply});
  PuzzleSetEdit set(options.path);
  const ClueTable table = ReadClueTable(options.apply, set);
  if (table.Encoding != "UTF-8")
    std::cout << "Read " << options.apply << " as " << table.Encoding << " text\n";
  if (!table.Problems.empty()) {
    for (const auto& problem : table.Problems) std::cerr << problem << '\n';
    throw std::runtime_error(options.apply + ": " + Counted(table.Problems.size(), "row") +
                             " refused; nothing written");
  }
  const ClueChanges changes = ApplyClueTable(set, table);
  // The dictionary first: a word it does not hold stops everything before any write.
  if (!options.learn.empty()) Learn(options.learn, changes.Words);
  set.Save(target);
  CarryKeywordMarks(options.path, target);
  std::cout << "Wrote " << target << ": " << Counted(changes.HintsChanged, "hint") << " changed\n";
  if (changes.TextsMended > 0) {
    std::cout << Counted(changes.TextsMended, "text")
              << " with commas or line breaks, written as '，' or a blank\n";
  }
}

std::u32string ShownPattern(std::u32string pattern) {
  std::replace(pattern.begin(), pattern.end(), BlankMark, U'＿');
  return pattern;
}

void ListCandidates(const SlotSwap& swap, const PuzzleHint& hint, const SwapOptions& options,
                    int rank) {
  const auto candidates = swap.Candidates();
  std::cout << "Question " << options.question << " of stage " << options.stage << " ("
            << ToUtf8(DirectionName(hint)) << ", now " << ToUtf8(hint.Yst) << ", crossing letters "
            << ToUtf8(ShownPattern(swap.Pattern()))
            << "): " << Counted(static_cast<int>(candidates.size()), "word") << " asked at rank "
            << rank << " fit.\n";
  if (candidates.empty()) return;
  std::cout << "Most common first: those an easier rank asks, then in the dictionary's order.\n";
  for (const SwapCandidate& candidate : candidates) {
    const WordRecord& word = candidate.Word;
    std::cout << "  " << ToUtf8(word.Yst) << "  " << ToUtf8(word.Ast) << "  " << ToUtf8(word.Qst)
              << "  (rank " << candidate.EasiestRank << ")\n";
  }
}

// A new word may take a prize keyword's letter away: its marks beside the set then say so.
void WarnOfBrokenKeyword(PuzzleSet set, const std::string& path) {
  try {
    ReadKeywordMarks(set, path);
  } catch (const FileError& broken) {
    std::cerr << "wright: warning: " << broken.what() << '\n';
  }
}

void PutWord(PuzzleSetEdit& set, const SlotSwap& swap, const SwapOptions& options) {
  const std::string question =
      "question " + std::to_string(options.question) + " of stage " + std::to_string(options.stage);
  WordRecord word;
  try {
    word = swap.WordFor(GridLettersOf(FromUtf8(options.to)), FromUtf8(options.written));
  } catch (const SwapAmbiguous& ambiguous) {
    std::string forms;
    for (const auto& written : ambiguous.Written()) forms += "\n  --written " + ToUtf8(written);
    throw std::runtime_error(question + ": " + ambiguous.what() + " with one of" + forms +
                             "\nnothing written");
  } catch (const SwapRefused& refused) {
    throw std::runtime_error(question + ": " + refused.what() + "; nothing written");
  }
  set.PlaceWord(options.stage, options.question, word);
  const std::string target = options.out.empty() ? options.path : options.out;
  set.Save(target);
  CarryKeywordMarks(options.path, target);
  std::cout << "Wrote " << target << ": " << question << " is now " << ToUtf8(word.Yst) << " ("
            << ToUtf8(word.Ast) << ")\n";
  WarnOfBrokenKeyword(set.Set(), target);
}

int RankOf(const SwapOptions& options, const PuzzleStage& stage) {
  if (options.rank != 0) return options.rank;
  if (stage.DifficultRank == 0) {
    throw std::runtime_error("stage " + std::to_string(options.stage) +
                             " was made with categories and lists chosen by hand: say with "
                             "--rank 1..5 which rank's words may take the question's place");
  }
  return stage.DifficultRank;
}

// A dictionary of the other language fits no slot: that is not "no word fits".
void RefuseOtherLanguage(const Dictionary& dictionary, const PuzzleSet& set,
                         const SwapOptions& options) {
  const int language = DetectAnswerLang(dictionary);
  if (language == set.AnswerLang) return;
  const auto name = [](int lang) { return lang == 0 ? "English" : "Japanese"; };
  throw std::runtime_error(options.dictionary + " holds " + name(language) + " words and " +
                           options.path + " " + name(set.AnswerLang) +
                           " answers: the dictionary does not match the set");
}

void Swap(const SwapOptions& options) {
  if (!options.out.empty()) RefuseOutputOverInput(options.out, {options.dictionary});
  PuzzleSetEdit set(options.path);
  const PuzzleHint* hint = set.FindHint(options.stage, options.question);
  if (hint == nullptr) {
    throw std::runtime_error(options.path + " has no question " + std::to_string(options.question) +
                             " in stage " + std::to_string(options.stage));
  }
  const PuzzleStage& stage = set.Set().Stages[options.stage - 1];
  const int rank = RankOf(options, stage);
  const Dictionary dictionary(options.dictionary);
  RefuseOtherLanguage(dictionary, set.Set(), options);
  std::string note;
  const WordIndex words(OpenWordIndex(dictionary, note));
  if (!note.empty()) std::cerr << "wright: " << note << '\n';
  const RankSelections ranks(options.dictionary);
  for (const auto& problem : ranks.Problems()) std::cerr << "wright: warning: " << problem << '\n';
  const SlotSwap swap(stage, *hint, dictionary, words, ranks, rank);
  if (options.to.empty()) {
    ListCandidates(swap, *hint, options, rank);
  } else {
    PutWord(set, swap, options);
  }
}

}  // namespace

void AddCluesCommand(CLI::App& app) {
  auto options = std::make_shared<CluesOptions>();
  CLI::App* clues = app.add_subcommand(
      "clues",
      "Rewrite the clues of a puzzle set (.pzs) in a spreadsheet.\n"
      "  wright clues SET.pzs --out CLUES.tsv\n"
      "writes one row per question: stage, number, direction (ヨコ/タテ), reading, written\n"
      "form, clue, the word's dictionary ID and length (UTF-8, tab-separated, a header row);\n"
      "with --dictionary DIC.lxd (the set's dictionary) a last column holds the other clues\n"
      "its word has there, separated by ' ／ ', to copy into the clue column.\n"
      "Change the clues and written forms; the other columns say which question a row is.\n"
      "  wright clues SET.pzs --apply CLUES.tsv [--out NEW.pzs] [--learn DIC.lxd]\n"
      "writes them into the set, replacing it in one step (or writing NEW.pzs). A row whose\n"
      "stage, number, direction or reading is not the set's, or that holds a letter code\n"
      "page 932 cannot, refuses the whole table. ',' is written '，' and a line break a\n"
      "blank. Rows left out leave their questions as they were. --learn also writes every\n"
      "row's clue and written form into the word of that ID in the dictionary the set was\n"
      "made from, so that the next sets made from it ask them.");
  clues->add_option("PZS", options->path, "Puzzle set file")->required()->check(CLI::ExistingFile);
  clues->add_option("--apply", options->apply, "Clue table to write into the set")
      ->check(CLI::ExistingFile);
  clues->add_option("--out", options->out,
                    "Without --apply: the clue table to write; with it: the puzzle set to write "
                    "(default: the set itself)");
  clues->add_option("--learn", options->learn, "With --apply: the dictionary (.lxd) to teach")
      ->check(CLI::ExistingFile);
  clues
      ->add_option("--dictionary", options->dictionary,
                   "Without --apply: the dictionary (.lxd) whose other clues the table shows")
      ->check(CLI::ExistingFile);
  clues->callback([options] {
    if (!options->apply.empty() && !options->dictionary.empty()) {
      throw std::runtime_error(
          "--dictionary names the other clues of a table to write: give "
          "it with --out, not with --apply");
    }
    if (!options->apply.empty()) return ApplyClues(*options);
    if (!options->learn.empty())
      throw std::runtime_error(
          "--learn teaches the dictionary the clues of a table: give it with --apply CLUES.tsv");
    if (options->out.empty()) throw std::runtime_error("say where the clue table goes: --out");
    ExportClues(*options);
  });
}

void AddSwapCommand(CLI::App& app) {
  auto options = std::make_shared<SwapOptions>();
  CLI::App* swap = app.add_subcommand(
      "swap",
      "Replace one answer of a puzzle set (.pzs) by another word that keeps its crossings.\n"
      "  wright swap SET.pzs --stage K --question N --dictionary DIC.lxd [--rank R]\n"
      "lists the words that fit: every crossing letter kept, asked at rank R (default: the\n"
      "stage's level), not already in the stage and allowed beside its words by the fill's\n"
      "rules. The most common come first: words an easier rank asks, then the dictionary's\n"
      "order.\n"
      "  wright swap SET.pzs --stage K --question N --dictionary DIC.lxd --to READING\n"
      "puts that word there: its hint line and the stage's answer rows change, nothing else.");
  swap->add_option("PZS", options->path, "Puzzle set file")->required()->check(CLI::ExistingFile);
  swap->add_option("--stage", options->stage, "Stage of the question (1..99)")
      ->required()
      ->check(WholeNumberIn(1, 99));
  swap->add_option("--question", options->question, "Question number in that stage")
      ->required()
      ->check(WholeNumberIn(1, 999));
  swap->add_option("--dictionary", options->dictionary,
                   "Dictionary (.lxd, with its index file) the words come from")
      ->required()
      ->check(CLI::ExistingFile);
  swap->add_option("--rank", options->rank, "Difficulty rank 1..5 whose words may be asked")
      ->check(WholeNumberIn(1, 5));
  swap->add_option("--to", options->to,
                   "Reading of the word to put there, as listed (hiragana, small kana and Latin "
                   "letters are read as the grid writes them)");
  swap->add_option("--written", options->written,
                   "With --to: the written form, when several words of that reading fit");
  swap->add_option("--out", options->out, "With --to: the puzzle set to write (default: the set)");
  swap->callback([options] { Swap(*options); });
}

}  // namespace crossword::wright

#include <unistd.h>

#include <functional>
#include <iostream>
#include <memory>

#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryCheck.h"
#include "dictionary/DictionaryContents.h"
#include "dictionary/DictionaryWriter.h"
#include "dictionary/WordIndexFile.h"
#include "dictionary/import/EdictImport.h"
#include "dictionary/import/WordListFile.h"
#include "dictionary/import/WordNetImport.h"
#include "tools/wright/Command.h"
#include "tools/wright/CommandFiles.h"
#include "tools/wright/DictInfo.h"
#include "tools/wright/ExitStatus.h"
#include "tools/wright/StopSignals.h"

namespace crossword::wright {

namespace {

constexpr size_t kProblemsShown = 200;

struct DictOptions {
  std::string words;
  std::string out;
  std::string index;
  std::string dictionary;
  std::string edict = "/usr/share/edict/edict";
  std::string wordnet = "/usr/share/wordnet";
  std::string kanjidic = "/usr/share/edict/kanjidic";
  std::string vocabulary = "/usr/share/mecab/dic/ipadic";
  bool repair = false;
};

// A bar on stderr while a terminal watches, nothing in a log; Ctrl-C ends the import.
ImportProgress ProgressBar(const std::string& label) {
  const bool drawn = isatty(STDERR_FILENO) != 0;
  return [label, drawn](double done) {
    if (CaughtStopSignal() != 0) {
      throw CommandEnded(ExitStatus::Interrupted,
                         label + " " + StopSignalText() + "; nothing written");
    }
    if (!drawn) return;
    const int filled = static_cast<int>(done * 30);
    std::cerr << '\r' << label << " [" << std::string(filled, '#') << std::string(30 - filled, ' ')
              << "] " << static_cast<int>(done * 100) << '%' << (done >= 1 ? "\n" : "")
              << std::flush;
  };
}

// The index file beside a dictionary (its name up to the first dot, and .idx).
std::string IndexPathOf(const std::string& dictionary) {
  const std::filesystem::path path(dictionary);
  return (path.parent_path() / IdxFileNameOf(path.filename().string())).string();
}

// Ctrl-C before a write leaves every file as it was; one during a write waits until the
// files are whole and in place, so that no half file stays behind.
void WriteWhole(const std::string& what, const std::function<void()>& write) {
  if (CaughtStopSignal() != 0) {
    throw CommandEnded(ExitStatus::Interrupted, StopSignalText() + "; " + what + " left as it was");
  }
  const HoldStopSignals hold;
  write();
}

// A stop that came while the files were written: they are whole, the command ends here.
void EndIfStopped(const std::string& what) {
  if (CaughtStopSignal() != 0) {
    throw CommandEnded(ExitStatus::Interrupted,
                       StopSignalText() + " while " + what + " was written; it was finished first");
  }
}

// A dictionary's own files: writing one of them over an input destroys it.
void RefuseDictionaryOverInput(const std::string& dictionary,
                               const std::vector<std::string>& inputs) {
  for (const std::string& output :
       {dictionary, IndexPathOf(dictionary), WordIndexPathOf(dictionary).string()}) {
    RefuseOutputOverInput(output, inputs);
  }
}

void PrintProblems(const std::vector<std::string>& problems) {
  for (size_t i = 0; i < problems.size() && i < kProblemsShown; ++i) {
    std::cerr << problems[i] << '\n';
  }
  if (problems.size() > kProblemsShown) {
    std::cerr << "... and " << problems.size() - kProblemsShown << " more\n";
  }
}

void PrintWritten(const std::string& path, size_t words, int madeSafe) {
  std::cout << "Wrote " << path << " and its index file: " << Counted(words, "word") << '\n';
  if (madeSafe > 0) {
    std::cout << madeSafe << " commas or line breaks in text fields written as '，' or a blank\n";
  }
}

std::vector<std::u32string> ReadIndexText(const std::string& path) {
  std::vector<std::u32string> lines = ReadUtf8Lines(path);
  std::vector<std::string> problems;
  for (IndexSectionKind kind : {IndexSectionKind::Category, IndexSectionKind::List}) {
    const IndexSection section = ReadIndexSection(path, lines, kind);
    problems.insert(problems.end(), section.Problems.begin(), section.Problems.end());
  }
  if (!problems.empty()) {
    PrintProblems(problems);
    throw std::runtime_error(path + ": the index text has " + Counted(problems.size(), "problem") +
                             "; nothing written");
  }
  return lines;
}

void Build(const DictOptions& options) {
  if (options.index.empty()) {
    throw std::runtime_error(
        "a dictionary needs its index file, which says the categories, lists and ranks "
        "every command asks by: give --index INDEX.txt ('wright dict export' writes one "
        "from a dictionary to start from); nothing written");
  }
  RefuseDictionaryOverInput(options.out, {options.words, options.index});
  const std::vector<std::u32string> index = ReadIndexText(options.index);
  const ClassNumbers numbers =
      UsableClassNumbers(ReadIndexSection(options.index, index, IndexSectionKind::Category),
                         ReadIndexSection(options.index, index, IndexSectionKind::List));
  const WordList list = ReadWordList(options.words, numbers);
  if (!list.Problems.empty()) {
    PrintProblems(list.Problems);
    throw std::runtime_error(options.words + ": " + Counted(list.Problems.size(), "row") +
                             " refused; nothing written");
  }
  if (list.Words.empty()) {
    throw std::runtime_error(options.words + ": no word below the header line; nothing written");
  }
  const CatchStopSignals stopSignals;
  WriteWhole(options.out, [&] { WriteDictionary(options.out, list.Words, index); });
  PrintWritten(options.out, list.Words.size(), list.FieldsMadeSafe);
  EndIfStopped(options.out);
}

void Export(const DictOptions& options) {
  const std::vector<std::string> inputs = {options.dictionary, IndexPathOf(options.dictionary),
                                           WordIndexPathOf(options.dictionary).string()};
  RefuseOutputOverInput(options.words, inputs);
  if (!options.index.empty()) {
    RefuseOutputOverInput(options.index, inputs);
    RefuseOutputOverInput(options.index, {options.words});
  }
  const DictionaryContents contents = ReadDictionaryContents(options.dictionary);
  WriteWordList(options.words, contents.Words);
  std::cout << "Wrote " << options.words << ": " << Counted(contents.Words.size(), "word") << '\n';
  if (options.index.empty()) return;
  if (!contents.IndexLines) {
    throw std::runtime_error(options.dictionary + " has no index file beside it; " + options.index +
                             " not written");
  }
  WriteUtf8Lines(options.index, *contents.IndexLines);
  std::cout << "Wrote " << options.index << ": the index file's text\n";
}

// The words of the list, refused rows reported and nothing written when there are any.
std::vector<WordRecord> WordsToAdd(const DictOptions& options, const DictionaryContents& contents) {
  std::optional<ClassNumbers> numbers;
  if (contents.IndexLines) {
    const std::string index = IndexPathOf(options.dictionary);
    numbers = UsableClassNumbers(
        ReadIndexSection(index, *contents.IndexLines, IndexSectionKind::Category),
        ReadIndexSection(index, *contents.IndexLines, IndexSectionKind::List));
  }
  WordList list = ReadWordList(options.words, numbers);
  if (!list.Problems.empty()) {
    PrintProblems(list.Problems);
    throw std::runtime_error(options.words + ": " + Counted(list.Problems.size(), "row") +
                             " refused; " + options.dictionary + " left as it was");
  }
  return std::move(list.Words);
}

void Add(const DictOptions& options) {
  const CatchStopSignals stopSignals;
  DictionaryContents contents = ReadDictionaryContents(options.dictionary);
  const AddedWords added = AddWords(contents, WordsToAdd(options, contents));
  for (const std::string& present : added.AlreadyPresent) {
    std::cout << "already present, not added: " << present << '\n';
  }
  if (added.Added > 0) {
    WriteWhole(options.dictionary, [&] { RewriteDictionary(options.dictionary, contents); });
  }
  std::cout << options.dictionary << ": " << Counted(added.Added, "word") << " added, "
            << added.AlreadyPresent.size() << " already present; "
            << Counted(contents.Words.size(), "word") << " in all\n";
  EndIfStopped(options.dictionary);
}

// The word index is made again whenever it does not fit, so a stale one is no problem.
void CheckWordIndex(const std::string& path, bool repair) {
  const std::filesystem::path index = WordIndexPathOf(path);
  if (repair) {
    WriteWordIndexFile(path);
    std::cout << "Wrote the word index " << index.string() << '\n';
    return;
  }
  std::string problem;
  if (WordIndexImage::Map(Dictionary(path), problem)) return;
  std::cout << index.string() << ": "
            << (problem.empty() ? "missing" : problem) +
                   "; the next fill makes it again, or --repair does now\n";
}

void Check(const std::string& path, bool repair) {
  const std::vector<std::string> problems = CheckDictionary(path);
  if (problems.empty() || repair) CheckWordIndex(path, repair);
  if (!problems.empty()) {
    PrintProblems(problems);
    throw std::runtime_error(path + ": " + Counted(problems.size(), "problem"));
  }
  std::cout << path << ": no problems\n";
}

void WriteImport(ImportedDictionary dictionary, const std::string& out) {
  WriteWhole(out, [&] { WriteImportedDictionary(dictionary, out); });
  PrintWritten(out, dictionary.Words.size(), dictionary.FieldsMadeSafe);
  for (const auto& [reason, count] : dictionary.Skipped) {
    std::cout << "  left out: " << count << " (" << reason << ")\n";
  }
  EndIfStopped(out);
}

CLI::App* AddImport(CLI::App* dict, const std::shared_ptr<DictOptions>& options,
                    const std::string& name, const std::string& help,
                    const std::string& sourceOption, std::string& source) {
  CLI::App* command = dict->add_subcommand(name, help);
  command->add_option(sourceOption, source, "Where the word list lies")
      ->capture_default_str()
      ->check(CLI::ExistingPath);
  command->add_option("--out", options->out, "Dictionary file to write (.lxd)")->required();
  return command;
}

}  // namespace

void AddDictCommand(CLI::App& app) {
  auto options = std::make_shared<DictOptions>();
  CLI::App* dict = app.add_subcommand(
      "dict", "Build, import, describe and check dictionaries (.lxd with their index files .idx).");
  dict->require_subcommand(1);

  CLI::App* build = dict->add_subcommand(
      "build",
      "Build a dictionary from a word list.\n\n"
      "  wright dict build --words WORDS.tsv --index INDEX.txt --out NAME.lxd\n\n"
      "WORDS.tsv is UTF-8 text with tab-separated columns and a header line naming\n"
      "Yst Ast Qst CN BN QN AN SN (reading, written form, clue, category, list and the\n"
      "clue, answer and serial numbers); IDs are given in row order. INDEX.txt is the\n"
      "index file's text in UTF-8; it is written beside the dictionary as NAME.idx.");
  build->add_option("--words", options->words, "Word list (UTF-8, tab-separated)")
      ->required()
      ->check(CLI::ExistingFile);
  build->add_option("--out", options->out, "Dictionary file to write (.lxd)")->required();
  build->add_option("--index", options->index, "Index file text (UTF-8); a dictionary needs it")
      ->check(CLI::ExistingFile);
  build->callback([options] { Build(*options); });

  CLI::App* exportWords = dict->add_subcommand(
      "export",
      "Write a dictionary's words (and its index file's text) as files 'dict build' reads.\n\n"
      "  wright dict export NAME.lxd --words WORDS.tsv [--index INDEX.txt]\n\n"
      "Words come in ID order, so building the export again gives the same dictionary:\n"
      "edit the files, then 'wright dict build --words WORDS.tsv --index INDEX.txt --out\n"
      "MINE.lxd' makes your own dictionary from the default one.");
  exportWords->add_option("dictionary", options->dictionary, "Dictionary file (.lxd)")
      ->required()
      ->check(CLI::ExistingFile);
  exportWords->add_option("--words", options->words, "Word list to write (UTF-8, tab-separated)")
      ->required();
  exportWords->add_option("--index", options->index, "Index file text to write (UTF-8)");
  exportWords->callback([options] { Export(*options); });

  CLI::App* add = dict->add_subcommand(
      "add",
      "Add words from a word list to a dictionary.\n\n"
      "  wright dict add NAME.lxd --words MORE.tsv\n\n"
      "MORE.tsv has the columns 'dict build' reads. The words get IDs after the highest\n"
      "one; an AN or QN of 0 is numbered as the dictionary numbers that reading or clue.\n"
      "A word whose reading and written form are already there is reported, not added.\n"
      "Categories and lists must be the index file's. The dictionary and its index file\n"
      "are replaced together, or on any problem not at all.");
  add->add_option("dictionary", options->dictionary, "Dictionary file (.lxd)")
      ->required()
      ->check(CLI::ExistingFile);
  add->add_option("--words", options->words, "Word list to add (UTF-8, tab-separated)")
      ->required()
      ->check(CLI::ExistingFile);
  add->callback([options] { Add(*options); });

  CLI::App* info = dict->add_subcommand(
      "info",
      "Describe a dictionary: words per length, language, bands of commonness with examples,\n"
      "categories, lists, ranks.");
  info->add_option("dictionary", options->dictionary, "Dictionary file (.lxd)")->required();
  info->callback([options] { PrintDictionaryInfo(options->dictionary, std::cout); });

  CLI::App* check = dict->add_subcommand(
      "check",
      "Check every word and the index file of a dictionary; exit status 0 only when clean.");
  check->add_option("dictionary", options->dictionary, "Dictionary file (.lxd)")->required();
  check->add_flag("--repair", options->repair,
                  "Make the word index file (.wdx) beside the dictionary again, which lets a\n"
                  "fill open it at once");
  check->callback([options] { Check(options->dictionary, options->repair); });

  CLI::App* edict = AddImport(
      dict, options, "import-edict",
      "Build the Japanese dictionary from EDICT (Debian package edict). Each word's\n"
      "commonness band comes from EDICT's marks, the grades of its kanji (KANJIDIC, package\n"
      "kanjidic) and whether a general vocabulary holds it (package mecab-ipadic).",
      "--edict", options->edict);
  edict->add_option("--kanjidic", options->kanjidic, "KANJIDIC, for the grades of kanji")
      ->capture_default_str()
      ->check(CLI::ExistingFile);
  edict
      ->add_option("--vocabulary", options->vocabulary,
                   "Folder of the ipadic sources (*.csv), the general vocabulary")
      ->capture_default_str()
      ->check(CLI::ExistingDirectory);
  edict->callback([options] {
    RefuseDictionaryOverInput(options->out, {options->edict, options->kanjidic});
    const CatchStopSignals stopSignals;
    const CommonnessSources sources(options->kanjidic, options->vocabulary);
    WriteImport(ImportEdict(options->edict, sources, ProgressBar("import-edict")), options->out);
  });
  AddImport(dict, options, "import-wordnet",
            "Build the English dictionary from WordNet (Debian package wordnet-base).", "--wordnet",
            options->wordnet)
      ->callback([options] {
        const CatchStopSignals stopSignals;
        WriteImport(ImportWordNet(options->wordnet, ProgressBar("import-wordnet")), options->out);
      });
}

}  // namespace crossword::wright

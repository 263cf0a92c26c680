#include "tools/wright/DictInfo.h"

#include <iomanip>
#include <map>
#include <set>
#include <sstream>

#include "common/FileNames.h"
#include "common/TextCodec.h"
#include "dictionary/Dictionary.h"
#include "dictionary/KeptClues.h"
#include "dictionary/QuestionSelection.h"

namespace crossword::wright {

namespace {

constexpr const char* kRankNames[] = {"",     "初級",         "中級",
                                      "上級", "ウルトラ上級", "スーパーおたく級"};

constexpr int kExampleSpacing = 97;  // every 97th word by ID is an example of its class
constexpr size_t kExamplesShown = 6;

// Words per (category, list) pair, a few written forms of each pair, and one sample word
// per length.
struct WordCensus {
  std::map<std::pair<int, int>, int> ByClass;
  std::map<std::pair<int, int>, std::vector<std::u32string>> Examples;
  std::map<int, WordRecord> Samples;
};

WordCensus TakeCensus(const Dictionary& dictionary) {
  WordCensus census;
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    const int middle = (dictionary.RecordCount(length) + 1) / 2;
    dictionary.ScanRecords(length, [&](int k, const WordRecord& word) {
      ++census.ByClass[{word.CN, word.BN}];
      auto& examples = census.Examples[{word.CN, word.BN}];
      if (word.ID % kExampleSpacing == 0 && examples.size() < kExamplesShown) {
        examples.push_back(word.Ast);
      }
      if (k == middle) census.Samples[length] = word;
    });
  }
  return census;
}

std::string Thousands(long long number) {
  std::string digits = std::to_string(number);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
  return digits;
}

// Columns of a terminal: East Asian letters take two.
size_t DisplayWidth(const std::string& text) {
  size_t width = 0;
  for (char32_t c : FromUtf8(text)) width += c >= 0x2E80 && c != 0xFF61 ? 2 : 1;
  return width;
}

std::string Padded(const std::string& text, size_t width) {
  const size_t used = DisplayWidth(text);
  return text + std::string(used < width ? width - used : 1, ' ');
}

void PrintLengths(const Dictionary& dictionary, std::ostream& out) {
  const WordCounts counts = CountDicWords(dictionary);
  long long total = 0;
  out << "Words per length:\n";
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    out << "  " << std::setw(2) << length << " letters " << std::setw(9)
        << Thousands(counts[length]) << '\n';
    total += counts[length];
  }
  out << "  all        " << std::setw(9) << Thousands(total) << '\n';
}

int WordsOf(const WordCensus& census, bool category, int number) {
  int words = 0;
  for (const auto& [numbers, count] : census.ByClass) {
    if ((category ? numbers.first : numbers.second) == number) words += count;
  }
  return words;
}

void PrintSection(const char* title, const IndexSection& section, bool category,
                  const WordCensus& census, std::ostream& out) {
  out << title << " (" << section.ItemCount << "):\n  " << Padded("", 34) << "    words";
  for (int k = 1; k <= DifficultRankMax; ++k) out << "  " << kRankNames[k];
  out << '\n';
  if (!category) {
    out << "   0 " << Padded("(no list)", 30) << std::setw(9)
        << Thousands(WordsOf(census, false, 0)) << '\n';
  }
  for (const IndexRow& row : section.Rows) {
    if (row.RowKind == IndexRow::Kind::Heading) out << "  " << ToUtf8(row.Text) << '\n';
    if (row.RowKind != IndexRow::Kind::Item) continue;
    out << "  " << std::setw(2) << row.Number << ' ' << Padded(ToUtf8(row.Text), 30) << std::setw(9)
        << Thousands(WordsOf(census, category, row.Number));
    for (int k = 1; k <= DifficultRankMax; ++k) {
      const std::string field = ToUtf8(row.RankField(k).value_or(U"-"));
      out << "  " << (k < DifficultRankMax ? Padded(field, DisplayWidth(kRankNames[k])) : field);
    }
    out << '\n';
  }
}

void PrintRanks(QuestionSelection& selection, const WordCensus& census, std::ostream& out) {
  out << "Words each rank asks:\n";
  for (int k = 1; k <= DifficultRankMax; ++k) {
    selection.SelectDifficultRank(k);
    selection.CollectCategoryOn();
    selection.CollectListOn();
    long long asked = 0;
    for (const auto& [numbers, count] : census.ByClass) {
      if (selection.Admits(numbers.first, numbers.second)) asked += count;
    }
    out << "  " << Padded(kRankNames[k], 18) << std::setw(9) << Thousands(asked) << '\n';
  }
}

// The items under each heading of a section: the bands of commonness where the index
// groups its categories or lists by them.
void PrintHeadingGroups(const IndexSection& section, bool category, const WordCensus& census,
                        std::ostream& out) {
  const IndexRow* heading = nullptr;
  std::set<int> numbers;
  auto print = [&] {
    if (heading == nullptr || numbers.empty()) return;
    long long words = 0;
    std::vector<std::u32string> examples;
    for (const auto& [pair, count] : census.ByClass) {
      if (!numbers.contains(category ? pair.first : pair.second)) continue;
      words += count;
      for (const std::u32string& example : census.Examples.at(pair)) {
        if (examples.size() < kExamplesShown) examples.push_back(example);
      }
    }
    out << "  " << Padded(ToUtf8(heading->Text), 36) << std::setw(9) << Thousands(words) << "  ";
    for (const std::u32string& example : examples) out << ' ' << ToUtf8(example);
    out << '\n';
  };
  for (const IndexRow& row : section.Rows) {
    if (row.RowKind == IndexRow::Kind::Heading) {
      print();
      heading = &row;
      numbers.clear();
    }
    if (row.RowKind == IndexRow::Kind::Item) numbers.insert(row.Number);
  }
  print();
}

void PrintBands(QuestionSelection& selection, const WordCensus& census, std::ostream& out) {
  out << "Words under each heading (bands of commonness), with examples:\n";
  PrintHeadingGroups(selection.CategoryTable(), true, census, out);
  PrintHeadingGroups(selection.ListTable(), false, census, out);
}

void PrintIndex(const Dictionary& dictionary, const WordCensus& census, std::ostream& out) {
  const std::string folder = FolderOf(dictionary.Path());
  QuestionSelection selection;
  if (selection.MakeIdxFileName(folder, dictionary.Path().filename().string()) == 0) {
    out << "Index file: " << folder << selection.IdxFileName()
        << " is missing: no category or list can be chosen\n";
    return;
  }
  selection.LoadIndex(folder, 0);
  out << "Index file: " << folder << selection.IdxFileName() << '\n';
  for (const std::string& problem : selection.Problems()) out << "  problem: " << problem << '\n';
  PrintSection("Categories", selection.CategoryTable(), true, census, out);
  PrintSection("Lists", selection.ListTable(), false, census, out);
  PrintBands(selection, census, out);
  PrintRanks(selection, census, out);
}

void PrintSamples(const WordCensus& census, std::ostream& out) {
  out << "A word of each length (reading, written form, clue, category/list):\n";
  for (const auto& [length, word] : census.Samples) {
    out << "  " << std::setw(2) << length << "  " << ToUtf8(word.Yst) << "  " << ToUtf8(word.Ast)
        << "  \"" << ToUtf8(word.Qst) << "\"  " << word.CN << '/' << word.BN << '\n';
  }
}

std::string Share(long long part, long long whole) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(1) << (whole == 0 ? 0.0 : 100.0 * part / whole) << " %";
  return text.str();
}

// Of all words, the share with a clue of each style; a word without kept clues has only its
// own, which counts as its gloss.
void PrintClueStyles(const Dictionary& dictionary, std::ostream& out) {
  const KeptClues kept = ReadKeptClues(dictionary.Path());
  if (kept.empty()) return;
  long long words = 0;
  for (int count : CountDicWords(dictionary)) words += count;
  std::map<ClueStyle, long long> byStyle;
  long long japanese = 0;
  for (const auto& [id, clues] : kept) {
    std::set<ClueStyle> styles;
    for (const StyledClue& clue : clues) styles.insert(clue.Style);
    for (ClueStyle style : styles) ++byStyle[style];
    if (*styles.begin() != ClueStyle::English) ++japanese;
  }
  byStyle[ClueStyle::English] += words - static_cast<long long>(kept.size());
  out << "Words with a clue of each style (of " << Thousands(words) << "):\n";
  for (int style = 1; style <= ClueStyleCount; ++style) {
    const long long count = byStyle[static_cast<ClueStyle>(style)];
    out << "  " << Padded(ToUtf8(ClueStyleName(static_cast<ClueStyle>(style))), 30) << std::setw(9)
        << Thousands(count) << std::setw(9) << Share(count, words) << '\n';
  }
  out << "  " << Padded("日本語の手がかりがある言葉", 30) << std::setw(9) << Thousands(japanese)
      << std::setw(9) << Share(japanese, words) << '\n';
}

}  // namespace

void PrintDictionaryInfo(const std::filesystem::path& path, std::ostream& out) {
  const Dictionary dictionary(path);
  const int language = DetectAnswerLang(dictionary);
  out << "Dictionary: " << path.string() << '\n'
      << "Answer language: " << language
      << (language == 0 ? " (English: answers in full-width capitals)" : " (Japanese)") << '\n';
  PrintLengths(dictionary, out);
  const WordCensus census = TakeCensus(dictionary);
  PrintIndex(dictionary, census, out);
  PrintClueStyles(dictionary, out);
  PrintSamples(census, out);
}

}  // namespace crossword::wright

#include "dictionary/import/WordListFile.h"

#include <algorithm>
#include <array>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/GridModel.h"
#include "common/NumberText.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "dictionary/ClueText.h"
#include "dictionary/import/FieldText.h"
#include "dictionary/import/KanaReading.h"

namespace crossword {

namespace {

enum Column { Yst, Ast, Qst, CN, BN, QN, AN, SN, ColumnCount };
constexpr std::array<std::u32string_view, ColumnCount> kColumnNames = {
    U"Yst", U"Ast", U"Qst", U"CN", U"BN", U"QN", U"AN", U"SN"};

// The letters the imports write: katakana for a Japanese dictionary, full-width capitals
// for an English one. A reading in other letters would cross no imported word.
bool IsReadingLetter(char32_t c) {
  return IsKatakanaLetter(c) || (c >= U'Ａ' && c <= U'Ｚ');
}

std::vector<std::u32string> SplitTabs(std::u32string_view line) {
  std::vector<std::u32string> fields;
  for (size_t start = 0;;) {
    const size_t tab = line.find(U'\t', start);
    fields.emplace_back(line.substr(start, tab - start));
    if (tab == std::u32string_view::npos) return fields;
    start = tab + 1;
  }
}

// Where each column stands in a row, from the header line.
std::array<size_t, ColumnCount> ColumnPositions(const std::filesystem::path& path,
                                                const std::u32string& header) {
  const std::vector<std::u32string> names = SplitTabs(header);
  std::array<size_t, ColumnCount> positions{};
  for (int column = 0; column < ColumnCount; ++column) {
    const auto found = std::find(names.begin(), names.end(), kColumnNames[column]);
    if (found == names.end()) {
      throw FileError(path, 1,
                      "the header line has no column '" + ToUtf8(kColumnNames[column]) +
                          "'; it must name Yst Ast Qst CN BN QN AN SN, separated by tabs");
    }
    positions[column] = found - names.begin();
  }
  for (const std::u32string& name : names) {
    if (std::find(kColumnNames.begin(), kColumnNames.end(), name) == kColumnNames.end()) {
      throw FileError(path, 1, "the header line names an unknown column '" + ToUtf8(name) + "'");
    }
    // A second column of a name would be read by no one, whatever it holds.
    if (std::count(names.begin(), names.end(), name) > 1) {
      throw FileError(path, 1, "the header line names the column '" + ToUtf8(name) + "' twice");
    }
  }
  return positions;
}

// Reads one row into a word; the first problem found is the row's refusal.
class RowReader {
 public:
  RowReader(const std::vector<std::u32string>& fields, const std::array<size_t, ColumnCount>& at,
            const std::optional<ClassNumbers>& numbers)
      : fields_(fields), at_(at), numbers_(numbers) {}

  std::optional<std::string> Read(WordRecord& word, int& madeSafe) const {
    word.Yst = fields_[at_[Yst]];
    word.Ast = fields_[at_[Ast]];
    word.Qst = fields_[at_[Qst]];
    if (auto problem = ReadingProblem(word.Yst)) return problem;
    if (word.Ast.empty()) return "Ast, the written form, is empty";
    if (word.Qst.empty()) return "Qst, the clue, is empty";
    for (int column : {Yst, Ast, Qst}) {
      if (!CanEncodeAllCp932(fields_[at_[column]])) {
        return ToUtf8(kColumnNames[column]) + " '" + ToUtf8(fields_[at_[column]]) +
               "' holds a character code page 932 cannot hold";
      }
      if (auto problem = ControlCharacterProblem(fields_[at_[column]])) {
        return ToUtf8(kColumnNames[column]) + " " + *problem;
      }
    }
    madeSafe += MakeFieldSafe(word.Yst) + MakeFieldSafe(word.Ast) + MakeFieldSafe(word.Qst);
    int* targets[] = {&word.CN, &word.BN, &word.QN, &word.AN, &word.SN};
    for (int column = CN; column <= SN; ++column) {
      const auto value = ParseWholeNumber(fields_[at_[column]]);
      if (!value) return NumberProblem(column, fields_[at_[column]]);
      *targets[column - CN] = *value;
    }
    for (const auto& [column, value] : {std::pair(AN, word.AN), std::pair(SN, word.SN)}) {
      if (value < 0)
        return ToUtf8(kColumnNames[column]) + " " + std::to_string(value) + " is below 0";
    }
    return ClassProblem(word);
  }

 private:
  static std::optional<std::string> ReadingProblem(const std::u32string& reading) {
    const auto length = static_cast<int>(reading.size());
    if (length == 0) return "the reading is empty; a word needs 2 to 12 letters";
    if (length < AnswerLenMin || length > AnswerLenMax) {
      return "the reading '" + ToUtf8(reading) + "' has " + std::to_string(length) +
             " letters; a word needs 2 to 12";
    }
    for (char32_t letter : reading) {
      if (!IsReadingLetter(letter)) {
        return "the reading '" + ToUtf8(reading) + "' holds " + DescribeCharacter(letter) +
               "; a reading is written in katakana, or in the full-width capitals Ａ to Ｚ";
      }
    }
    return std::nullopt;
  }

  static std::string NumberProblem(int column, const std::u32string& text) {
    const std::string name = ToUtf8(kColumnNames[column]);
    if (text.empty()) return name + " is empty; it needs a whole number";
    return name + " '" + ToUtf8(text) + "' is not a whole number from -2147483647 to 2147483647";
  }

  std::optional<std::string> ClassProblem(const WordRecord& word) const {
    if (!numbers_) return std::nullopt;
    if (!numbers_->Categories.contains(word.CN)) {
      return "CN " + std::to_string(word.CN) + " is no category of the index file";
    }
    if (!numbers_->Lists.contains(word.BN)) {
      return "BN " + std::to_string(word.BN) + " is no list of the index file";
    }
    return std::nullopt;
  }

  const std::vector<std::u32string>& fields_;
  const std::array<size_t, ColumnCount>& at_;
  const std::optional<ClassNumbers>& numbers_;
};

std::u32string Row(const std::filesystem::path& path, const WordRecord& word) {
  std::u32string row;
  for (const std::u32string* text : {&word.Yst, &word.Ast, &word.Qst}) {
    if (text->find_first_of(U"\t\r\n") != std::u32string::npos) {
      throw FileError(path, "word " + std::to_string(word.ID) + " '" + ToUtf8(word.Yst) +
                                "' has a tab or a line break in a text field");
    }
    row += *text + U'\t';
  }
  for (int number : {word.CN, word.BN, word.QN, word.AN}) row += DecimalText(number) + U'\t';
  return row + DecimalText(word.SN);
}

}  // namespace

void WriteWordList(const std::filesystem::path& path, const std::vector<WordRecord>& words) {
  std::u32string header;
  for (std::u32string_view name : kColumnNames) header += std::u32string(name) + U'\t';
  header.pop_back();
  std::vector<std::u32string> lines = {header};
  for (const WordRecord& word : words) lines.push_back(Row(path, word));
  WriteUtf8Lines(path, lines);
}

WordList ReadWordList(const std::filesystem::path& path,
                      const std::optional<ClassNumbers>& numbers) {
  const std::vector<std::u32string> lines = ReadUtf8Lines(path);
  if (lines.empty()) throw FileError(path, "the word list is empty; it needs a header line");
  const auto at = ColumnPositions(path, lines[0]);
  const size_t width = SplitTabs(lines[0]).size();
  WordList list;
  for (size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    const int lineNumber = static_cast<int>(i) + 1;
    const std::vector<std::u32string> fields = SplitTabs(lines[i]);
    WordRecord word;
    std::optional<std::string> problem;
    if (fields.size() != width) {
      problem = "the row has " + std::to_string(fields.size()) + " fields; the header names " +
                std::to_string(width);
    } else {
      problem = RowReader(fields, at, numbers).Read(word, list.FieldsMadeSafe);
    }
    if (problem) {
      list.Problems.push_back(path.string() + ":" + std::to_string(lineNumber) + ": " + *problem);
      continue;
    }
    word.ID = static_cast<int>(list.Words.size()) + 1;
    list.Words.push_back(std::move(word));
  }
  return list;
}

}  // namespace crossword

#include "generator/engine/ClueTable.h"

#include <map>
#include <optional>
#include <utility>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/NumberText.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "dictionary/ClueText.h"
#include "puzzle/PuzzleFileWriter.h"

namespace crossword {

namespace {

enum Column {
  StageColumn,
  NumberColumn,
  DirectionColumn,
  ReadingColumn,
  WrittenColumn,
  ClueColumn
};
constexpr size_t kColumnCount = 8;
const std::u32string kHeader[kColumnCount] = {U"stage",        U"number", U"direction", U"reading",
                                              U"written form", U"clue",   U"ID",        U"length"};
// A table may close with the other clues each word has in its dictionary, to choose from;
// reading the table back ignores them.
constexpr std::u32string_view kOtherCluesHeader = U"other clues";
constexpr std::u32string_view kOtherCluesSeparator = U" ／ ";

// A tab or a quote inside a field is kept by quoting the field, as spreadsheets do.
std::u32string TableField(const std::u32string& text) {
  if (text.find_first_of(U"\t\"") == std::u32string::npos) return text;
  std::u32string quoted = U"\"";
  for (char32_t c : text) quoted += c == U'"' ? std::u32string(U"\"\"") : std::u32string(1, c);
  return quoted + U"\"";
}

std::u32string TableRow(const std::vector<std::u32string>& fields) {
  std::u32string row;
  for (const auto& field : fields) row += (row.empty() ? U"" : U"\t") + TableField(field);
  return row + U"\n";
}

struct Record {
  int Line = 0;  // the line it starts on
  std::vector<std::u32string> Fields;
};

// Records of tab-separated fields, one per line, except that a quoted field may hold tabs,
// line breaks and doubled quotes.
class RecordReader {
 public:
  explicit RecordReader(const std::vector<std::u32string>& lines) {
    for (const auto& line : lines) text_ += line + U"\n";
  }

  // Records that hold nothing but empty fields are passed over.
  std::vector<Record> ReadAll(const std::filesystem::path& path) {
    std::vector<Record> records;
    while (position_ < text_.size()) {
      Record record = ReadRecord(path);
      bool empty = true;
      for (const auto& field : record.Fields) empty = empty && field.empty();
      if (!empty) records.push_back(std::move(record));
    }
    return records;
  }

 private:
  Record ReadRecord(const std::filesystem::path& path) {
    Record record{line_, {U""}};
    while (position_ < text_.size()) {
      const char32_t c = text_[position_++];
      if (c == U'"' && record.Fields.back().empty()) {
        ReadQuoted(path, record);
      } else if (c == U'\t') {
        record.Fields.emplace_back();
      } else if (c == U'\n') {
        ++line_;
        break;
      } else {
        record.Fields.back() += c;
      }
    }
    return record;
  }

  void ReadQuoted(const std::filesystem::path& path, Record& record) {
    const int opened = line_;
    while (position_ < text_.size()) {
      const char32_t c = text_[position_++];
      if (c == U'"' && position_ < text_.size() && text_[position_] == U'"') {
        ++position_;
      } else if (c == U'"') {
        return;
      } else if (c == U'\n') {
        ++line_;
      }
      record.Fields.back() += c;
    }
    throw FileError(path, opened, "a quoted field opened on this line is never closed");
  }

  std::u32string text_;
  size_t position_ = 0;
  int line_ = 1;
};

// UTF-8, or code page 932 as a Japanese spreadsheet saves tab-separated text.
std::vector<std::u32string> ReadTableLines(const std::filesystem::path& path,
                                           std::string& encoding) {
  const std::string bytes = ReadWholeFile(path);
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    throw FileError(path, "the table is UTF-16 text; save it as UTF-8 text");
  }
  try {
    encoding = "UTF-8";
    return ReadUtf8Lines(path);
  } catch (const FileError& notUtf8) {
    try {
      encoding = "code page 932";
      return ReadTextLines(path);
    } catch (const FileError&) {
      throw notUtf8;
    }
  }
}

std::string Quoted(std::u32string_view text) {
  return "\"" + ToUtf8(text) + "\"";
}

std::optional<std::string> UnwritableLetter(const std::u32string& text, const std::string& what) {
  for (char32_t c : text) {
    if (!CanEncodeCp932(c)) {
      return what + " holds " + DescribeCharacter(c) + ", which code page 932 cannot hold";
    }
  }
  if (auto problem = ControlCharacterProblem(text)) return what + " " + *problem;
  return std::nullopt;
}

// What keeps a row from being applied to the set; nothing when it can be.
std::optional<std::string> RowProblem(const Record& record, const PuzzleSetEdit& set,
                                      size_t columns, ClueRow& row) {
  const auto& fields = record.Fields;
  if (fields.size() != columns) {
    return "expected " + std::to_string(columns) + " fields separated by tabs, found " +
           std::to_string(fields.size());
  }
  const auto stage = ParseWholeNumber(fields[StageColumn]);
  if (!stage || *stage < 1 || *stage > static_cast<int>(set.Set().Stages.size())) {
    return set.Path().filename().string() + " has no stage " + Quoted(fields[StageColumn]);
  }
  const auto number = ParseWholeNumber(fields[NumberColumn]);
  const PuzzleHint* hint = number ? set.FindHint(*stage, *number) : nullptr;
  const std::string stageText = "stage " + std::to_string(*stage);
  if (hint == nullptr) return stageText + " has no question " + Quoted(fields[NumberColumn]);
  const std::string question = "question " + std::to_string(*number) + " of " + stageText;
  if (fields[DirectionColumn] != DirectionName(*hint)) {
    return question + " goes " + ToUtf8(DirectionName(*hint)) + ", not " +
           Quoted(fields[DirectionColumn]);
  }
  if (fields[ReadingColumn] != hint->Yst) {
    return question + " reads " + Quoted(hint->Yst) + ", not " + Quoted(fields[ReadingColumn]);
  }
  if (fields[ClueColumn].empty()) return "the clue of " + question + " is empty";
  if (auto problem = UnwritableLetter(fields[ClueColumn], "the clue")) return problem;
  if (auto problem = UnwritableLetter(fields[WrittenColumn], "the written form")) return problem;
  row = {record.Line, *stage, *number, fields[ClueColumn], fields[WrittenColumn]};
  return std::nullopt;
}

// The table's number of columns, as its header names them.
size_t CheckHeader(const std::filesystem::path& path, const std::vector<Record>& records) {
  std::vector<std::u32string> header(std::begin(kHeader), std::end(kHeader));
  if (!records.empty() && records.front().Fields.size() == kColumnCount + 1) {
    header.emplace_back(kOtherCluesHeader);
  }
  if (records.empty() || records.front().Fields != header) {
    std::string names;
    for (const auto& name : header) names += (names.empty() ? "" : ", ") + ToUtf8(name);
    throw FileError(path, records.empty() ? 1 : records.front().Line,
                    "the table must begin with the header row naming " + names +
                        ", separated by tabs, as wright clues writes it");
  }
  return header.size();
}

}  // namespace

std::u32string_view DirectionName(const PuzzleHint& hint) {
  return hint.Slot.FlagHorV == FlagAcross ? U"ヨコ" : U"タテ";
}

namespace {

// The word's clues in its dictionary other than the one the question asks, or nothing when
// the table shows none.
std::optional<std::u32string> OtherCluesField(const PuzzleHint& hint, const KeptClues* clues) {
  if (clues == nullptr) return std::nullopt;
  std::u32string field;
  const auto found = clues->find(hint.ID);
  if (found == clues->end()) return field;
  for (const StyledClue& clue : found->second) {
    if (clue.Text == hint.Qst) continue;
    if (!field.empty()) field += kOtherCluesSeparator;
    field += clue.Text;
  }
  return field;
}

}  // namespace

std::string ClueTableText(const PuzzleSet& set, const KeptClues* otherClues) {
  std::vector<std::u32string> header(std::begin(kHeader), std::end(kHeader));
  if (otherClues != nullptr) header.emplace_back(kOtherCluesHeader);
  std::u32string text = TableRow(header);
  for (size_t k = 1; k <= set.Stages.size(); ++k) {
    const PuzzleStage& stage = set.Stages[k - 1];
    for (const auto* hints : {&stage.Across, &stage.Down}) {
      for (const PuzzleHint& hint : *hints) {
        std::vector<std::u32string> fields = {DecimalText(static_cast<int>(k)),
                                              DecimalText(hint.Number),
                                              std::u32string(DirectionName(hint)),
                                              hint.Yst,
                                              hint.Ast,
                                              hint.Qst,
                                              DecimalText(hint.ID),
                                              DecimalText(hint.Slot.AnswerLen)};
        if (auto others = OtherCluesField(hint, otherClues)) fields.push_back(std::move(*others));
        text += TableRow(fields);
      }
    }
  }
  return ToUtf8(text);
}

ClueTable ReadClueTable(const std::filesystem::path& path, const PuzzleSetEdit& set) {
  ClueTable table;
  std::vector<Record> records = RecordReader(ReadTableLines(path, table.Encoding)).ReadAll(path);
  const size_t columns = CheckHeader(path, records);
  std::map<std::pair<int, int>, int> lineOfQuestion;
  for (size_t i = 1; i < records.size(); ++i) {
    ClueRow row;
    auto problem = RowProblem(records[i], set, columns, row);
    if (!problem) {
      const auto [earlier, added] =
          lineOfQuestion.emplace(std::pair(row.Stage, row.Number), row.Line);
      if (!added) {
        problem = "question " + std::to_string(row.Number) + " of stage " +
                  std::to_string(row.Stage) + " is already on line " +
                  std::to_string(earlier->second);
      }
    }
    if (problem) {
      table.Problems.push_back(FileError(path, records[i].Line, *problem).what());
    } else {
      table.Rows.push_back(row);
    }
  }
  return table;
}

ClueChanges ApplyClueTable(PuzzleSetEdit& set, const ClueTable& table) {
  ClueChanges changes;
  for (const ClueRow& row : table.Rows) {
    changes.TextsMended += (FieldText(row.Qst) != row.Qst) + (FieldText(row.Ast) != row.Ast);
    if (set.SetClue(row.Stage, row.Number, row.Qst, row.Ast)) ++changes.HintsChanged;
    changes.Words.push_back(HintWord(*set.FindHint(row.Stage, row.Number)));
  }
  return changes;
}

}  // namespace crossword

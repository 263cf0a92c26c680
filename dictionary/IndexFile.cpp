#include "dictionary/IndexFile.h"

#include <algorithm>
#include <map>

#include "common/FileNames.h"
#include "common/TextCodec.h"

namespace crossword {

namespace {

constexpr std::u32string_view kCategoryStart = U";次行より「分野";
constexpr std::u32string_view kListStart = U";次行より「リス";
constexpr std::u32string_view kSectionEnd = U";ここ";

std::string Located(const std::filesystem::path& path, int line, const std::string& problem) {
  return path.string() + (line > 0 ? ":" + std::to_string(line) : "") + ": " + problem;
}

bool IsSectionStart(std::u32string_view line) {
  return line.starts_with(kCategoryStart) || line.starts_with(kListStart);
}

std::vector<std::u32string> SplitFields(std::u32string_view text) {
  std::vector<std::u32string> fields;
  size_t start = 0;
  for (size_t comma = text.find(U','); comma != std::u32string_view::npos;
       comma = text.find(U',', start)) {
    fields.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  fields.emplace_back(text.substr(start));
  return fields;
}

// A row: field 1 up to the first comma decides heading, item or empty line.
IndexRow MakeRow(std::u32string_view line, int lineNumber) {
  IndexRow row;
  row.LineNumber = lineNumber;
  const size_t comma = line.find(U',');
  const std::u32string_view first = line.substr(0, comma);
  if (comma != std::u32string_view::npos) row.Fields = SplitFields(line.substr(comma + 1));
  const double value = LeadingValue(first.substr(0, 2));
  if (value == 0) {
    row.RowKind = IndexRow::Kind::Heading;
    row.Text = first;
  } else if (value >= 1) {
    row.RowKind = IndexRow::Kind::Item;
    row.Number = static_cast<int>(value);
    row.Text = first.size() > 2 ? first.substr(2) : U"";
  }
  return row;
}

std::string KindName(IndexSectionKind kind) {
  return kind == IndexSectionKind::Category ? "category" : "list";
}

// A section read from the line at `startIndex` to the one at `endIndex` (its end line, or
// the end of the file) must hold no other section: that one's rows would count as its own.
void FindEndProblem(const std::filesystem::path& path, const std::vector<std::u32string>& lines,
                    size_t startIndex, size_t endIndex, IndexSectionKind kind,
                    IndexSection& section) {
  const std::string noEnd = "the " + KindName(kind) +
                            " section that starts here has no end line (one starting with \"" +
                            ToUtf8(kSectionEnd) + "\")";
  const int startLine = static_cast<int>(startIndex) + 1;
  const auto next =
      std::find_if(lines.begin() + startIndex + 1, lines.begin() + endIndex, IsSectionStart);
  if (next != lines.begin() + endIndex) {
    const auto nextLine = std::to_string(next - lines.begin() + 1);
    section.Problems.push_back(Located(path, startLine,
                                       noEnd + " before the next section on line " + nextLine +
                                           ", so that section's rows count as " + KindName(kind) +
                                           " rows"));
  } else if (endIndex == lines.size()) {
    section.Problems.push_back(
        Located(path, startLine, noEnd + "; it runs to the end of the file"));
  }
}

// The problems a selection built from the section would hide: numbers it cannot index.
void FindNumberProblems(const std::filesystem::path& path, IndexSectionKind kind,
                        IndexSection& section) {
  const std::string what = KindName(kind);
  std::map<int, int> firstLine;  // number -> line of its first item
  for (const IndexRow& row : section.Rows) {
    if (row.RowKind != IndexRow::Kind::Item) continue;
    const std::string number = std::to_string(row.Number);
    if (row.Number > section.ItemCount) {
      section.Problems.push_back(
          Located(path, row.LineNumber,
                  what + " number " + number + " is above the number of " + what + " items (" +
                      std::to_string(section.ItemCount) +
                      "), so its words are never asked; number the items 1, 2, 3, ... in order"));
    } else if (auto [found, added] = firstLine.emplace(row.Number, row.LineNumber); !added) {
      section.Problems.push_back(Located(path, row.LineNumber,
                                         what + " number " + number +
                                             " is used again (first on line " +
                                             std::to_string(found->second) + ")"));
    }
  }
}

}  // namespace

std::optional<std::u32string> IndexRow::RankField(int k) const {
  if (k < 1 || k > static_cast<int>(Fields.size())) return std::nullopt;
  return Fields[k - 1];
}

ClassNumbers UsableClassNumbers(const IndexSection& categories, const IndexSection& lists) {
  ClassNumbers numbers;
  for (const auto& [section, usable] :
       {std::pair(&categories, &numbers.Categories), std::pair(&lists, &numbers.Lists)}) {
    for (const IndexRow& row : section->Rows) {
      if (row.RowKind == IndexRow::Kind::Item && row.Number <= section->ItemCount) {
        usable->insert(row.Number);
      }
    }
  }
  numbers.Lists.insert(0);
  return numbers;
}

std::string IdxFileNameOf(const std::string& DicFileName) {
  return BaseName(DicFileName) + ".idx";
}

double LeadingValue(std::u32string_view text) {
  double value = 0;
  double sign = 1;
  double scale = 0;  // 0 before the decimal point, then the place of the next digit
  bool signAllowed = true;
  for (char32_t c : text) {
    if (c == U' ' || c == U'\t') continue;
    if (signAllowed && (c == U'-' || c == U'+')) {
      sign = c == U'-' ? -1 : 1;
    } else if (c >= U'0' && c <= U'9') {
      if (scale == 0) {
        value = value * 10 + (c - U'0');
      } else {
        value += (c - U'0') * scale;
        scale /= 10;
      }
    } else if (c == U'.' && scale == 0) {
      scale = 0.1;
    } else {
      break;
    }
    signAllowed = false;
  }
  return sign * value;
}

IndexSection ReadIndexSection(const std::filesystem::path& path,
                              const std::vector<std::u32string>& lines, IndexSectionKind kind) {
  const std::u32string_view start =
      kind == IndexSectionKind::Category ? kCategoryStart : kListStart;
  IndexSection section;
  size_t i = 0;
  while (i < lines.size() && !lines[i].starts_with(start)) ++i;
  if (i == lines.size()) {
    section.Problems.push_back(Located(path, 0,
                                       "the " + KindName(kind) +
                                           " section is missing (no line starts with \"" +
                                           ToUtf8(start) + "\"); no word can be asked"));
    return section;
  }
  const size_t startIndex = i;
  for (++i; i < lines.size() && !lines[i].starts_with(kSectionEnd); ++i) {
    IndexRow row = MakeRow(lines[i], static_cast<int>(i) + 1);
    row.TableLine = section.TableLineCount + 1;
    const bool item = row.RowKind == IndexRow::Kind::Item;
    section.TableLineCount += item && kind == IndexSectionKind::List ? 2 : 1;
    section.ItemCount += item ? 1 : 0;
    section.Rows.push_back(std::move(row));
  }
  FindEndProblem(path, lines, startIndex, i, kind, section);
  FindNumberProblems(path, kind, section);
  return section;
}

}  // namespace crossword

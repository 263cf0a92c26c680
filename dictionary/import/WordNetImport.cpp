#include "dictionary/import/WordNetImport.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <unordered_map>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/GridModel.h"
#include "common/TextCodec.h"
#include "dictionary/import/FieldText.h"

namespace crossword {

namespace {

constexpr size_t kClueLimit = 80;
constexpr int kGroupCount = 12;    // subject groups; each has a category per frequency band
constexpr int kFrequentCount = 5;  // tagged this often in the sense-tagged texts: frequent

// The subject group 1..12 of each lexicographer file 0..44, in WordNet's numbering.
constexpr int kGroupOfLexFile[] = {
    12, 12, 12,                                                  // adj.all, adj.pert, adv.all
    10, 9,  2,  6,  10, 5,  10, 10, 9,  10, 4,  1,               // noun.Tops .. noun.group
    7,  10, 6,  1,  9,  3,  10, 9,  8,  8,  8,  5,               // noun.location .. noun.state
    6,  8,                                                       // noun.substance, noun.time
    11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11,  // verb.body .. verb.weather
    12,                                                          // adj.ppl
};

enum List { NoList = 0, ProperNoun, Abbreviation, MultiWord, Informal, Archaic, Foreign };

enum Band { Frequent, Occasional, Rare, BandCount };

using RankColumns = std::array<std::u32string_view, DifficultRankMax>;

// The groups' names and the ranks that ask their rare words (frequent and occasional words
// are asked at every rank). 初級 needs the rare words of the concrete groups to fill its
// grids; people and places are mostly names, so they come late.
struct GroupRow {
  std::u32string_view Name;
  RankColumns Rare;
};

const std::array<GroupRow, kGroupCount>& GroupRows() {
  static constexpr RankColumns kAll = {U"yes", U"yes", U"yes", U"yes", U"yes"};
  static constexpr RankColumns kFromSecond = {U"no", U"yes", U"yes", U"yes", U"yes"};
  static constexpr RankColumns kFromThird = {U"no", U"no", U"yes", U"yes", U"yes"};
  static const std::array<GroupRow, kGroupCount> rows = {{
      {U"人・集団", kFromThird},
      {U"動物", kAll},
      {U"植物", kAll},
      {U"食べ物", kAll},
      {U"からだ・健康・状態", kAll},
      {U"物・道具・物質", kAll},
      {U"場所", kFromThird},
      {U"時・量・形", kFromSecond},
      {U"行い・出来事・自然", kFromSecond},
      {U"心・言葉・社会", kFromSecond},
      {U"動詞", kAll},
      {U"形容詞・副詞", kAll},
  }};
  return rows;
}

std::vector<IndexItem> CategoryItems() {
  static constexpr std::u32string_view kHeadings[BandCount] = {
      U"●よく使う語（用例の多い語）", U"●ときどき使う語（用例の少ない語）",
      U"●あまり使わない語（用例のない語）"};
  static constexpr RankColumns kAll = {U"yes", U"yes", U"yes", U"yes", U"yes"};
  std::vector<IndexItem> items;
  for (int band = 0; band < BandCount; ++band) {
    for (const GroupRow& row : GroupRows()) {
      const bool first = &row == &GroupRows().front();
      items.push_back({first ? std::u32string(kHeadings[band]) : U"", std::u32string(row.Name),
                       band == Rare ? row.Rare : kAll});
    }
  }
  return items;
}

std::vector<IndexItem> ListItems() {
  return {
      {U"●特別な種類の語", U"固有名詞（大文字で始まる語）", {U"1", U"1", U"yes", U"yes", U"yes"}},
      {U"", U"略語（大文字だけの語）", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"複合語・成句", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"くだけた語・俗語", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"古語・廃語", {U"1", U"1", U"yes", U"yes", U"yes"}},
      {U"", U"外国語", {U"1", U"1", U"yes", U"yes", U"yes"}},
  };
}

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream stream{std::string(line)};
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

int ToNumber(const std::string& text, int base, const std::filesystem::path& path) {
  try {
    size_t used = 0;
    const int value = std::stoi(text, &used, base);
    if (used == text.size()) return value;
  } catch (const std::logic_error&) {
  }
  throw FileError(path, "'" + text + "' is not a number where the WordNet format has one");
}

// "lemma%ss_type:..." -> tag count, summed per lemma and part of speech ("bank n").
std::unordered_map<std::string, int> ReadTagCounts(const std::filesystem::path& path) {
  std::unordered_map<std::string, int> counts;
  std::istringstream lines(ReadWholeFile(path));
  for (std::string line; std::getline(lines, line);) {
    const auto words = Words(line);
    const size_t percent = words.empty() ? std::string::npos : words[0].find('%');
    if (words.size() != 3 || percent == std::string::npos || percent + 1 >= words[0].size()) {
      throw FileError(path, "'" + line + "' is not a sense key with its count");
    }
    static const char kPos[] = "?nvara";  // sense-key ss_type 1..5; 5 = adjective satellite
    const int type = words[0][percent + 1] - '0';
    if (type < 1 || type > 5) throw FileError(path, "'" + line + "' has no part of speech");
    counts[words[0].substr(0, percent) + " " + kPos[type]] += ToNumber(words[2], 10, path);
  }
  return counts;
}

// One synset line of a data file: its lexicographer file, word forms, the synsets that
// name its usage domains ("colloquialism", "archaism") and gloss.
struct Synset {
  int LexFile = 0;
  std::vector<std::string> WordForms;
  std::vector<std::string> UsageDomains;  // offsets of noun synsets
  std::string Gloss;
};

class DataFile {
 public:
  explicit DataFile(std::filesystem::path path)
      : path_(std::move(path)), bytes_(ReadWholeFile(path_)) {}

  // Synset lines start at the byte offset that is their name.
  Synset At(const std::string& offsetText) const {
    const size_t offset = static_cast<size_t>(ToNumber(offsetText, 10, path_));
    const size_t end = bytes_.find('\n', offset);
    const std::string_view line = std::string_view(bytes_).substr(offset, end - offset);
    if (offset >= bytes_.size() || !line.starts_with(offsetText + " ")) {
      throw FileError(path_, "no synset at offset " + offsetText);
    }
    const size_t bar = line.find(" | ");
    const auto words = Words(line.substr(0, bar));
    if (words.size() < 4) throw FileError(path_, "synset " + offsetText + " is cut short");
    Synset synset;
    synset.LexFile = ToNumber(words[1], 10, path_);
    const size_t count = static_cast<size_t>(ToNumber(words[3], 16, path_));
    for (size_t i = 0; i < count && 4 + 2 * i < words.size(); ++i) {
      synset.WordForms.push_back(words[4 + 2 * i]);
    }
    // Pointers follow the words: their count, then symbol, offset, part of speech, source.
    const size_t pointers = 4 + 2 * count;
    const size_t pointerCount =
        pointers < words.size() ? static_cast<size_t>(ToNumber(words[pointers], 10, path_)) : 0;
    for (size_t i = 0; i < pointerCount && pointers + 4 * i + 2 < words.size(); ++i) {
      if (words[pointers + 1 + 4 * i] == ";u") {
        synset.UsageDomains.push_back(words[pointers + 2 + 4 * i]);
      }
    }
    if (bar != std::string_view::npos) synset.Gloss = line.substr(bar + 3);
    return synset;
  }

 private:
  std::filesystem::path path_;
  std::string bytes_;
};

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The lemma as the synset writes it ("Albert_Einstein"), adjective markers like "(a)" cut.
std::string WrittenForm(const Synset& synset, const std::string& lemma) {
  for (std::string form : synset.WordForms) {
    form = form.substr(0, form.find('('));
    if (Lowered(form) == lemma) return form;
  }
  return lemma;
}

// The definition is the gloss before its examples ("; \"...\"").
std::u32string Definition(const std::string& gloss) {
  std::string text = gloss.substr(0, gloss.find("; \""));
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return FromUtf8(text);
}

// Full-width capitals of the lemma's letters; blanks, hyphens and apostrophes dropped.
std::optional<std::u32string> AnswerOf(const std::string& lemma) {
  std::u32string answer;
  for (char c : lemma) {
    if (c == '_' || c == '-' || c == '\'') continue;
    if (c < 'a' || c > 'z') return std::nullopt;
    answer += static_cast<char32_t>(U'Ａ' + (c - 'a'));
  }
  return answer;
}

// Whether the text holds the lemma ("ice_cream") as a whole word or words, in any case.
bool Names(std::u32string_view text, const std::string& lemma) {
  const std::string words = Lowered(ToUtf8(text));
  std::string name = lemma;
  std::replace(name.begin(), name.end(), '_', ' ');
  const auto isLetter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  for (size_t at = words.find(name); at != std::string::npos; at = words.find(name, at + 1)) {
    const size_t end = at + name.size();
    if ((at == 0 || !isLetter(words[at - 1])) && (end == words.size() || !isLetter(words[end]))) {
      return true;
    }
  }
  return false;
}

bool Mentions(const std::string& gloss, std::initializer_list<const char*> marks) {
  return std::any_of(marks.begin(), marks.end(),
                     [&](const char* mark) { return gloss.find(mark) != std::string::npos; });
}

bool IsAllCapitals(const std::string& written) {
  return written.size() >= 2 && std::all_of(written.begin(), written.end(), [](char c) {
           return (c >= 'A' && c <= 'Z') || c == ' ' || c == '-';
         });
}

class WordNetReader {
 public:
  WordNetReader(const std::filesystem::path& folder, ImportedDictionary& dictionary)
      : folder_(folder),
        dictionary_(dictionary),
        tagCounts_(ReadTagCounts(folder / "cntlist.rev")),
        nouns_(folder / "data.noun") {}

  void ReadPartOfSpeech(const std::string& name, char pos) {
    const DataFile data(folder_ / ("data." + name));
    const std::filesystem::path indexPath = folder_ / ("index." + name);
    std::istringstream lines(ReadWholeFile(indexPath));
    int lineNumber = 0;
    for (std::string line; std::getline(lines, line);) {
      ++lineNumber;
      if (line.starts_with(' ')) continue;  // the licence at the top
      const auto words = Words(line);
      if (words.size() < 4) throw FileError(indexPath, lineNumber, "the line is cut short");
      const size_t firstSense = 4 + ToNumber(words[3], 10, indexPath) + 2;
      if (firstSense >= words.size()) {
        throw FileError(indexPath, lineNumber, "the line names no synset");
      }
      AddLemma(words[0], pos, data, {words.begin() + firstSense, words.end()});
    }
  }

 private:
  // The lemma's synsets are its senses, most frequent first: the word takes its kind and
  // number from the first.
  void AddLemma(const std::string& lemma, char pos, const DataFile& data,
                const std::vector<std::string>& senses) {
    const Synset synset = data.At(senses[0]);
    const auto answer = AnswerOf(lemma);
    if (!answer) return Skip("lemma with characters other than letters");
    if (answer->size() < static_cast<size_t>(AnswerLenMin) ||
        answer->size() > static_cast<size_t>(AnswerLenMax)) {
      return Skip("answer shorter than 2 or longer than 12 letters");
    }
    if (synset.LexFile < 0 || synset.LexFile >= static_cast<int>(std::size(kGroupOfLexFile))) {
      return Skip("unknown lexicographer file");
    }
    std::string written = WrittenForm(synset, lemma);
    std::replace(written.begin(), written.end(), '_', ' ');
    WordRecord word;
    word.Yst = *answer;
    word.Ast = FromUtf8(written);
    const auto clue = ClueOf(lemma, data, synset, senses);
    if (!clue || !CanEncodeAllCp932(word.Ast)) return Skip("no definition in code page 932");
    word.Qst = *clue;
    dictionary_.FieldsMadeSafe += MakeFieldSafe(word.Ast) + MakeFieldSafe(word.Qst);
    const int tagged = tagCounts_[lemma + " " + pos];
    const Band band = tagged >= kFrequentCount ? Frequent : tagged > 0 ? Occasional : Rare;
    word.CN = kGroupOfLexFile[synset.LexFile] + band * kGroupCount;
    word.BN = ListOf(written, lemma, synset);
    word.SN = ToNumber(senses[0], 10, folder_);
    dictionary_.Words.push_back(std::move(word));
  }

  // The first definition that is whole within the room and does not name the word, the
  // first sense's before the next's; failing all, the first sense's cut at a blank.
  static std::optional<std::u32string> ClueOf(const std::string& lemma, const DataFile& data,
                                              const Synset& first,
                                              const std::vector<std::string>& senses) {
    const auto usable = [](const std::optional<std::u32string>& clue) {
      return clue && !clue->empty() && CanEncodeAllCp932(*clue);
    };
    for (size_t i = 0; i < senses.size(); ++i) {
      const Synset sense = i == 0 ? first : data.At(senses[i]);
      auto clue = WholeClue({FoldAccents(Definition(sense.Gloss))}, kClueLimit);
      if (usable(clue) && !Names(*clue, lemma)) return clue;
    }
    auto cut = ShortClue({FoldAccents(Definition(first.Gloss))}, kClueLimit);
    return usable(cut) ? cut : std::nullopt;
  }

  // The special kind of word; the usage domains WordNet names, then the gloss's own marks.
  List ListOf(const std::string& written, const std::string& lemma, const Synset& synset) {
    if (IsAllCapitals(written)) return Abbreviation;
    if (written[0] >= 'A' && written[0] <= 'Z') return ProperNoun;
    const bool marked = synset.Gloss.starts_with("(");
    std::string marks = marked ? synset.Gloss.substr(0, synset.Gloss.find(')') + 1) : "";
    for (const std::string& domain : synset.UsageDomains) marks += " " + DomainName(domain);
    if (Mentions(marks, {"archaism", "(archaic)", "(obsolete)", "(dated)"})) return Archaic;
    if (Mentions(marks, {"colloquialism", "slang", "(informal)", "(colloquial)"})) {
      return Informal;
    }
    static const std::initializer_list<const char*> kLanguages = {
        "(Yiddish)", "(French)", "(Latin)", "(Italian)", "(Spanish)", "(German)", "(Hebrew)"};
    if (Mentions(marks, kLanguages)) return Foreign;
    return lemma.find_first_of("_-") != std::string::npos ? MultiWord : NoList;
  }

  const std::string& DomainName(const std::string& offset) {
    auto found = domainNames_.find(offset);
    if (found == domainNames_.end()) {
      const Synset domain = nouns_.At(offset);
      found =
          domainNames_.emplace(offset, domain.WordForms.empty() ? "" : domain.WordForms[0]).first;
    }
    return found->second;
  }

  void Skip(const std::string& reason) { ++dictionary_.Skipped[reason]; }

  std::filesystem::path folder_;
  ImportedDictionary& dictionary_;
  std::unordered_map<std::string, int> tagCounts_;
  DataFile nouns_;                                            // where usage domains are named
  std::unordered_map<std::string, std::string> domainNames_;  // by synset offset
};

}  // namespace

ImportedDictionary ImportWordNet(const std::filesystem::path& folder,
                                 const ImportProgress& progress) {
  ImportedDictionary dictionary;
  dictionary.Title = U"標準英語辞書の索引：WordNet 3.0（プリンストン大学）から作成";
  dictionary.Categories = CategoryItems();
  dictionary.Lists = ListItems();
  WordNetReader reader(folder, dictionary);
  const std::pair<const char*, char> parts[] = {
      {"noun", 'n'}, {"verb", 'v'}, {"adj", 'a'}, {"adv", 'r'}};
  for (size_t i = 0; i < std::size(parts); ++i) {
    reader.ReadPartOfSpeech(parts[i].first, parts[i].second);
    progress(static_cast<double>(i + 1) / std::size(parts));
  }
  return dictionary;
}

}  // namespace crossword

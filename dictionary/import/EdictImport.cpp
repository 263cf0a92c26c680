#include "dictionary/import/EdictImport.h"

#include <algorithm>
#include <unordered_set>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/GridModel.h"
#include "common/TextCodec.h"
#include "dictionary/import/FieldText.h"
#include "dictionary/import/KanaReading.h"

namespace crossword {

namespace {

constexpr size_t kClueLimit = 60;

// The tags of the word list's legend: parts of speech, usage, fields of use and dialects.
// A parenthesised group at the start of a gloss is a tag group only when all its words are.
const std::unordered_set<std::string>& KnownTags() {
  static const std::unordered_set<std::string> tags = [] {
    constexpr std::string_view kLegend =
        "adj-f adj-i adj-ix adj-ku adj-na adj-nari adj-no adj-pn adj-shiku adj-t adv adv-to aux "
        "aux-adj aux-v conj cop ctr exp int n n-adv n-pref n-suf n-t num pn pref prt suf unc vs "
        "vs-c vs-i vs-s vi vk vn vr vt vz "
        "X abbr arch ateji chn col dated derog eK ek fam fem gikun hist hon hum iK id ik io joc "
        "litf m-sl male male-sl net-sl oK obs obsc ok on-mim poet pol proverb quote rare rK sens "
        "sK sk sl uK uk vulg yoji "
        "Buddh Christn MA Shinto agric anat archeol archit art astron audvid aviat baseb biochem "
        "biol bot bus chem cloth comp cryst dent ecol econ elec electr embryo engr ent film finc "
        "fish food gardn genet geogr geol geom golf gramm grmyth hanaf horse kabuki law ling "
        "logic mahj manga math mech med met mil mining music noh ornith paleo pathol pharm phil "
        "photo physics physiol politics print psy psyanal psych rail shogi ski sports stat "
        "stockm sumo telec tradem tv vidg zool "
        "hob: ksb: ktb: kyb: kyu: nab: osb: rkb: thb: tsb: tsug:";
    std::unordered_set<std::string> set;
    for (size_t start = 0; start < kLegend.size();) {
      const size_t end = std::min(kLegend.find(' ', start), kLegend.size());
      set.emplace(kLegend.substr(start, end - start));
      start = end + 1;
    }
    return set;
  }();
  return tags;
}

bool IsDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The conjugation classes of verbs are many ("v1", "v5r-i", "v2a-s"): a "v" and a digit
// mark them.
bool IsConjugationClass(std::string_view tag) {
  return tag.size() >= 2 && tag[0] == 'v' && tag[1] >= '0' && tag[1] <= '9';
}

bool IsTag(std::string_view token) {
  return KnownTags().contains(std::string(token)) || IsConjugationClass(token);
}

std::vector<std::string> SplitTags(std::u32string_view group) {
  std::vector<std::string> tokens;
  const std::string text = ToUtf8(group);
  for (size_t start = 0; start <= text.size();) {
    const size_t end = std::min(text.find(',', start), text.size());
    tokens.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return tokens;
}

// A gloss split into its leading tag groups and the English text after them.
struct Gloss {
  std::vector<std::string> Tags;
  int SenseNumber = 0;  // "(2)" starts the second sense; 0 when the gloss has no number
  std::u32string Text;
};

// Drops the loan-word source notes "(fre:)", "(ger: Arbeit)", "(wasei: I-turn)".
std::u32string WithoutSourceNotes(std::u32string text) {
  for (size_t open = text.find(U'('); open != std::u32string::npos;) {
    const size_t close = text.find(U')', open);
    const size_t colon = text.find(U':', open);
    if (close == std::u32string::npos) break;
    const bool note = colon < close && colon - open >= 4 && colon - open <= 6 &&
                      std::all_of(text.begin() + open + 1, text.begin() + colon,
                                  [](char32_t c) { return c >= U'a' && c <= U'z'; });
    if (!note) {
      open = text.find(U'(', open + 1);
      continue;
    }
    size_t from = open;
    if (from > 0 && text[from - 1] == U' ') --from;
    text.erase(from, close + 1 - from);
    open = text.find(U'(', from);
  }
  return text;
}

Gloss SplitGloss(std::u32string_view text) {
  Gloss gloss;
  while (true) {
    while (!text.empty() && text.front() == U' ') text.remove_prefix(1);
    if (text.empty() || text.front() != U'(') break;
    const size_t close = text.find(U')');
    if (close == std::u32string_view::npos) break;
    const std::vector<std::string> tokens = SplitTags(text.substr(1, close - 1));
    if (tokens.size() == 1 && IsDigits(tokens[0])) {
      gloss.SenseNumber = std::stoi(tokens[0]);
    } else if (std::all_of(tokens.begin(), tokens.end(), IsTag)) {
      gloss.Tags.insert(gloss.Tags.end(), tokens.begin(), tokens.end());
    } else {
      break;
    }
    text.remove_prefix(close + 1);
  }
  gloss.Text = WithoutSourceNotes(std::u32string(text));
  while (!gloss.Text.empty() && gloss.Text.back() == U' ') gloss.Text.pop_back();
  return gloss;
}

std::vector<std::u32string_view> SplitGlosses(std::u32string_view body) {
  std::vector<std::u32string_view> glosses;
  for (size_t start = 0; start < body.size();) {
    const size_t end = std::min(body.find(U'/', start), body.size());
    glosses.push_back(body.substr(start, end - start));
    start = end + 1;
  }
  return glosses;
}

enum Category {
  CommonNoun = 1,
  CommonOther,
  Verb,
  Adjective,
  OtherNoun,
  Expression,
  Food,
  Living,
  Sport,
  ProperNoun,
  Medicine,
  LawEconomy,
  Science,
  ReligionHistory,
  LanguageArts,
  Computing,
};

enum List {
  NoList = 0,
  FourCharacterIdiom,
  Onomatopoeia,
  Idiom,
  Abbreviation,
  Slang,
  Dialect,
  Archaic
};

std::vector<IndexItem> CategoryItems() {
  return {
      {U"●ふだんの言葉", U"よく使う名詞", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"よく使う動詞・形容詞など", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"動詞", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"形容詞・副詞など", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"その他の名詞", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"表現・言い回し", {U"no", U"no", U"yes", U"yes", U"yes"}},
      {U"●分野の言葉", U"食べ物・料理", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"生き物", {U"no", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"スポーツ・武道", {U"no", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"地名・人名などの固有名詞", {U"no", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"医学・からだ", {U"no", U"no", U"yes", U"yes", U"yes"}},
      {U"", U"法律・経済", {U"no", U"no", U"yes", U"yes", U"yes"}},
      {U"", U"数学・科学・技術", {U"no", U"no", U"yes", U"yes", U"yes"}},
      {U"", U"宗教・歴史", {U"no", U"no", U"yes", U"yes", U"yes"}},
      {U"", U"言葉・芸術・遊び", {U"no", U"no", U"yes", U"yes", U"yes"}},
      {U"", U"コンピュータ", {U"no", U"no", U"no", U"yes", U"yes"}},
  };
}

std::vector<IndexItem> ListItems() {
  return {
      {U"●特別な種類の言葉", U"四字熟語", {U"1", U"1", U"yes", U"yes", U"yes"}},
      {U"", U"擬音語・擬態語", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"慣用句・ことわざ", {U"no", U"1", U"yes", U"yes", U"yes"}},
      {U"", U"略語", {U"no", U"no", U"1", U"yes", U"yes"}},
      {U"", U"俗語・くだけた言葉", {U"no", U"no", U"1", U"yes", U"yes"}},
      {U"", U"方言", {U"no", U"no", U"no", U"1", U"yes"}},
      {U"", U"古語・まれな言葉", {U"no", U"no", U"no", U"1", U"yes"}},
  };
}

struct TagRule {
  int Number;
  std::vector<std::string> Tags;
};

// Subjects in the order they win when a sense has tags of several.
const std::vector<TagRule>& SubjectRules() {
  static const std::vector<TagRule> rules = {
      {Food, {"food"}},
      {Living, {"biol", "bot", "zool", "ornith", "ent", "fish", "genet", "embryo", "ecol"}},
      {Sport, {"sports", "baseb", "sumo", "golf", "MA", "ski", "horse"}},
      {Medicine, {"med", "anat", "physiol", "dent", "pharm", "pathol", "psy", "psych", "psyanal"}},
      {LawEconomy, {"law", "econ", "finc", "bus", "stockm", "politics"}},
      {Science, {"math",   "physics", "chem",   "astron", "geol",  "geom", "biochem", "engr",
                 "archit", "elec",    "electr", "mech",   "cryst", "met",  "mining",  "stat",
                 "logic",  "paleo",   "geogr",  "telec",  "aviat", "rail", "agric",   "gardn"}},
      {ReligionHistory, {"Buddh", "Shinto", "Christn", "hist", "archeol", "grmyth", "mil"}},
      {LanguageArts,
       {"ling", "gramm", "music", "shogi", "mahj", "hanaf", "poet", "art", "film", "tv", "kabuki",
        "noh", "manga", "vidg", "photo", "print", "cloth", "audvid"}},
      {Computing, {"comp"}},
  };
  return rules;
}

const std::vector<TagRule>& ListRules() {
  static const std::vector<TagRule> rules = {
      {FourCharacterIdiom, {"yoji"}},
      {Onomatopoeia, {"on-mim"}},
      {Idiom, {"id", "proverb"}},
      {Abbreviation, {"abbr"}},
      {Slang, {"sl", "col", "net-sl", "m-sl", "male-sl"}},
      {Dialect,
       {"hob:", "ksb:", "ktb:", "kyb:", "kyu:", "nab:", "osb:", "rkb:", "thb:", "tsb:", "tsug:"}},
      {Archaic, {"arch", "obs", "obsc", "dated", "rare"}},
  };
  return rules;
}

int FirstRuleMatching(const std::vector<TagRule>& rules, const std::set<std::string>& tags) {
  for (const TagRule& rule : rules) {
    for (const std::string& tag : rule.Tags) {
      if (tags.contains(tag)) return rule.Number;
    }
  }
  return 0;
}

enum class WordClass { Noun, Verb, Adjective, Expression };

bool IsVerbClass(const std::string& tag) {
  static const std::unordered_set<std::string> kinds = {"vi", "vt",   "vk",   "vn",  "vr",
                                                        "vz", "vs-c", "vs-s", "vs-i"};
  return kinds.contains(tag) || IsConjugationClass(tag);
}

// The word class of the first sense. A noun tag wins: "(n,adj-na)" and "(n,vs)" are nouns
// that also serve as adjectives or verbs.
WordClass ClassOf(const std::set<std::string>& tags) {
  static const std::unordered_set<std::string> kNouns = {"n",   "n-adv", "n-t",   "pn",
                                                         "num", "ctr",   "adj-no"};
  static const std::unordered_set<std::string> kModifiers = {
      "adj-i", "adj-na", "adj-ix", "adj-t", "adj-f", "adj-pn", "adj-ku", "adj-shiku", "adj-nari",
      "adv",   "adv-to", "int",    "conj",  "prt",   "aux",    "aux-v",  "aux-adj"};
  auto any = [&](auto test) { return std::any_of(tags.begin(), tags.end(), test); };
  if (any([](const std::string& tag) { return kNouns.contains(tag); })) return WordClass::Noun;
  if (any(IsVerbClass)) return WordClass::Verb;
  if (tags.contains("exp")) return WordClass::Expression;
  if (any([](const std::string& tag) { return kModifiers.contains(tag); })) {
    return WordClass::Adjective;
  }
  return WordClass::Noun;
}

bool LooksLikeName(std::u32string_view gloss) {
  return gloss.size() >= 2 && gloss[0] >= U'A' && gloss[0] <= U'Z' && gloss[1] >= U'a' &&
         gloss[1] <= U'z';
}

int CategoryOf(const EdictEntry& entry) {
  const WordClass kind = ClassOf(entry.FirstSenseTags);
  if (entry.Common) return kind == WordClass::Noun ? CommonNoun : CommonOther;
  if (const int subject = FirstRuleMatching(SubjectRules(), entry.FirstSenseTags)) return subject;
  if (!entry.FirstSenseGlosses.empty() && LooksLikeName(entry.FirstSenseGlosses.front())) {
    return ProperNoun;
  }
  switch (kind) {
    case WordClass::Verb:
      return Verb;
    case WordClass::Adjective:
      return Adjective;
    case WordClass::Expression:
      return Expression;
    case WordClass::Noun:
      break;
  }
  return OtherNoun;
}

// The clue: the first sense's glosses that code page 932 can hold, accents folded.
std::optional<std::u32string> ClueOf(const EdictEntry& entry) {
  std::vector<std::u32string> pieces;
  for (const std::u32string& gloss : entry.FirstSenseGlosses) {
    std::u32string folded = FoldAccents(gloss);
    if (!folded.empty() && CanEncodeAllCp932(folded)) pieces.push_back(std::move(folded));
  }
  return ShortClue(pieces, kClueLimit);
}

bool HasAny(const std::set<std::string>& tags, std::initializer_list<const char*> wanted) {
  return std::any_of(wanted.begin(), wanted.end(),
                     [&](const char* tag) { return tags.contains(tag); });
}

// The word an entry makes, or the reason it makes none.
class WordMaker {
 public:
  explicit WordMaker(ImportedDictionary& dictionary) : dictionary_(dictionary) {}

  void Add(const EdictEntry& entry, int lineNumber) {
    if (HasAny(entry.Tags, {"X", "vulg", "derog"})) return Skip("marked rude, vulgar or X-rated");
    if (HasAny(entry.Tags, {"ik", "ok"})) return Skip("irregular or outdated kana reading");
    const auto answer = AnswerFromReading(entry.Reading);
    if (!answer) return Skip("reading not wholly kana");
    if (answer->size() < static_cast<size_t>(AnswerLenMin) ||
        answer->size() > static_cast<size_t>(AnswerLenMax)) {
      return Skip("answer shorter than 2 or longer than 12 letters");
    }
    if (!CanEncodeAllCp932(*answer)) return Skip("answer not in code page 932");
    if (!CanEncodeAllCp932(entry.Written)) return Skip("written form not in code page 932");
    auto clue = ClueOf(entry);
    if (!clue) return Skip("no English meaning in code page 932");
    WordRecord word;
    word.Yst = *answer;
    word.Ast = entry.Written;
    word.Qst = std::move(*clue);
    dictionary_.FieldsMadeSafe +=
        MakeFieldSafe(word.Yst) + MakeFieldSafe(word.Ast) + MakeFieldSafe(word.Qst);
    word.CN = CategoryOf(entry);
    word.BN = FirstRuleMatching(ListRules(), entry.FirstSenseTags);
    word.SN = lineNumber;
    dictionary_.Words.push_back(std::move(word));
  }

  void Skip(const std::string& reason) { ++dictionary_.Skipped[reason]; }

 private:
  ImportedDictionary& dictionary_;
};

}  // namespace

std::optional<EdictEntry> ParseEdictLine(std::u32string_view line) {
  const size_t slash = line.find(U" /");
  if (slash == std::u32string_view::npos || !line.ends_with(U'/')) return std::nullopt;
  EdictEntry entry;
  const std::u32string_view head = line.substr(0, slash);
  const size_t open = head.find(U" [");
  entry.Written = head.substr(0, open);
  entry.Reading = entry.Written;
  if (open != std::u32string_view::npos) {
    if (!head.ends_with(U']')) return std::nullopt;
    entry.Reading = head.substr(open + 2, head.size() - open - 3);
  }
  std::vector<std::u32string_view> glosses =
      SplitGlosses(line.substr(slash + 2, line.size() - slash - 3));
  if (!glosses.empty() && glosses.back() == U"(P)") {
    entry.Common = true;
    glosses.pop_back();
  }
  bool firstSense = true;
  for (std::u32string_view text : glosses) {
    Gloss gloss = SplitGloss(text);
    if (gloss.SenseNumber >= 2) firstSense = false;
    entry.Tags.insert(gloss.Tags.begin(), gloss.Tags.end());
    if (!firstSense) continue;
    entry.FirstSenseTags.insert(gloss.Tags.begin(), gloss.Tags.end());
    if (!gloss.Text.empty()) entry.FirstSenseGlosses.push_back(std::move(gloss.Text));
  }
  if (entry.Written.empty() || entry.Reading.empty()) return std::nullopt;
  return entry;
}

ImportedDictionary ImportEdict(const std::filesystem::path& path, const ImportProgress& progress) {
  const std::string bytes = ReadWholeFile(path);
  ImportedDictionary dictionary;
  dictionary.Title = U"標準日本語辞書の索引：EDICT（電子辞書研究開発グループ）から作成";
  dictionary.Categories = CategoryItems();
  dictionary.Lists = ListItems();
  WordMaker maker(dictionary);
  int lineNumber = 0;
  for (size_t start = 0; start < bytes.size();) {
    const size_t end = std::min(bytes.find('\n', start), bytes.size());
    ++lineNumber;
    std::u32string line;
    try {
      line = DecodeEucJp(std::string_view(bytes).substr(start, end - start));
    } catch (const TextEncodingError& error) {
      throw FileError(path, lineNumber, error.what());
    }
    start = end + 1;
    if (!line.empty() && line.back() == U'\r') line.pop_back();
    // The first line describes the file itself.
    if (lineNumber == 1 || line.empty()) continue;
    if (const auto entry = ParseEdictLine(line)) {
      maker.Add(*entry, lineNumber);
    } else {
      maker.Skip("not an entry line");
    }
    if (lineNumber % 8192 == 0) progress(static_cast<double>(start) / bytes.size());
  }
  progress(1);
  return dictionary;
}

}  // namespace crossword

#include "dictionary/import/EdictClassification.h"

#include <algorithm>
#include <array>

namespace crossword {

namespace {

// The kinds of words each of the bands Ordinary and Uncommon has a category for.
enum Kind {
  Noun,
  Verb,
  Adjective,
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
  KindCount
};

// Everyday words have two categories, nouns and the rest, and their long compounds one,
// before the kinds of the bands.
enum { EverydayNoun = 1, EverydayOther, EverydayCompound, FirstKindCategory };

// A compound shorter than this is a word of its own, to be judged as one.
constexpr size_t kCompoundLengthMin = 5;

enum List {
  NoList = 0,
  FourCharacterIdiom,
  Onomatopoeia,
  Idiom,
  Abbreviation,
  Slang,
  Dialect,
  RareWord,
  OrdinaryNoun,
  OrdinaryOther
};

using RankColumns = std::array<std::u32string_view, DifficultRankMax>;

struct KindRow {
  std::u32string_view Name;
  RankColumns Ordinary;  // the ranks that ask the kind's ordinary words
  RankColumns Uncommon;  // ... and its uncommon ones
};

// 初級 asks everyday words and the ordinary words of the concrete kinds; the fill needs
// those to fill its grids. 中級 adds ordinary words of every subject, 上級 the uncommon.
const std::array<KindRow, KindCount>& KindRows() {
  static constexpr RankColumns kAll = {U"yes", U"yes", U"yes", U"yes", U"yes"};
  static constexpr RankColumns kFromSecond = {U"no", U"yes", U"yes", U"yes", U"yes"};
  static constexpr RankColumns kFromThird = {U"no", U"no", U"yes", U"yes", U"yes"};
  static constexpr RankColumns kFromFourth = {U"no", U"no", U"no", U"yes", U"yes"};
  static const std::array<KindRow, KindCount> rows = {{
      {U"名詞", kAll, kFromThird},
      {U"動詞", kAll, kFromThird},
      {U"形容詞・副詞など", kAll, kFromThird},
      {U"表現・言い回し", kFromSecond, kFromFourth},
      {U"食べ物・料理", kAll, kFromThird},
      {U"生き物", kFromSecond, kFromThird},
      {U"スポーツ・武道", kFromSecond, kFromThird},
      {U"地名・人名などの固有名詞", kFromSecond, kFromFourth},
      {U"医学・からだ", kFromSecond, kFromFourth},
      {U"法律・経済", kFromSecond, kFromFourth},
      {U"数学・科学・技術", kFromSecond, kFromFourth},
      {U"宗教・歴史", kFromSecond, kFromFourth},
      {U"言葉・芸術・遊び", kFromSecond, kFromFourth},
      {U"コンピュータ", kFromThird, kFromFourth},
  }};
  return rows;
}

std::u32string BandHeading(CommonnessBand band) {
  return U"●" + std::u32string(BandName(band));
}

struct TagRule {
  int Number;
  std::vector<std::string> Tags;
};

// Subjects in the order they win when a sense has tags of several (never Noun, so 0 is
// "no subject").
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

Kind KindOf(const EdictEntry& entry) {
  if (const int subject = FirstRuleMatching(SubjectRules(), entry.FirstSenseTags)) {
    return static_cast<Kind>(subject);
  }
  if (!entry.Senses.empty() && !entry.Senses[0].empty() && LooksLikeName(entry.Senses[0][0])) {
    return ProperNoun;
  }
  switch (ClassOf(entry.FirstSenseTags)) {
    case WordClass::Verb:
      return Verb;
    case WordClass::Adjective:
      return Adjective;
    case WordClass::Expression:
      return Expression;
    case WordClass::Noun:
      break;
  }
  return Noun;
}

// True when the written form is two everyday words put together ("経済" + "成長"); both
// parts hold a kanji, since kana split anywhere make words by chance ("スト" + "ライド").
bool IsEverydayCompound(std::u32string_view written, const EverydayForms& everyday) {
  for (size_t split = 1; split < written.size(); ++split) {
    const std::u32string_view head = written.substr(0, split);
    const std::u32string_view tail = written.substr(split);
    if (HoldsKanji(head) && HoldsKanji(tail) && everyday.contains(std::u32string(head)) &&
        everyday.contains(std::u32string(tail))) {
      return true;
    }
  }
  return false;
}

CommonnessBand BandOf(const EdictEntry& entry, size_t answerLength,
                      const CommonnessSources& sources, const EverydayForms& everyday) {
  if (entry.Common) return CommonnessBand::Everyday;
  if (HasAnyTag(entry.FirstSenseTags, {"arch", "obs", "obsc", "rare", "dated"})) {
    return CommonnessBand::Rare;
  }
  if (answerLength >= kCompoundLengthMin && IsEverydayCompound(entry.Written, everyday)) {
    return CommonnessBand::EverydayCompound;
  }
  const int grade = sources.HighestKanjiGrade(entry.Written);
  const bool known = sources.InVocabulary(entry.Written) || entry.Senses.size() >= 3;
  if (known && grade <= KanjiGradePrimaryMax) return CommonnessBand::Ordinary;
  return known || grade <= KanjiGradeGeneralMax ? CommonnessBand::Uncommon : CommonnessBand::Rare;
}

int CategoryOf(const EdictEntry& entry, CommonnessBand band) {
  if (band == CommonnessBand::Everyday) {
    return ClassOf(entry.FirstSenseTags) == WordClass::Noun ? EverydayNoun : EverydayOther;
  }
  if (band == CommonnessBand::EverydayCompound) return EverydayCompound;
  const int bandStart = band == CommonnessBand::Ordinary ? 0 : KindCount;
  return FirstKindCategory + bandStart + KindOf(entry);
}

// No word begins with these: they end or lengthen the syllable before.
bool BeginsWithNoSyllable(std::u32string_view reading) {
  static constexpr std::u32string_view kNoStart =
      U"んンーぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶ";
  return kNoStart.find(reading.front()) != std::u32string_view::npos;
}

// Rare words are listed as such; ordinary ones are too, unless of a special kind, so a
// rank can ask at most one of them per grid. 初級 needs its ordinary nouns freely to fill
// its grids, and takes one other ordinary word.
int ListOf(const EdictEntry& entry, CommonnessBand band) {
  if (band == CommonnessBand::Rare) return RareWord;
  const int kind = FirstRuleMatching(ListRules(), entry.FirstSenseTags);
  if (kind != NoList || band != CommonnessBand::Ordinary) return kind;
  return ClassOf(entry.FirstSenseTags) == WordClass::Noun ? OrdinaryNoun : OrdinaryOther;
}

}  // namespace

std::vector<IndexItem> EdictCategoryItems() {
  static constexpr RankColumns kAll = {U"yes", U"yes", U"yes", U"yes", U"yes"};
  std::vector<IndexItem> items = {
      {BandHeading(CommonnessBand::Everyday), U"よく使う名詞", kAll},
      {U"", U"よく使う動詞・形容詞など", kAll},
      {BandHeading(CommonnessBand::EverydayCompound), U"７字以上の複合語", kAll},
  };
  for (const CommonnessBand band : {CommonnessBand::Ordinary, CommonnessBand::Uncommon}) {
    for (const KindRow& row : KindRows()) {
      const bool first = &row == &KindRows().front();
      items.push_back({first ? BandHeading(band) : U"", std::u32string(row.Name),
                       band == CommonnessBand::Ordinary ? row.Ordinary : row.Uncommon});
    }
  }
  return items;
}

std::vector<IndexItem> EdictListItems() {
  return {
      {U"●特別な種類の言葉", U"四字熟語", {U"1", U"1", U"yes", U"yes", U"yes"}},
      {U"", U"擬音語・擬態語", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"慣用句・ことわざ", {U"no", U"1", U"yes", U"yes", U"yes"}},
      {U"", U"略語", {U"no", U"no", U"1", U"yes", U"yes"}},
      {U"", U"俗語・くだけた言葉", {U"no", U"no", U"1", U"yes", U"yes"}},
      {U"", U"方言", {U"no", U"no", U"no", U"1", U"yes"}},
      {BandHeading(CommonnessBand::Rare), U"古語・まれな言葉", {U"no", U"no", U"no", U"1", U"yes"}},
      {BandHeading(CommonnessBand::Ordinary), U"名詞", {U"yes", U"yes", U"yes", U"yes", U"yes"}},
      {U"", U"動詞・形容詞など", {U"1", U"yes", U"yes", U"yes", U"yes"}},
  };
}

std::optional<std::string> FragmentReason(const EdictEntry& entry) {
  const std::set<std::string>& tags = entry.FirstSenseTags;
  const bool wordClass = std::any_of(tags.begin(), tags.end(), [](const std::string& tag) {
    return tag == "n" || tag == "n-adv" || tag == "n-t" || tag == "pn" || tag == "num" ||
           tag == "exp" || tag == "conj" || tag.starts_with("adj") || tag.starts_with("adv") ||
           IsVerbClass(tag);
  });
  if (!wordClass && HasAnyTag(tags, {"suf", "pref", "n-suf", "n-pref"})) return "suffix or prefix";
  if (!wordClass && HasAnyTag(tags, {"prt", "aux", "aux-v", "aux-adj", "cop"})) {
    return "particle, auxiliary or copula";
  }
  if (!wordClass && tags.contains("ctr")) return "counter";
  if (BeginsWithNoSyllable(entry.Reading)) {
    return "reading begins with ン, ー or a small kana";
  }
  if (entry.Written.size() == 1 && !IsKanji(entry.Written[0])) return "spelling of one letter";
  if (!wordClass && tags.contains("int") && !entry.Common) {
    return "interjection not in everyday use (laughter and other noise)";
  }
  return std::nullopt;
}

EverydayForms EverydayWrittenForms(const std::vector<EdictEntry>& entries) {
  EverydayForms forms;
  for (const EdictEntry& entry : entries) {
    if (entry.Common) forms.insert(entry.Written);
  }
  return forms;
}

IndexPlace PlaceInIndex(const EdictEntry& entry, size_t answerLength,
                        const CommonnessSources& sources, const EverydayForms& everyday) {
  const CommonnessBand band = BandOf(entry, answerLength, sources, everyday);
  return {CategoryOf(entry, band), ListOf(entry, band)};
}

int FormPreference(const EdictEntry& entry, const CommonnessSources& sources) {
  return (entry.Common ? 8 : 0) + (HasAnyTag(entry.FirstSenseTags, {"iK", "oK", "rK"}) ? 0 : 4) +
         (sources.HighestKanjiGrade(entry.Written) <= KanjiGradeGeneralMax ? 2 : 0) +
         (sources.InVocabulary(entry.Written) ? 1 : 0);
}

}  // namespace crossword

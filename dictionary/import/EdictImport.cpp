#include "dictionary/import/EdictImport.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/GridModel.h"
#include "common/TextCodec.h"
#include "dictionary/import/FieldText.h"
#include "dictionary/import/JapaneseClues.h"
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
  std::string SourceLanguage;  // of the first source note
};

// Drops the loan-word source notes "(fre:)", "(ger: Arbeit)", "(wasei: I-turn)", keeping
// the first one's language.
std::u32string WithoutSourceNotes(std::u32string text, std::string& language) {
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
    if (language.empty()) language = ToUtf8(text.substr(open + 1, colon - open - 1));
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
  gloss.Text = WithoutSourceNotes(std::u32string(text), gloss.SourceLanguage);
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

std::vector<IndexItem> CategoryItems() {
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

std::vector<IndexItem> ListItems() {
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

bool HasAny(const std::set<std::string>& tags, std::initializer_list<const char*> wanted) {
  return std::any_of(wanted.begin(), wanted.end(),
                     [&](const char* tag) { return tags.contains(tag); });
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

// Written forms that EDICT marks as everyday words.
using EverydayForms = std::unordered_set<std::u32string>;

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
  if (HasAny(entry.FirstSenseTags, {"arch", "obs", "obsc", "rare", "dated"})) {
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

// Letters only, lower case, long vowels and "m" before labials as the reading spells them,
// so "Tokyo", "toukyou" and "Tōkyō" compare equal.
std::string Normalised(std::string_view text) {
  std::string letters;
  for (char c : text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c < 'a' || c > 'z') continue;
    const char last = letters.empty() ? 0 : letters.back();
    const bool longVowel = (c == last && std::string_view("aeiou").find(c) != std::string::npos) ||
                           (c == 'u' && last == 'o');
    if (longVowel) continue;
    if (last == 'm' && (c == 'b' || c == 'p' || c == 'm')) letters.back() = 'n';
    letters += c;
  }
  return letters;
}

// True when the gloss writes the reading in Latin letters, whole or as one of its words.
bool SpellsReading(std::u32string_view gloss, const std::string& romanized) {
  const std::string text = ToUtf8(FoldAccents(gloss));
  if (Normalised(text) == romanized) return true;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find_first_of(" -/", start);
    if (end == std::string::npos) end = text.size();
    if (Normalised(text.substr(start, end - start)) == romanized) return true;
    start = end + 1;
  }
  return false;
}

// The clue: the first sense whose glosses code page 932 can hold, accents folded. A native
// word's glosses that spell its reading in Latin letters would give the answer away.
std::optional<std::u32string> ClueOf(const EdictEntry& entry) {
  const std::string romanized =
      IsKatakanaWord(entry.Reading) ? "" : Normalised(Romanized(entry.Reading));
  for (const std::vector<std::u32string>& sense : entry.Senses) {
    std::vector<std::u32string> pieces;
    for (const std::u32string& gloss : sense) {
      std::u32string folded = FoldAccents(gloss);
      if (folded.empty() || !CanEncodeAllCp932(folded)) continue;
      if (!romanized.empty() && SpellsReading(folded, romanized)) continue;
      pieces.push_back(std::move(folded));
    }
    if (auto clue = ShortClue(pieces, kClueLimit)) return clue;
  }
  return std::nullopt;
}

// No word begins with these: they end or lengthen the syllable before.
bool BeginsWithNoSyllable(std::u32string_view reading) {
  static constexpr std::u32string_view kNoStart =
      U"んンーぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶ";
  return kNoStart.find(reading.front()) != std::u32string_view::npos;
}

// Ranks the written forms of one word: everyday, regular, general-use kanji, known.
int FormPreference(const EdictEntry& entry, const CommonnessSources& sources) {
  return (entry.Common ? 8 : 0) + (HasAny(entry.FirstSenseTags, {"iK", "oK", "rK"}) ? 0 : 4) +
         (sources.HighestKanjiGrade(entry.Written) <= KanjiGradeGeneralMax ? 2 : 0) +
         (sources.InVocabulary(entry.Written) ? 1 : 0);
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

// The words entries make, one per reading and meaning, or the reasons they make none.
class WordMaker {
 public:
  WordMaker(ImportedDictionary& dictionary, const CommonnessSources& sources,
            EverydayForms everyday)
      : dictionary_(dictionary), sources_(sources), everyday_(std::move(everyday)) {}

  void Add(const EdictEntry& entry, int lineNumber) {
    if (HasAny(entry.Tags, {"X", "vulg", "derog"})) return Skip("marked rude, vulgar or X-rated");
    if (HasAny(entry.Tags, {"ik", "ok"})) return Skip("irregular or outdated kana reading");
    if (const auto reason = FragmentReason(entry)) return Skip("not a word: " + *reason);
    const auto answer = AnswerFromReading(entry.Reading);
    if (!answer) return Skip("reading not wholly kana");
    if (answer->size() < static_cast<size_t>(AnswerLenMin) ||
        answer->size() > static_cast<size_t>(AnswerLenMax)) {
      return Skip("answer shorter than 2 or longer than 12 letters");
    }
    if (!CanEncodeAllCp932(*answer)) return Skip("answer not in code page 932");
    if (!CanEncodeAllCp932(entry.Written)) return Skip("written form not in code page 932");
    auto clue = ClueOf(entry);
    if (!clue) return Skip("no English meaning in code page 932 that fits a clue");
    Keep(entry, MakeWord(entry, *answer, std::move(*clue), lineNumber));
  }

  void Skip(const std::string& reason) { ++dictionary_.Skipped[reason]; }

  // Gives each word its Japanese clues, the best one as its clue; the English gloss stays
  // the last of its clues.
  void AddJapaneseClues(const JapaneseClueMaker& maker) {
    dictionary_.Clues.resize(dictionary_.Words.size());
    for (size_t k = 0; k < dictionary_.Words.size(); ++k) {
      WordRecord& word = dictionary_.Words[k];
      std::vector<StyledClue> clues = maker.CluesFor(*entryOf_[k], word.Yst);
      if (clues.empty()) continue;
      clues.push_back({ClueStyle::English, word.Qst});
      word.Qst = clues.front().Text;
      dictionary_.Clues[k] = std::move(clues);
    }
  }

 private:
  WordRecord MakeWord(const EdictEntry& entry, const std::u32string& answer, std::u32string clue,
                      int lineNumber) {
    WordRecord word;
    word.Yst = answer;
    word.Ast = entry.FirstSenseTags.contains("uk") ? entry.Reading : entry.Written;
    word.Qst = std::move(clue);
    const CommonnessBand band = BandOf(entry, answer.size(), sources_, everyday_);
    word.CN = CategoryOf(entry, band);
    word.BN = ListOf(entry, band);
    word.SN = lineNumber;
    return word;
  }

  // Spellings of one word share reading and clue: the most common of them stays.
  void Keep(const EdictEntry& entry, WordRecord word) {
    const int preference = FormPreference(entry, sources_);
    const auto [found, added] =
        kept_.try_emplace(word.Yst + U'\t' + word.Qst, dictionary_.Words.size(), preference);
    if (added) {
      dictionary_.FieldsMadeSafe +=
          MakeFieldSafe(word.Yst) + MakeFieldSafe(word.Ast) + MakeFieldSafe(word.Qst);
      dictionary_.Words.push_back(std::move(word));
      entryOf_.push_back(&entry);
      return;
    }
    Skip("another spelling of a word already taken");
    auto& [index, keptPreference] = found->second;
    if (preference <= keptPreference) return;
    keptPreference = preference;
    WordRecord& kept = dictionary_.Words[index];
    dictionary_.FieldsMadeSafe += MakeFieldSafe(word.Ast);
    kept.Ast = std::move(word.Ast);
    entryOf_[index] = &entry;
    kept.CN = word.CN;
    kept.BN = word.BN;
    kept.SN = word.SN;
  }

  ImportedDictionary& dictionary_;
  const CommonnessSources& sources_;
  const EverydayForms everyday_;
  std::unordered_map<std::u32string, std::pair<size_t, int>> kept_;  // reading and clue
  std::vector<const EdictEntry*> entryOf_;  // the entry of each word's kept written form
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
  entry.Senses.emplace_back();
  for (std::u32string_view text : glosses) {
    Gloss gloss = SplitGloss(text);
    if (gloss.SenseNumber >= 2) entry.Senses.emplace_back();
    entry.Tags.insert(gloss.Tags.begin(), gloss.Tags.end());
    if (entry.Senses.size() == 1) entry.FirstSenseTags.insert(gloss.Tags.begin(), gloss.Tags.end());
    if (entry.SourceLanguage.empty()) entry.SourceLanguage = gloss.SourceLanguage;
    if (!gloss.Text.empty()) entry.Senses.back().push_back(std::move(gloss.Text));
  }
  if (entry.Written.empty() || entry.Reading.empty()) return std::nullopt;
  return entry;
}

std::optional<std::string> FragmentReason(const EdictEntry& entry) {
  const std::set<std::string>& tags = entry.FirstSenseTags;
  const bool wordClass = std::any_of(tags.begin(), tags.end(), [](const std::string& tag) {
    return tag == "n" || tag == "n-adv" || tag == "n-t" || tag == "pn" || tag == "num" ||
           tag == "exp" || tag == "conj" || tag.starts_with("adj") || tag.starts_with("adv") ||
           IsVerbClass(tag);
  });
  if (!wordClass && HasAny(tags, {"suf", "pref", "n-suf", "n-pref"})) return "suffix or prefix";
  if (!wordClass && HasAny(tags, {"prt", "aux", "aux-v", "aux-adj", "cop"})) {
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

namespace {

// Calls `visit(lineNumber, bytes)` for each line after the first, which describes the file.
template <typename Visit>
void ForEachEntryLine(const std::string& bytes, Visit visit) {
  int lineNumber = 0;
  for (size_t start = 0; start < bytes.size();) {
    const size_t end = std::min(bytes.find('\n', start), bytes.size());
    std::string_view line = std::string_view(bytes).substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (++lineNumber > 1) visit(lineNumber, line, end);
    start = end + 1;
  }
}

std::u32string DecodedLine(const std::filesystem::path& path, int lineNumber,
                           std::string_view line) {
  try {
    return DecodeEucJp(line);
  } catch (const TextEncodingError& error) {
    throw FileError(path, lineNumber, error.what());
  }
}

EverydayForms EverydayWrittenForms(const std::vector<EdictEntry>& entries) {
  EverydayForms forms;
  for (const EdictEntry& entry : entries) {
    if (entry.Common) forms.insert(entry.Written);
  }
  return forms;
}

}  // namespace

ImportedDictionary ImportEdict(const std::filesystem::path& path, const CommonnessSources& sources,
                               const ImportProgress& progress) {
  const std::string bytes = ReadWholeFile(path);
  ImportedDictionary dictionary;
  dictionary.Title = U"標準日本語辞書の索引：EDICT（電子辞書研究開発グループ）から作成";
  dictionary.Categories = CategoryItems();
  dictionary.Lists = ListItems();
  std::vector<EdictEntry> entries;
  std::vector<int> lineNumbers;
  ForEachEntryLine(bytes, [&](int lineNumber, std::string_view line, size_t end) {
    if (line.empty()) return;
    if (auto entry = ParseEdictLine(DecodedLine(path, lineNumber, line))) {
      entries.push_back(std::move(*entry));
      lineNumbers.push_back(lineNumber);
    } else {
      ++dictionary.Skipped["not an entry line"];
    }
    if (lineNumber % 8192 == 0) progress(0.2 * static_cast<double>(end) / bytes.size());
  });
  WordMaker maker(dictionary, sources, EverydayWrittenForms(entries));
  for (size_t k = 0; k < entries.size(); ++k) maker.Add(entries[k], lineNumbers[k]);
  progress(0.3);
  maker.AddJapaneseClues(JapaneseClueMaker(entries, sources));
  progress(1);
  return dictionary;
}

}  // namespace crossword

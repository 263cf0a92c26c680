#include "dictionary/import/JapaneseClues.h"

#include <algorithm>
#include <array>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "common/TextCodec.h"
#include "dictionary/import/FieldText.h"
#include "dictionary/import/KanaReading.h"

namespace crossword {

namespace {

// More answers than this beside the right one fitting a clue make it a guess.
constexpr size_t kOtherFitsMax = 2;
constexpr size_t kCompoundsMin = 2;
constexpr size_t kCompoundsMax = 3;
constexpr size_t kCompoundsTried = 12;    // compounds a word tries before giving up the style
constexpr size_t kWordLengthMax = 12;     // the longest written word a compound is parted into
constexpr size_t kCompoundLengthMax = 6;  // a longer compound is obscure, a set phrase aside
// A first gloss shared by more everyday words than this is too general to tell one of them.
constexpr size_t kSynonymGroupMax = 4;

std::string Lowered(std::u32string_view text) {
  std::string lowered = ToUtf8(text);
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lowered;
}

// True when a word of `text` begins with `stem` ("rape" is no part of "grape").
bool HoldsWordStartingWith(const std::string& text, std::string_view stem) {
  for (size_t at = text.find(stem); at != std::string::npos; at = text.find(stem, at + 1)) {
    if (at == 0 || std::isalpha(static_cast<unsigned char>(text[at - 1])) == 0) return true;
  }
  return false;
}

// Words a puzzle should not put before a solver, even where the word list does not mark them.
bool GlossIsSensitive(const EdictEntry& entry) {
  static constexpr std::array<std::string_view, 18> kStems = {
      "sex",   "penis",  "vagina", "genital", "prostitut", "brothel",
      "whore", "rape",   "porn",   "suicide", "corpse",    "excrement",
      "feces", "buraku", "cripp",  "lunatic", "discrim",   "masturb"};
  if (entry.Senses.empty()) return false;
  for (const std::u32string& gloss : entry.Senses.front()) {
    const std::string text = Lowered(gloss);
    for (std::string_view stem : kStems) {
      if (HoldsWordStartingWith(text, stem)) return true;
    }
  }
  return false;
}

bool IsSensitive(const EdictEntry& entry) {
  return HasAnyTag(entry.Tags, {"X", "vulg", "derog", "sens"}) || GlossIsSensitive(entry);
}

bool IsHiraganaLetter(char32_t c) {
  return c >= U'ぁ' && c <= U'ゖ';
}

bool IsKanaLetter(char32_t c) {
  return IsHiraganaLetter(c) || IsKatakanaLetter(c);
}

std::u32string FirstGloss(const EdictEntry& entry) {
  if (entry.Senses.empty() || entry.Senses.front().empty()) return {};
  return entry.Senses.front().front();
}

// True when `word` stands in `text` as a whole word, letters compared without case.
bool HoldsWholeWord(const std::string& text, const std::string& word) {
  auto isLetter = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    const size_t end = at + word.size();
    if ((at == 0 || !isLetter(text[at - 1])) && (end == text.size() || !isLetter(text[end]))) {
      return true;
    }
  }
  return false;
}

// Ranks compounds for a clue: everyday ones first, then those of the general vocabulary,
// of no special field, short ones; old and rare ones last.
int Obscurity(const EdictEntry& host, const CommonnessSources& sources) {
  int obscurity = host.Common ? 0 : sources.InVocabulary(host.Written) ? 6 : 10;
  if (HasAnyTag(host.Tags,
                {"dated", "biol", "med", "law", "comp", "chem", "math", "physics", "Buddh", "ling",
                 "econ", "finc", "mil", "geol", "astron", "engr", "anat", "abbr"})) {
    obscurity += 3;
  }
  return obscurity + static_cast<int>(host.Written.size() / 3);
}

bool IsPhraseEntry(const EdictEntry& entry) {
  return HasAnyTag(entry.Tags, {"exp", "id", "proverb"}) &&
         std::any_of(entry.Written.begin(), entry.Written.end(), IsHiraganaLetter);
}

// The kanji pairs of opposite meaning a two-kanji word can swap for its antonym.
constexpr std::array<std::pair<char32_t, char32_t>, 28> kOppositeKanji = {{
    {U'入', U'出'}, {U'先', U'後'}, {U'前', U'後'}, {U'上', U'下'}, {U'左', U'右'}, {U'内', U'外'},
    {U'男', U'女'}, {U'長', U'短'}, {U'高', U'低'}, {U'増', U'減'}, {U'勝', U'敗'}, {U'売', U'買'},
    {U'開', U'閉'}, {U'始', U'終'}, {U'新', U'旧'}, {U'強', U'弱'}, {U'軽', U'重'}, {U'有', U'無'},
    {U'可', U'否'}, {U'善', U'悪'}, {U'明', U'暗'}, {U'往', U'復'}, {U'単', U'複'}, {U'優', U'劣'},
    {U'寒', U'暖'}, {U'公', U'私'}, {U'南', U'北'}, {U'得', U'損'},
}};

// The answer in its written form, in katakana or in hiragana.
bool ShowsAnswer(std::u32string_view text, const EdictEntry& entry, const std::u32string& answer) {
  for (const std::u32string& shown :
       {entry.Written, answer, Hiragana(answer), entry.Reading, Hiragana(entry.Reading)}) {
    if (text.find(shown) != std::u32string_view::npos) return true;
  }
  return false;
}

bool ShareKanji(std::u32string_view a, std::u32string_view b) {
  return std::any_of(a.begin(), a.end(), [&](char32_t c) {
    return IsKanji(c) && b.find(c) != std::u32string_view::npos;
  });
}

// Readings alike but for one letter or a long-vowel mark ("ヨシ", "ヨーシ").
bool OneLetterApart(std::u32string a, std::u32string b) {
  std::erase(a, U'ー');
  std::erase(b, U'ー');
  if (a.size() != b.size()) return false;
  size_t differing = 0;
  for (size_t i = 0; i < a.size(); ++i) differing += a[i] != b[i] ? 1 : 0;
  return differing <= 1;
}

// Languages a loanword's note names, as a clue says them.
const std::unordered_map<std::string, std::u32string>& LanguageNames() {
  static const std::unordered_map<std::string, std::u32string> names = {
      {"fre", U"フランス語"},   {"ger", U"ドイツ語"},       {"ita", U"イタリア語"},
      {"por", U"ポルトガル語"}, {"spa", U"スペイン語"},     {"dut", U"オランダ語"},
      {"rus", U"ロシア語"},     {"lat", U"ラテン語"},       {"gre", U"ギリシャ語"},
      {"chi", U"中国語"},       {"kor", U"朝鮮語"},         {"ara", U"アラビア語"},
      {"hin", U"ヒンディー語"}, {"swe", U"スウェーデン語"}, {"nor", U"ノルウェー語"},
      {"dan", U"デンマーク語"}, {"fin", U"フィンランド語"}, {"tha", U"タイ語"},
  };
  return names;
}

std::u32string Quoted(std::u32string_view text) {
  return U"\"" + std::u32string(text) + U"\"";
}

}  // namespace

// What the maker knows of the word list: readings by written form, where each word stands
// blankable in compounds and phrases, and which words fit each blank.
class JapaneseClueMaker::Index {
  // A place in a compound or phrase where a word stands.
  struct Blank {
    const EdictEntry* Host = nullptr;
    size_t Start = 0, End = 0;  // the word's letters in the host's written form

    std::u32string Context() const {
      return Host->Written.substr(0, Start) + std::u32string(AnswerBlank) +
             Host->Written.substr(End);
    }
  };

 public:
  Index(const std::vector<EdictEntry>& entries, const CommonnessSources& sources)
      : sources_(sources) {
    for (const EdictEntry& entry : entries) AddEntry(entry);
    for (const EdictEntry& entry : entries) {
      if (CanHost(entry)) FindBlanks(entry);
    }
    for (const EdictEntry& entry : entries) {
      if (CanHost(entry)) CollectFillers(entry);
    }
  }

  std::vector<StyledClue> CluesFor(const EdictEntry& entry, const std::u32string& answer) const {
    std::vector<StyledClue> clues;
    if (IsSensitive(entry)) return clues;
    auto add = [&](ClueStyle style, std::optional<std::u32string> text) {
      if (text && IsFair(*text, entry, answer)) clues.push_back({style, std::move(*text)});
    };
    const auto blanks = BlanksOf(entry.Written, answer);
    add(ClueStyle::Blank, CompoundClue(blanks, entry, answer, false));
    add(ClueStyle::Antonym, AntonymClue(entry));
    add(ClueStyle::Phrase, CompoundClue(blanks, entry, answer, true));
    add(ClueStyle::OtherReading, OtherReadingClue(entry, answer));
    add(ClueStyle::KanjiReading, KanjiReadingClue(entry, answer));
    const auto synonym = SynonymOf(entry, answer);
    const auto language = LanguageNames().find(entry.SourceLanguage);
    if (synonym && language != LanguageNames().end()) {
      add(ClueStyle::Loanword, language->second + U"で" + Quoted(*synonym));
    }
    add(ClueStyle::Synonym, synonym);
    return clues;
  }

 private:
  void AddEntry(const EdictEntry& entry) {
    for (char32_t c : entry.Written) {
      if (IsKanji(c) && !kanjiReadings_.contains(c)) kanjiReadings_[c] = KanjiReadingsOf(c);
    }
    const auto reading = AnswerFromReading(entry.Reading);
    if (!reading) return;
    auto& readings = readings_[entry.Written];
    if (std::find(readings.begin(), readings.end(), *reading) == readings.end()) {
      readings.push_back(*reading);
    }
    byWritten_[entry.Written].push_back(&entry);
    const bool plain =
        !HasAnyTag(entry.Tags, {"sl", "col", "arch", "obs", "rare", "hob:", "ksb:", "ktb:", "kyb:",
                                "kyu:", "nab:", "osb:", "rkb:", "thb:", "tsb:", "tsug:"});
    if (entry.Common && plain && !FirstGloss(entry).empty() && !IsSensitive(entry)) {
      synonymGroups_[Lowered(FirstGloss(entry))].push_back(&entry);
    }
  }

  // A kanji's on readings and the stems of its kun readings, which read it where it stands
  // in an inflected word ("積" in "積もれば").
  std::vector<std::u32string> KanjiReadingsOf(char32_t kanji) const {
    const KanjiReadings* readings = sources_.ReadingsOf(kanji);
    if (readings == nullptr) return {};
    std::vector<std::u32string> all = readings->On;
    for (const std::u32string& kun : readings->Kun) {
      if (auto stem = AnswerFromReading(std::u32string_view(kun).substr(0, kun.find(U'.')))) {
        all.push_back(std::move(*stem));
      }
    }
    return all;
  }

  // Only kanji for general use and for names, nothing rude, nothing code page 932 lacks.
  bool CanShow(const EdictEntry& entry) const {
    return sources_.HighestKanjiGrade(entry.Written) <= KanjiGradeNamesMax && !IsSensitive(entry) &&
           CanEncodeAllCp932(entry.Written);
  }

  // Compounds a solver may know: no old or rare words, no species names, no long
  // compounds beyond set phrases.
  bool CanHost(const EdictEntry& entry) const {
    const bool obscure = HasAnyTag(entry.Tags, {"arch", "obs", "obsc", "rare", "zool", "bot", "ent",
                                                "fish", "ornith"}) ||
                         (entry.Written.size() > kCompoundLengthMax && !IsPhraseEntry(entry));
    return !obscure && entry.Written.size() >= 2 && HoldsKanji(entry.Written) && CanShow(entry) &&
           AnswerFromReading(entry.Reading).has_value();
  }

  const std::vector<std::u32string>* ReadingsOf(std::u32string_view written) const {
    const auto found = readings_.find(std::u32string(written));
    return found == readings_.end() ? nullptr : &found->second;
  }

  // True when `text` reads exactly `reading`, parted into words of the list, single kana
  // read as written and single kanji read as KANJIDIC reads them.
  bool PartsRead(std::u32string_view text, std::u32string_view reading) const {
    std::vector<std::vector<bool>> reached(text.size() + 1,
                                           std::vector<bool>(reading.size() + 1, false));
    reached[0][0] = true;
    for (size_t i = 0; i < text.size(); ++i) {
      for (size_t j = 0; j <= reading.size(); ++j) {
        if (!reached[i][j]) continue;
        const std::u32string_view rest = reading.substr(j);
        if (text[i] == U'・') reached[i + 1][j] = true;  // parts words, reads as nothing
        if (IsKanaLetter(text[i])) {
          const auto letter = AnswerFromReading(text.substr(i, 1));
          if (letter && rest.starts_with(*letter)) reached[i + 1][j + letter->size()] = true;
        }
        if (const auto kanji = kanjiReadings_.find(text[i]); kanji != kanjiReadings_.end()) {
          for (const std::u32string& part : kanji->second) {
            if (!part.empty() && rest.starts_with(part)) reached[i + 1][j + part.size()] = true;
          }
        }
        for (size_t end = i + 1; end <= std::min(text.size(), i + kWordLengthMax); ++end) {
          const auto* readings = ReadingsOf(text.substr(i, end - i));
          if (readings == nullptr) continue;
          for (const std::u32string& part : *readings) {
            if (rest.starts_with(part)) reached[end][j + part.size()] = true;
          }
        }
      }
    }
    return reached[text.size()][reading.size()];
  }

  // The host's reading holds `reading` exactly where the word stands, its other parts read
  // as words of their own: no sound change at the blank.
  bool ReadsExactly(const Blank& blank, const std::u32string& hostReading,
                    const std::u32string& reading) const {
    const std::u32string_view written = blank.Host->Written;
    for (size_t at = hostReading.find(reading); at != std::u32string::npos;
         at = hostReading.find(reading, at + 1)) {
      if (PartsRead(written.substr(0, blank.Start),
                    std::u32string_view(hostReading).substr(0, at)) &&
          PartsRead(written.substr(blank.End),
                    std::u32string_view(hostReading).substr(at + reading.size()))) {
        return true;
      }
    }
    return false;
  }

  // The answer must be a word of the host, not a part of a longer one: no word of the list
  // may cross an edge of the blank ("西日" in "西日本") or hold it with more ("運動" holds
  // "運" in "運動会"). Words in hiragana only match by chance.
  bool PartOfAnotherWord(const Blank& blank) const {
    const std::u32string_view written = blank.Host->Written;
    for (size_t a = 0; a < blank.End; ++a) {
      for (size_t b = std::max(a + 2, blank.Start + 1);
           b <= std::min(written.size(), a + kWordLengthMax); ++b) {
        const bool inside = a >= blank.Start && b <= blank.End;
        const bool whole = a == 0 && b == written.size();
        const std::u32string_view word = written.substr(a, b - a);
        if (!inside && !whole && !std::all_of(word.begin(), word.end(), IsHiraganaLetter) &&
            ReadingsOf(word) != nullptr) {
          return true;
        }
      }
    }
    return false;
  }

  // Hiragana beside the blank other than a particle belong to the word there: okurigana
  // ("信じ込む") or the rest of a word in kana ("一生けん命").
  static bool GluedToKana(const Blank& blank) {
    static constexpr std::u32string_view kParticles = U"のがをにへとはもでや";
    const std::u32string& written = blank.Host->Written;
    auto glued = [&](char32_t c) {
      return IsHiraganaLetter(c) && kParticles.find(c) == std::u32string_view::npos;
    };
    const bool before = blank.Start > 0 && glued(written[blank.Start - 1]) &&
                        !(blank.Start == 1 && (written[0] == U'お' || written[0] == U'ご'));
    const bool after =
        blank.End < written.size() && glued(written[blank.End]) && IsKanji(written[blank.End - 1]);
    return before || after;
  }

  // The host tells something beside the blank: a kanji or katakana, not only endings and
  // particles ("＿＿した" fits any verb). One kanji beside one kanji is a word of two
  // kanji, not two words ("運" in "運行").
  static bool ShowsMoreThanEndings(const Blank& blank) {
    const std::u32string& written = blank.Host->Written;
    if (written.size() == 2 || GluedToKana(blank)) return false;
    auto telling = [](char32_t c) { return IsKanji(c) || IsKatakanaLetter(c); };
    return std::any_of(written.begin(), written.begin() + blank.Start, telling) ||
           std::any_of(written.begin() + blank.End, written.end(), telling);
  }

  // A katakana word glued to more katakana is a part of the host only where the host's
  // gloss shows it ("hot" in "hot dog"); "frank" is no part of "Frankfurt".
  bool KatakanaPartShown(const Blank& blank, std::u32string_view word) const {
    const std::u32string& written = blank.Host->Written;
    const bool glued = (blank.Start > 0 && IsKatakanaLetter(written[blank.Start - 1])) ||
                       (blank.End < written.size() && IsKatakanaLetter(written[blank.End]));
    if (!glued) return true;
    std::string hostGlosses;
    for (const std::u32string& gloss : blank.Host->Senses.front()) {
      hostGlosses += Lowered(gloss) + " ";
    }
    for (const EdictEntry* entry : byWritten_.at(std::u32string(word))) {
      const std::string part = Lowered(FirstGloss(*entry));
      if (!part.empty() && HoldsWholeWord(hostGlosses, part)) return true;
    }
    return false;
  }

  static bool Blankable(std::u32string_view word) {
    return HoldsKanji(word) || (word.size() >= 2 && IsKatakanaWord(word));
  }

  template <typename Visit>
  void ForEachWordIn(const EdictEntry& host, Visit visit) const {
    const std::u32string& written = host.Written;
    for (size_t start = 0; start < written.size(); ++start) {
      for (size_t end = start + 1; end <= std::min(written.size(), start + kWordLengthMax); ++end) {
        if (start == 0 && end == written.size()) continue;
        const auto* readings = ReadingsOf(std::u32string_view(written).substr(start, end - start));
        if (readings != nullptr) visit(Blank{&host, start, end}, *readings);
      }
    }
  }

  void FindBlanks(const EdictEntry& host) {
    const std::u32string hostReading = *AnswerFromReading(host.Reading);
    ForEachWordIn(host, [&](const Blank& blank, const std::vector<std::u32string>& readings) {
      const std::u32string word = host.Written.substr(blank.Start, blank.End - blank.Start);
      if (!Blankable(word)) return;
      std::vector<const std::u32string*> exact;
      for (const std::u32string& reading : readings) {
        if (ReadsExactly(blank, hostReading, reading)) exact.push_back(&reading);
      }
      if (exact.empty() || !ShowsMoreThanEndings(blank) || PartOfAnotherWord(blank) ||
          !KatakanaPartShown(blank, word)) {
        return;
      }
      for (const std::u32string* reading : exact) {
        blanks_[word + U'\t' + *reading].push_back(blank);
      }
      fillers_.try_emplace(blank.Context());
    });
  }

  // Every word of the list that makes a word of the list in a blank's place, right or not.
  void CollectFillers(const EdictEntry& host) {
    ForEachWordIn(host, [&](const Blank& blank, const std::vector<std::u32string>& readings) {
      const auto found = fillers_.find(blank.Context());
      if (found == fillers_.end()) return;
      found->second.insert(readings.begin(), readings.end());
    });
  }

  std::vector<Blank> BlanksOf(const std::u32string& written, const std::u32string& answer) const {
    const auto found = blanks_.find(written + U'\t' + answer);
    if (found == blanks_.end()) return {};
    std::vector<Blank> blanks = found->second;
    std::stable_sort(blanks.begin(), blanks.end(), [&](const Blank& a, const Blank& b) {
      return Obscurity(*a.Host, sources_) < Obscurity(*b.Host, sources_);
    });
    return blanks;
  }

  // The other answers of the same length that fit every one of the blanks.
  size_t OtherFits(const std::vector<Blank>& chosen, const std::u32string& answer) const {
    std::set<std::u32string> fits;
    for (const std::u32string& reading : fillers_.at(chosen.front().Context())) {
      if (reading.size() == answer.size() && reading != answer) fits.insert(reading);
    }
    for (size_t k = 1; k < chosen.size(); ++k) {
      const auto& more = fillers_.at(chosen[k].Context());
      std::erase_if(fits, [&](const std::u32string& reading) { return !more.contains(reading); });
    }
    return fits.size();
  }

  // Two compounds that share a kanji or katakana beside the blank ("＿＿五書", "＿＿の五書")
  // or their reading ("楯突く", "盾突く") tell the same thing twice.
  static bool NearDuplicates(const Blank& a, const Blank& b) {
    auto telling = [](const Blank& blank) {
      std::u32string letters = blank.Context();
      std::erase_if(letters, [](char32_t c) { return !IsKanji(c) && !IsKatakanaLetter(c); });
      return letters;
    };
    const std::u32string x = telling(a);
    const std::u32string y = telling(b);
    return x.empty() || y.empty() || a.Host->Reading == b.Host->Reading ||
           std::any_of(x.begin(), x.end(),
                       [&](char32_t c) { return y.find(c) != std::u32string::npos; });
  }

  // Two or three compounds (or one phrase), led by one a solver knows, that leave few other
  // answers.
  std::optional<std::u32string> CompoundClue(const std::vector<Blank>& blanks,
                                             const EdictEntry& entry, const std::u32string& answer,
                                             bool phrases) const {
    const size_t wanted = phrases ? 1 : kCompoundsMin;
    const size_t most = phrases ? 1 : kCompoundsMax;
    std::vector<Blank> chosen;
    size_t tried = 0;
    for (const Blank& blank : blanks) {
      if (tried == kCompoundsTried) break;
      if (IsPhraseEntry(*blank.Host) != phrases || ShowsAnswer(blank.Context(), entry, answer) ||
          (chosen.empty() && !IsKnown(*blank.Host))) {
        continue;
      }
      if (std::any_of(chosen.begin(), chosen.end(),
                      [&](const Blank& other) { return NearDuplicates(blank, other); })) {
        continue;
      }
      ++tried;
      chosen.push_back(blank);
      if (chosen.size() < wanted) continue;
      if (OtherFits(chosen, answer) <= kOtherFitsMax) return ClueText(chosen);
      if (chosen.size() == most) chosen.pop_back();
    }
    return std::nullopt;
  }

  static std::u32string ClueText(const std::vector<Blank>& chosen) {
    std::u32string text;
    for (const Blank& blank : chosen) text += U"「" + blank.Context() + U"」";
    return text;
  }

  // An everyday word, one of the general vocabulary or a set phrase.
  bool IsKnown(const EdictEntry& entry) const {
    return entry.Common || sources_.InVocabulary(entry.Written) || IsPhraseEntry(entry);
  }

  bool IsKnownWord(const std::u32string& written) const {
    const auto found = byWritten_.find(written);
    return found != byWritten_.end() &&
           std::any_of(found->second.begin(), found->second.end(),
                       [&](const EdictEntry* entry) { return IsKnown(*entry) && CanShow(*entry); });
  }

  // "入口" -> "⇔出口": words of two kanji, one swapped for its opposite; the word an
  // everyday one, the antonym one a solver knows.
  std::optional<std::u32string> AntonymClue(const EdictEntry& entry) const {
    const std::u32string& written = entry.Written;
    if (!entry.Common || written.size() != 2 || !IsKanji(written[0]) || !IsKanji(written[1])) {
      return std::nullopt;
    }
    for (size_t at = 0; at < 2; ++at) {
      for (const auto& [one, other] : kOppositeKanji) {
        std::u32string opposite = written;
        if (opposite[at] == one) {
          opposite[at] = other;
        } else if (opposite[at] == other) {
          opposite[at] = one;
        } else {
          continue;
        }
        if (IsKnownWord(opposite)) return U"⇔" + opposite;
      }
    }
    return std::nullopt;
  }

  // "白髪" (ハクハツ) -> "シラガ" also: only where the written form has exactly two
  // readings in use, both everyday words; a rare reading ("羽衣" ウイ) is no fair answer.
  std::optional<std::u32string> OtherReadingClue(const EdictEntry& entry,
                                                 const std::u32string& answer) const {
    if (!entry.Common || !HoldsKanji(entry.Written)) return std::nullopt;
    std::set<std::u32string> readings;
    const EdictEntry* other = nullptr;
    for (const EdictEntry* same : byWritten_.at(entry.Written)) {
      if (HasAnyTag(same->Tags, {"ik", "ok", "iK", "oK", "arch", "obs", "rare"})) continue;
      const auto reading = AnswerFromReading(same->Reading);
      if (!reading) continue;
      readings.insert(*reading);
      if (*reading != answer && same->Common) other = same;
    }
    if (readings.size() != 2 || !readings.contains(answer) || other == nullptr) {
      return std::nullopt;
    }
    return Quoted(*AnswerFromReading(other->Reading)) + U"とも読む";
  }

  // "比" (ヒ) -> "くらべる" is its kun reading: only a kun reading no other kanji for
  // general use shares (okurigana included), of a kanji with no other on reading of the
  // answer's length.
  std::optional<std::u32string> KanjiReadingClue(const EdictEntry& entry,
                                                 const std::u32string& answer) const {
    if (entry.Written.size() != 1 || !IsKanji(entry.Written[0])) return std::nullopt;
    if (sources_.HighestKanjiGrade(entry.Written) > KanjiGradeGeneralMax) return std::nullopt;
    const KanjiReadings* readings = sources_.ReadingsOf(entry.Written[0]);
    if (readings == nullptr ||
        std::find(readings->On.begin(), readings->On.end(), answer) == readings->On.end()) {
      return std::nullopt;
    }
    const auto sameLength =
        std::count_if(readings->On.begin(), readings->On.end(),
                      [&](const auto& on) { return on.size() == answer.size(); });
    if (sameLength > 1) return std::nullopt;  // "間": カン or ケン would be a coin toss
    for (const std::u32string& kun : readings->Kun) {
      std::u32string joined = kun;
      std::erase(joined, U'.');
      if (sources_.GeneralKanjiReadAs(joined) == 1) return Quoted(joined) + U"の字の音読み";
    }
    return std::nullopt;
  }

  // An everyday word in standard use, of two letters or more, with the word's first gloss
  // and another of its glosses, of another reading: "マフラー" -> "襟巻き". A gloss many
  // words share tells none of them; two loanwords of one meaning are mostly spellings of
  // one ("メーク").
  std::optional<std::u32string> SynonymOf(const EdictEntry& entry,
                                          const std::u32string& answer) const {
    const std::u32string gloss = FirstGloss(entry);
    if (gloss.empty()) return std::nullopt;
    const auto group = synonymGroups_.find(Lowered(gloss));
    if (group == synonymGroups_.end() || group->second.size() > kSynonymGroupMax) {
      return std::nullopt;
    }
    const EdictEntry* best = nullptr;
    for (const EdictEntry* other : group->second) {
      const auto reading = AnswerFromReading(other->Reading);
      if (!reading || other->Written == entry.Written || other->Written.size() < 2 ||
          (IsKatakanaWord(entry.Written) && IsKatakanaWord(other->Written)) || !CanShow(*other) ||
          !SharesTwoGlosses(entry, *other)) {
        continue;
      }
      if (reading->find(answer) != std::u32string::npos ||
          answer.find(*reading) != std::u32string::npos || OneLetterApart(*reading, answer) ||
          ShareKanji(other->Written, entry.Written)) {
        continue;  // the same word, one holding it or another spelling ("こんにちは", "尊簡")
      }
      if (best == nullptr || other->Written.size() < best->Written.size()) best = other;
    }
    if (best == nullptr) return std::nullopt;
    return best->FirstSenseTags.contains("uk") ? best->Reading : best->Written;
  }

  // Both first senses hold two glosses alike, or each holds only the one they share.
  static bool SharesTwoGlosses(const EdictEntry& a, const EdictEntry& b) {
    const auto& x = a.Senses.front();
    const auto& y = b.Senses.front();
    if (x.size() == 1 && y.size() == 1) return true;
    const auto shared = std::count_if(x.begin(), x.end(), [&](const std::u32string& gloss) {
      return std::find(y.begin(), y.end(), gloss) != y.end();
    });
    return shared >= 2;
  }

  // Never the answer in any form, only kanji for general use and names, and what a puzzle
  // file's line can carry.
  bool IsFair(std::u32string& text, const EdictEntry& entry, const std::u32string& answer) const {
    MakeFieldSafe(text);
    return !ShowsAnswer(text, entry, answer) &&
           sources_.HighestKanjiGrade(text) <= KanjiGradeNamesMax && CanEncodeAllCp932(text);
  }

  const CommonnessSources& sources_;
  std::unordered_map<std::u32string, std::vector<std::u32string>> readings_;  // by written form
  std::unordered_map<char32_t, std::vector<std::u32string>> kanjiReadings_;
  std::unordered_map<std::u32string, std::vector<const EdictEntry*>> byWritten_;
  std::unordered_map<std::string, std::vector<const EdictEntry*>> synonymGroups_;  // first gloss
  // "WRITTEN\tREADING" -> where that word stands blankable.
  std::unordered_map<std::u32string, std::vector<Blank>> blanks_;
  // A blank's host with the blank marked -> the readings of every word that fits there.
  std::unordered_map<std::u32string, std::unordered_set<std::u32string>> fillers_;
};

JapaneseClueMaker::JapaneseClueMaker(const std::vector<EdictEntry>& entries,
                                     const CommonnessSources& sources)
    : index_(std::make_unique<Index>(entries, sources)) {}

JapaneseClueMaker::~JapaneseClueMaker() = default;

std::vector<StyledClue> JapaneseClueMaker::CluesFor(const EdictEntry& entry,
                                                    const std::u32string& answer) const {
  return index_->CluesFor(entry, answer);
}

}  // namespace crossword

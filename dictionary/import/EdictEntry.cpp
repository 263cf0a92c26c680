#include "dictionary/import/EdictEntry.h"

#include <algorithm>
#include <unordered_set>

#include "common/TextCodec.h"

namespace crossword {

namespace {

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

}  // namespace

bool IsConjugationClass(std::string_view tag) {
  return tag.size() >= 2 && tag[0] == 'v' && tag[1] >= '0' && tag[1] <= '9';
}

bool HasAnyTag(const std::set<std::string>& tags, std::initializer_list<const char*> wanted) {
  return std::any_of(wanted.begin(), wanted.end(),
                     [&](const char* tag) { return tags.contains(tag); });
}

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

}  // namespace crossword

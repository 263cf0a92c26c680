#include "dictionary/import/EdictImport.h"

#include <unordered_map>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/GridModel.h"
#include "common/TextCodec.h"
#include "dictionary/import/EdictClassification.h"
#include "dictionary/import/FieldText.h"
#include "dictionary/import/JapaneseClues.h"
#include "dictionary/import/KanaReading.h"

namespace crossword {

namespace {

constexpr size_t kClueLimit = 60;

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
// The words entries make, one per reading and meaning, or the reasons they make none.
class WordMaker {
 public:
  WordMaker(ImportedDictionary& dictionary, const CommonnessSources& sources,
            EverydayForms everyday)
      : dictionary_(dictionary), sources_(sources), everyday_(std::move(everyday)) {}

  void Add(const EdictEntry& entry, int lineNumber) {
    if (HasAnyTag(entry.Tags, {"X", "vulg", "derog"}))
      return Skip("marked rude, vulgar or X-rated");
    if (HasAnyTag(entry.Tags, {"ik", "ok"})) return Skip("irregular or outdated kana reading");
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
    const IndexPlace place = PlaceInIndex(entry, answer.size(), sources_, everyday_);
    word.CN = place.Category;
    word.BN = place.List;
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

}  // namespace

ImportedDictionary ImportEdict(const std::filesystem::path& path, const CommonnessSources& sources,
                               const ImportProgress& progress) {
  const std::string bytes = ReadWholeFile(path);
  ImportedDictionary dictionary;
  dictionary.Title = U"標準日本語辞書の索引：EDICT（電子辞書研究開発グループ）から作成";
  dictionary.Categories = EdictCategoryItems();
  dictionary.Lists = EdictListItems();
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

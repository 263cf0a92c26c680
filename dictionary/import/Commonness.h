#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// How common a Japanese word is, judged from data beside the word list: the grade of the
// kanji it is written with (KANJIDIC) and whether a general-vocabulary word list (the
// sources of the IPA dictionary for MeCab) holds it.
namespace crossword {

// A CJK ideograph (the unified blocks code page 932 draws from).
bool IsKanji(char32_t c);
bool HoldsKanji(std::u32string_view text);

// Bands from everyday words to rare and old ones; the index file asks them per rank. Long
// compounds of everyday words are as easy to read as their parts.
enum class CommonnessBand { Everyday = 1, EverydayCompound, Ordinary, Uncommon, Rare };

// The band's name as `wright dict info` and the index file show it.
std::u32string_view BandName(CommonnessBand band);

constexpr int KanjiGradePrimaryMax = 6;
constexpr int KanjiGradeGeneralMax = 8;
constexpr int KanjiGradeUnknown = 99;  // a kanji KANJIDIC gives no grade

constexpr int KanjiGradeNamesMax = 10;  // kanji for names (9, 10) follow those for general use

// The readings KANJIDIC gives a kanji, as answers spell them: on readings and kun readings
// (the okurigana after "." kept, prefix and suffix forms left out).
struct KanjiReadings {
  std::vector<std::u32string> On;
  std::vector<std::u32string> Kun;  // "くら.べる"
};

class CommonnessSources {
 public:
  CommonnessSources() = default;  // no kanji grades, no vocabulary: nothing is Ordinary
  // `kanjidic`: KANJIDIC (EUC-JP); `vocabularyFolder`: the ipadic CSV sources (EUC-JP).
  CommonnessSources(const std::filesystem::path& kanjidic,
                    const std::filesystem::path& vocabularyFolder);

  // The highest school grade of the kanji of `written`: 1..6 primary school, 8 the rest
  // of the kanji for general use, 9 and 10 kanji for names; 0 without kanji.
  int HighestKanjiGrade(std::u32string_view written) const;
  bool InVocabulary(const std::u32string& written) const { return vocabulary_.contains(written); }
  // Nothing for a kanji KANJIDIC does not hold.
  const KanjiReadings* ReadingsOf(char32_t kanji) const;
  // How many kanji for general use have this kun reading ("くらべる", okurigana joined).
  int GeneralKanjiReadAs(const std::u32string& kun) const;

 private:
  void ReadKanjidic(const std::filesystem::path& path);
  void ReadVocabularyFile(const std::filesystem::path& path);

  void ReadReadings(char32_t kanji, std::u32string_view fields, int grade);

  std::unordered_map<char32_t, int> kanjiGrade_;
  std::unordered_map<char32_t, KanjiReadings> kanjiReadings_;
  std::unordered_map<std::u32string, int> generalKanjiByKun_;
  std::unordered_set<std::u32string> vocabulary_;
};

}  // namespace crossword

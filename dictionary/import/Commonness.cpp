#include "dictionary/import/Commonness.h"

#include <algorithm>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/TextCodec.h"
#include "dictionary/import/KanaReading.h"

namespace crossword {

namespace {

// The files of the general vocabulary: common nouns, verbs, adjectives and adverbs, not
// the names of people, places and organisations.
constexpr const char* kVocabularyFiles[] = {
    "Noun.csv", "Noun.adjv.csv", "Noun.verbal.csv", "Noun.adverbal.csv", "Verb.csv",
    "Adj.csv",  "Adverb.csv",    "Adnominal.csv",   "Conjunction.csv",   "Interjection.csv"};

constexpr size_t kBaseFormField = 10;  // surface,left,right,cost,pos x4,conj x2,BASE,...

std::u32string DecodedFile(const std::filesystem::path& path) {
  try {
    return DecodeEucJp(ReadWholeFile(path));
  } catch (const TextEncodingError& error) {
    throw FileError(path, error.what());
  }
}

template <typename OnLine>
void ForEachLine(std::u32string_view text, OnLine onLine) {
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find(U'\n', start), text.size());
    onLine(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

bool IsKanji(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF);
}

bool HoldsKanji(std::u32string_view text) {
  return std::any_of(text.begin(), text.end(), IsKanji);
}

std::u32string_view BandName(CommonnessBand band) {
  switch (band) {
    case CommonnessBand::Everyday:
      return U"ふだんの言葉";
    case CommonnessBand::EverydayCompound:
      return U"ふだんの言葉を組み合わせた長い言葉";
    case CommonnessBand::Ordinary:
      return U"ふつうの言葉";
    case CommonnessBand::Uncommon:
      return U"あまり使わない言葉";
    case CommonnessBand::Rare:
      break;
  }
  return U"古い言葉・まれな言葉";
}

CommonnessSources::CommonnessSources(const std::filesystem::path& kanjidic,
                                     const std::filesystem::path& vocabularyFolder) {
  ReadKanjidic(kanjidic);
  for (const char* name : kVocabularyFiles) ReadVocabularyFile(vocabularyFolder / name);
}

// "亜 3021 U4e9c B1 C7 G8 ...": the kanji, then fields, the grade among them as "G<n>".
void CommonnessSources::ReadKanjidic(const std::filesystem::path& path) {
  ForEachLine(DecodedFile(path), [&](std::u32string_view line) {
    if (line.empty() || line[0] == U'#') return;
    const size_t grade = line.find(U" G");
    if (grade == std::u32string_view::npos) return;
    int value = 0;
    for (size_t i = grade + 2; i < line.size() && line[i] >= U'0' && line[i] <= U'9'; ++i) {
      value = value * 10 + static_cast<int>(line[i] - U'0');
    }
    kanjiGrade_[line[0]] = value;
    ReadReadings(line[0], line.substr(1), value);
  });
}

// The readings stand among the fields up to "T1", which starts the readings used in names.
void CommonnessSources::ReadReadings(char32_t kanji, std::u32string_view fields, int grade) {
  KanjiReadings& readings = kanjiReadings_[kanji];
  for (size_t start = 0; start < fields.size();) {
    const size_t end = std::min(fields.find(U' ', start), fields.size());
    const std::u32string_view field = fields.substr(start, end - start);
    start = end + 1;
    if (field == U"T1" || field.starts_with(U'{')) break;
    if (field.empty() || field.find(U'-') != std::u32string_view::npos) continue;
    if (IsKatakanaLetter(field[0])) {
      if (const auto on = AnswerFromReading(field)) readings.On.push_back(*on);
    } else if (field[0] >= U'ぁ' && field[0] <= U'ゖ') {
      readings.Kun.emplace_back(field);
      std::u32string joined(field);
      std::erase(joined, U'.');
      if (grade >= 1 && grade <= KanjiGradeGeneralMax) ++generalKanjiByKun_[joined];
    }
  }
}

const KanjiReadings* CommonnessSources::ReadingsOf(char32_t kanji) const {
  const auto found = kanjiReadings_.find(kanji);
  return found == kanjiReadings_.end() ? nullptr : &found->second;
}

int CommonnessSources::GeneralKanjiReadAs(const std::u32string& kun) const {
  const auto found = generalKanjiByKun_.find(kun);
  return found == generalKanjiByKun_.end() ? 0 : found->second;
}

void CommonnessSources::ReadVocabularyFile(const std::filesystem::path& path) {
  int lineNumber = 0;
  ForEachLine(DecodedFile(path), [&](std::u32string_view line) {
    ++lineNumber;
    if (line.empty()) return;
    size_t start = 0;
    for (size_t field = 0; field < kBaseFormField; ++field) {
      start = line.find(U',', start);
      if (start == std::u32string_view::npos) {
        throw FileError(path, lineNumber, "the line has no base form (field 11)");
      }
      ++start;
    }
    vocabulary_.emplace(line.substr(start, line.find(U',', start) - start));
  });
}

int CommonnessSources::HighestKanjiGrade(std::u32string_view written) const {
  int highest = 0;
  for (char32_t c : written) {
    if (!IsKanji(c)) continue;
    const auto found = kanjiGrade_.find(c);
    highest = std::max(highest, found == kanjiGrade_.end() || found->second == 0 ? KanjiGradeUnknown
                                                                                 : found->second);
  }
  return highest;
}

}  // namespace crossword

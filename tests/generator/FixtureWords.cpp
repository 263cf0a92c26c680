#include "tests/generator/FixtureWords.h"

#include "common/FileOps.h"
#include "common/TextCodec.h"
#include "dictionary/DictionaryWriter.h"

namespace crossword::testing {

WordRecord Word(int ID, const std::string& Yst, int CN, int BN, int QN, int AN) {
  const std::u32string number = FromUtf8(std::to_string(ID));
  return {ID, FromUtf8(Yst), U"問" + number, U"答" + number, CN, BN, QN, AN, ID % 7};
}

std::vector<WordRecord> EveryShortWord() {
  std::vector<WordRecord> words;
  const std::vector<std::string> letters = {"ア", "イ", "ウ"};
  std::vector<std::string> readings = {""};
  for (int length = 1; length <= 5; ++length) {
    std::vector<std::string> longer;
    for (const auto& reading : readings) {
      for (const auto& letter : letters) longer.push_back(reading + letter);
    }
    readings = longer;
    if (length < 2) continue;
    for (const auto& reading : readings) {
      const int id = static_cast<int>(words.size()) + 1;
      const int category = length == 2 ? 4 : 1 + id % 3;
      words.push_back(Word(id, reading, category, id % 2, id, 0));
    }
  }
  return words;
}

void WriteFixtureDictionary(const std::filesystem::path& path) {
  WriteDictionary(path, EveryShortWord());
  std::string index;
  for (const char* line :
       {";次行より「分野」の指定", "01あ行,yes,yes,yes,yes,yes", "02い行,yes,yes,yes,yes,yes",
        "03う行,yes,yes,yes,yes,yes", "04短い言葉,no,no,no,no,no", ";ここまで",
        ";次行より「リスト」の指定", "01一覧,yes,yes,1,1,no", ";ここまで"}) {
    index += EncodeCp932(FromUtf8(line)) + "\r\n";
  }
  CreateFileWith(std::filesystem::path(path).replace_extension(".idx"), index);
}

}  // namespace crossword::testing

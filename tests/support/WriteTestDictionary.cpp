// Writes a dictionary with the same number of made-up words of every length 2..12, for
// end-to-end runs of wright that need a dictionary of a known size.
//   write_test_dictionary OUT.lxd WORDS_PER_LENGTH
#include <iostream>
#include <string>
#include <vector>

#include "common/GridModel.h"
#include "dictionary/DictionaryWriter.h"

namespace {

// The k-th reading of a length, spelt in the 46 basic kana as digits.
std::u32string Reading(int length, int k) {
  std::u32string reading;
  for (int i = 0; i < length; ++i, k /= 46) reading += static_cast<char32_t>(U'あ' + k % 46);
  return reading;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: write_test_dictionary OUT.lxd WORDS_PER_LENGTH\n";
    return 2;
  }
  const int count = std::stoi(argv[2]);
  std::vector<crossword::WordRecord> words;
  for (int length = crossword::AnswerLenMin; length <= crossword::AnswerLenMax; ++length) {
    for (int k = 0; k < count; ++k) {
      const std::u32string reading = Reading(length, k);
      words.push_back({static_cast<int>(words.size()) + 1, reading, U"clue", reading, 1});
    }
  }
  crossword::WriteDictionary(argv[1], words);
  return 0;
}

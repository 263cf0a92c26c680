#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Conversions at the edges of the program. Inside, a letter is a char32_t, a word a
// std::u32string, and every other text UTF-8.
namespace crossword {

// Text that cannot be carried in the target encoding; the message names the character.
class TextEncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string ToUtf8(std::u32string_view text);
std::string ToUtf8(char32_t letter);
// These throw TextEncodingError on a byte sequence that is not UTF-8.
std::u32string FromUtf8(std::string_view text);
void AppendFromUtf8(std::string_view text, std::u32string& out);
void CheckUtf8(std::string_view text);

// "'あ' (U+3042)": how a message names a single character.
std::string DescribeCharacter(char32_t letter);

// Code page 932 (Shift-JIS with the Windows extensions), the encoding of every text file
// the programs exchange. Encoding refuses what the code page cannot hold instead of
// writing a substitute, and decoding refuses bytes that are not code page 932.
std::string EncodeCp932(std::u32string_view text);
std::u32string DecodeCp932(std::string_view bytes);
bool CanEncodeCp932(char32_t letter);

// EUC-JP, the encoding of the word lists the default Japanese dictionary is made from.
std::u32string DecodeEucJp(std::string_view bytes);

}  // namespace crossword

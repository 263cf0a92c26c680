#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

// The letter index of a dictionary file: for each length, position and letter, the stored
// positions of the words that have that letter there. It lets a find read one short row
// instead of walking a letter field's index; a dictionary without it is still searched
// through those indexes.
namespace crossword {

constexpr char LetterIndexTable[] = "LetterIndex";

// (length, position 1..length, letter) -> stored positions, ascending.
using LetterPositions = std::map<std::tuple<int, int, char32_t>, std::vector<int>>;

std::string CreateLetterIndexSql();
// SELECT Positions by ?1 length, ?2 position, ?3 letter; and every row.
std::string SelectLetterPositionsSql();
std::string SelectLetterIndexSql();
std::string InsertLetterPositionsSql();

// The positions as little-endian 32-bit numbers, and back; nothing for a blob of the
// wrong size or out of order.
std::string PositionsBlob(const std::vector<int>& positions);
std::optional<std::vector<int>> PositionsFromBlob(std::string_view blob);

}  // namespace crossword

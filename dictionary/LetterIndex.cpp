#include "dictionary/LetterIndex.h"

#include <algorithm>
#include <cstdint>

namespace crossword {

std::string CreateLetterIndexSql() {
  return std::string("CREATE TABLE ") + LetterIndexTable +
         " (Length INTEGER NOT NULL, Position INTEGER NOT NULL, Letter TEXT NOT NULL,"
         " Positions BLOB NOT NULL, PRIMARY KEY (Length, Position, Letter)) WITHOUT ROWID, STRICT";
}

std::string SelectLetterPositionsSql() {
  return std::string("SELECT Positions FROM ") + LetterIndexTable +
         " WHERE Length = ?1 AND Position = ?2 AND Letter = ?3";
}

std::string SelectLetterIndexSql() {
  return std::string("SELECT Length, Position, Letter, Positions FROM ") + LetterIndexTable;
}

std::string InsertLetterPositionsSql() {
  return std::string("INSERT INTO ") + LetterIndexTable + " VALUES (?1, ?2, ?3, ?4)";
}

std::string PositionsBlob(const std::vector<int>& positions) {
  std::string blob;
  blob.reserve(positions.size() * 4);
  for (int k : positions) {
    for (int shift = 0; shift < 32; shift += 8) {
      blob += static_cast<char>((static_cast<std::uint32_t>(k) >> shift) & 0xFF);
    }
  }
  return blob;
}

std::optional<std::vector<int>> PositionsFromBlob(std::string_view blob) {
  if (blob.size() % 4 != 0) return std::nullopt;
  std::vector<int> positions(blob.size() / 4);
  for (size_t i = 0; i < positions.size(); ++i) {
    std::uint32_t k = 0;
    for (int b = 3; b >= 0; --b) k = k << 8 | static_cast<unsigned char>(blob[i * 4 + b]);
    positions[i] = static_cast<int>(k);
  }
  const bool ascending = std::adjacent_find(positions.begin(), positions.end(),
                                            std::greater_equal<int>()) == positions.end();
  if (!ascending || (!positions.empty() && positions.front() < 1)) return std::nullopt;
  return positions;
}

}  // namespace crossword

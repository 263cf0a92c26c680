#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text made fit for a dictionary field: what the puzzle file's lines and code page 932 can
// carry, and clues short enough to read.
namespace crossword {

// Writes "," as "，" and a line break as a blank, which would otherwise break a puzzle
// file line; returns how many characters it changed.
int MakeFieldSafe(std::u32string& text);

// Latin letters with accents written without them ("Tōkyō" -> "Tokyo"), since code page
// 932 has none of them; other characters stay.
std::u32string FoldAccents(std::u32string_view text);

bool CanEncodeAllCp932(std::u32string_view text);

// The pieces that fit within `limit` characters joined with "; ", from the first that fits
// whole. When none does, the first that can be cut to the room where a phrase ends, its
// asides in parentheses dropped. Nothing when no piece gives a whole phrase. Blanks left
// where a part was taken out go with it.
std::optional<std::u32string> WholeClue(const std::vector<std::u32string>& pieces, size_t limit);

// WholeClue, or failing it the first piece cut at a blank and ended with "…"; never inside
// a word, so nothing when its first word is too long. Nothing without pieces.
std::optional<std::u32string> ShortClue(const std::vector<std::u32string>& pieces, size_t limit);

}  // namespace crossword

#pragma once

#include <string>

#include "common/Message.h"
#include "proofer/engine/ProofSession.h"

// What Proofwright says, in Japanese: the boxes it shows and the notes beside its fields.
namespace crossword {

// Closing or opening another set while changes are not saved: Yes saves, No drops them.
CatalogueMessage UnsavedChangesMessage();
// The set's dictionary is not where its grid settings file says: OK to pick one.
CatalogueMessage DictionaryNotFoundMessage(const std::string& set);
// Learning has written `words` words into the dictionary (0: it held every clue).
CatalogueMessage LearntMessage(int words, const std::string& dictionary);
// A save or a learning that failed leaves every file as it was.
std::string NothingWrittenNote();

// The note beside a clue field: what keeps the text out, or how it will be written; empty
// when it goes in as typed.
std::string ClueNote(const TextCheck& clue, const TextCheck& written);
// Why the replacement list is empty although the slot may have words.
std::string SwapBlockerNote(SwapBlocker blocker);

}  // namespace crossword

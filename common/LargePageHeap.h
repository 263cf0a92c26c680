#pragma once

namespace crossword {

// Asks that the heap's first megabytes be served from the system's large pages, where it
// offers them on request. A fill writes tens of megabytes of tables once and then reads them
// at random; faulting them in one small page at a time took as long as a dense fill itself.
// Call once, at the start of a program, before its work allocates.
void UseLargePagesForHeap();

}  // namespace crossword

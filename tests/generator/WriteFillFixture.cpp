// Writes the fill tests' fixture dictionary with its index file, for end-to-end runs of
// wright fill.
//   write_fill_fixture OUT.lxd
#include <iostream>

#include "tests/generator/FixtureWords.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write_fill_fixture OUT.lxd\n";
    return 2;
  }
  crossword::testing::WriteFixtureDictionary(argv[1]);
  return 0;
}

#include "tools/wright/SeedOption.h"

namespace crossword::wright {

namespace {

// "fixed" or a whole number of at most 19 digits, which a 64-bit seed always holds.
std::string CheckSeed(const std::string& seed) {
  const bool number = !seed.empty() && seed.size() <= 19 &&
                      seed.find_first_not_of("0123456789") == std::string::npos;
  return seed == "fixed" || number ? "" : "expected fixed or a whole number, found " + seed;
}

}  // namespace

CLI::Option* AddSeedOption(CLI::App& command, std::string& seed) {
  return command
      .add_option("--seed", seed,
                  "fixed: repeat the run for the same files and settings; a number: another "
                  "repeatable run (default: from the clock)")
      ->check(CLI::Validator(CheckSeed, "fixed|NUMBER"));
}

void SeedRandom(const std::string& seed, RandomSource& random) {
  if (seed.empty()) {
    random.ReseedFromClock();
  } else if (seed != "fixed") {
    random.Reseed(std::stoull(seed));
  }
}

}  // namespace crossword::wright

#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "common/RandomSource.h"

// --seed of the commands that draw random numbers: "fixed" repeats a run for the same
// files and settings, a number picks another repeatable run, none draws anew.
namespace crossword::wright {

CLI::Option* AddSeedOption(CLI::App& command, std::string& seed);
void SeedRandom(const std::string& seed, RandomSource& random);

}  // namespace crossword::wright

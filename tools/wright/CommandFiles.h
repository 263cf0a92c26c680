#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

// What every command checks of the files and numbers it is given, in the same words.
namespace crossword::wright {

// Refuses an output that is one of the inputs by identity (a link to it or another
// spelling of its name included): writing it would destroy what the command reads.
void RefuseOutputOverInput(const std::string& output, const std::vector<std::string>& inputs);

// "1 stage", "2 stages".
std::string Counted(long count, const std::string& noun);

// A whole number from `lowest` to `highest`, refused in wright's words.
CLI::Validator WholeNumberIn(int lowest, int highest);
// A number of seconds above 0 (and at most `highest`).
CLI::Validator SecondsAbove0(double highest);

}  // namespace crossword::wright

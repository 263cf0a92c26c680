#include "tools/wright/CommandFiles.h"

#include <charconv>
#include <cmath>

#include "common/FileOps.h"

namespace crossword::wright {

void RefuseOutputOverInput(const std::string& output, const std::vector<std::string>& inputs) {
  for (const std::string& input : inputs) {
    if (input.empty() || !IsSameFile(input, output)) continue;
    throw std::runtime_error(output + " is the input file " + input +
                             " itself; writing it would destroy it: name another file");
  }
}

std::string Counted(long count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

CLI::Validator WholeNumberIn(int lowest, int highest) {
  const std::string range = std::to_string(lowest) + " to " + std::to_string(highest);
  return CLI::Validator(
      [=](std::string& text) -> std::string {
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size() && value >= lowest &&
            value <= highest) {
          return "";
        }
        return "'" + text + "' is not a whole number from " + range;
      },
      range);
}

CLI::Validator SecondsAbove0(double highest) {
  return CLI::Validator(
      [=](std::string& text) -> std::string {
        char* end = nullptr;
        const double seconds = std::strtod(text.c_str(), &end);
        if (!text.empty() && *end == '\0' && std::isfinite(seconds) && seconds > 0 &&
            seconds <= highest) {
          return "";
        }
        return "'" + text + "' is not a number of seconds above 0";
      },
      "SECONDS");
}

}  // namespace crossword::wright

// orvandel-cli's command line: its commands (one row each, in commands.h),
// their options, the French help with examples, and every refusal worded on
// one French line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "group/conditions.h"

namespace orvandel {

struct CommandRow;

struct Options {
  bool typed = false;
  std::optional<std::string> sheetFile;
  std::optional<std::string> diceScript;
  std::optional<std::string> diceFile;
  std::optional<std::uint64_t> seed;
  long long count = 1;
  std::string format;
  bool traceDice = false;
  bool journal = false;      // the roll journal on stderr, French lines
  bool journalJson = false;  // the same as JSON Lines
  std::optional<std::string> outputFile;
  std::string target;
  // The conditions of a group; nothing for a plain batch.
  std::optional<Conditions> conditions;
  std::optional<std::string> groupName;  // what the pnj page calls them
  std::string nameList;                  // the list `names` prints, empty for all
};

// What the command line asks for: a command with its options; or a text to
// print before ending well (help, version); or the one line that says what
// was wrong and what is allowed.
struct Request {
  const CommandRow* command = nullptr;
  Options options;
  std::string print;
  std::string error;
};

Request readCommandLine(const std::vector<std::string>& args);

}  // namespace orvandel

// orvandel-cli's commands, one row each: the name typed, the help texts, the
// options it takes and what it runs. A new command is one more row.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/group_options.h"

namespace CLI {
class App;
}

namespace orvandel {

struct Options;

// What the options hold as typed, before they are checked: --count and
// --seed as text, so that a sign or a fraction can be refused by name.
struct TypedValues {
  std::string count = "1";
  std::optional<std::string> seed;
  std::optional<std::string> format;
  TypedConditions conditions;
};

struct CommandRow {
  std::string_view name;
  std::string_view summary;
  std::string_view examples;
  // The --format values it takes, the default first.
  std::vector<std::string_view> (*formats)();
  void (*addOptions)(CLI::App& command, Options& options, TypedValues& typed);
  // Returns the exit status.
  int (*run)(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);
};

std::span<const CommandRow> commandRows();

// What improve takes: the controls a click improves, with their ranges.
std::string_view improvementTargets();

}  // namespace orvandel

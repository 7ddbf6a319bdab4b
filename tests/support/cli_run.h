// One run of orvandel-cli in the test's own process: its exit status and
// what it wrote on each stream.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

namespace orvandel {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun cli(const std::vector<std::string>& args, std::istream& in) {
  std::ostringstream out, err;
  const int status = runCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

inline CliRun cli(const std::vector<std::string>& args, const std::string& stdinText = "") {
  std::istringstream in(stdinText);
  return cli(args, in);
}

inline long lineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// JSON lines of sheets without their recipes, which the sheets' last key
// holds: the same sheets made from a seed and from its traced rolls differ
// only there, each recipe telling its own dice.
inline std::string withoutRecipes(const std::string& jsonLines) {
  constexpr std::string_view kRecipe = ",\"recette\":";
  std::istringstream lines(jsonLines);
  std::string out;
  for (std::string line; std::getline(lines, line);) {
    if (const auto at = line.find(kRecipe); at != std::string::npos) line.replace(at, line.size() - at, "}");
    out += line + '\n';
  }
  return out;
}

}  // namespace orvandel

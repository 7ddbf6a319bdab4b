// One run of orvandel-cli in the test's own process: its exit status and
// what it wrote on each stream.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
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

}  // namespace orvandel

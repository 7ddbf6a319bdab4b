// orvandel-cli: the window's headless twin. It runs the same engine from the
// command line: a generation (random or typed entry) or an improvement click
// on a sheet given as JSON, with clock, seeded or scripted dice.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvandel {

// Exit statuses of orvandel-cli.
enum ExitStatus : int {
  kExitDone = 0,
  kExitRefused = 1,     // the typed entry refused its input, or verify found the
                        // sheet not what its recipe gives
  kExitUsage = 2,       // bad arguments or a bad sheet
  kExitDiceScript = 3,  // the dice script does not fit the run
  kExitNotFound = 4,    // no character met a group's conditions in time
};

// Runs the command line `args` (without the program name).
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace orvandel

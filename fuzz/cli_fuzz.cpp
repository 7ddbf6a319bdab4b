// orvandel-cli's two parsers, the JSON sheet and the dice script: whatever
// they are given, the run ends with a known status, and a refusal is one
// line on stderr with nothing on stdout.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace {

void run(const std::vector<std::string>& args, const std::string& stdinText) {
  std::istringstream in(stdinText);
  std::ostringstream out, err;
  const int status = orvandel::runCli(args, in, out, err);
  const std::string errText = err.str();
  const long lines = std::count(errText.begin(), errText.end(), '\n');
  const bool clean = (status == 0 && !out.str().empty()) || (status == 1 && lines == 1) ||
                     ((status == 2 || status == 3) && lines == 1 && out.str().empty());
  if (!clean) {
    std::fprintf(stderr, "status %d, stderr: %s\n", status, errText.c_str());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  run({"generate", "--typed", "--sheet", "-", "--seed", "1"}, bytes);
  run({"generate", "--dice", bytes}, "");
  run({"improve", "comp(3)", "--sheet", "-", "--dice", bytes}, R"j({"des_comp":"2"})j");
  return 0;
}

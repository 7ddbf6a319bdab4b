// The approval corpus: scenarios.jsonl holds one scenario a line (a sheet and
// the orvandel-cli commands run on it one after another, each reading the
// sheet the previous one printed), expected/ the approved record of each:
// every command's status, error line and output, one sheet key a line.
// ORVANDEL_APPROVE=1 rewrites the records from today's engine instead of
// checking them; review the change with `git diff tests/approval`.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli.h"

namespace orvandel {
namespace {

using nlohmann::json;
const std::filesystem::path kCorpus = ORVANDEL_APPROVAL_DIR;

std::vector<json> scenarios() {
  std::vector<json> all;
  std::ifstream file(kCorpus / "scenarios.jsonl");
  for (std::string line; std::getline(file, line);)
    if (!line.empty() && line[0] != '#') all.push_back(json::parse(line));
  return all;
}

std::string readable(const std::string& printed) {
  std::string text;
  std::istringstream lines(printed);
  for (std::string line; std::getline(lines, line);) {
    const auto sheet = nlohmann::ordered_json::parse(line, nullptr, false);
    text += (sheet.is_object() ? sheet.dump(1) : line) + '\n';
  }
  return text;
}

// A step is "key=value ... command arguments": the keys are typed into the
// sheet before the command runs with that sheet on its standard input.
std::string replay(const json& scenario) {
  std::string sheet = scenario.value("sheet", json::object()).dump();
  std::string record;
  for (const std::string step : scenario["steps"]) {
    std::istringstream words(step);
    std::vector<std::string> args;
    for (std::string word; words >> word;) args.push_back(word);
    auto typed = json::parse(sheet);
    while (args.front().find('=') != std::string::npos) {
      const auto eq = args.front().find('=');
      typed[args.front().substr(0, eq)] = args.front().substr(eq + 1);
      args.erase(args.begin());
    }
    args.insert(args.end(), {"--sheet", "-"});
    std::istringstream in(typed.dump());
    std::ostringstream out, err;
    const int status = runCli(args, in, out, err);
    record += "$ " + step + "\nstatus " + std::to_string(status) + "\n" + err.str() + readable(out.str());
    const std::string printed = out.str().substr(0, out.str().find('\n'));
    if (json::parse(printed, nullptr, false).is_object()) sheet = printed;
  }
  return record;
}

class Approval : public ::testing::TestWithParam<json> {};

TEST_P(Approval, PrintsItsApprovedRecord) {
  const auto path = kCorpus / "expected" / (GetParam()["name"].get<std::string>() + ".txt");
  const std::string record = replay(GetParam());
  if (std::getenv("ORVANDEL_APPROVE")) {
    std::ofstream(path, std::ios::binary) << record;
    return;
  }
  std::ifstream file(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), record);
}

INSTANTIATE_TEST_SUITE_P(Corpus, Approval, ::testing::ValuesIn(scenarios()), [](const auto& scenario) {
  return scenario.param["name"].template get<std::string>();
});

TEST(ApprovalCorpus, EveryRecordHasItsScenario) {
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(kCorpus / "expected"), {}),
            static_cast<std::ptrdiff_t>(scenarios().size()));
}

}  // namespace
}  // namespace orvandel

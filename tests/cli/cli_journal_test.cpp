// orvandel-cli's roll journal: what --journal and --journal-json write on
// standard error against the dice --trace-dice prints for the same run.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace orvandel {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::vector<std::string> errLines;
};

CliRun cli(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = runCli(args, in, out, err);
  CliRun run{status, out.str(), {}};
  std::istringstream lines(err.str());
  for (std::string line; std::getline(lines, line);) run.errLines.push_back(line);
  return run;
}

// The journal's dice in order, written as a --dice script.
std::string journalScript(const std::vector<std::string>& lines) {
  std::string script;
  for (const auto& line : lines) {
    if (!line.starts_with('{')) continue;
    const auto entry = nlohmann::json::parse(line);
    for (const auto& roll : entry["jets"])
      script += (script.empty() ? "" : ",") + roll[0].dump() + ":" + roll[1].dump();
  }
  return script;
}

TEST(CliJournalTest, JournalDiceAreTheTracedDiceAndReplayTheSameJournal) {
  for (const char* seed : {"1", "2", "17", "2024", "99999"}) {
    const CliRun run = cli({"generate", "--seed", seed, "--journal-json", "--trace-dice"});
    ASSERT_EQ(run.status, 0);
    ASSERT_GE(run.errLines.size(), 40U);
    const std::string trace = run.errLines.back();
    EXPECT_EQ(journalScript(run.errLines), trace) << seed;

    const CliRun replay = cli({"generate", "--dice", trace, "--journal-json"});
    ASSERT_EQ(replay.status, 0);
    EXPECT_EQ(replay.out, run.out);
    EXPECT_EQ(replay.errLines, std::vector(run.errLines.begin(), run.errLines.end() - 1)) << seed;
  }
}

TEST(CliJournalTest, BatchPutsEachJournalUnderItsSheet) {
  const CliRun text = cli({"generate", "--count", "3", "--seed", "5", "--journal"});
  ASSERT_EQ(text.status, 0);
  std::vector<std::string> headings;
  for (const auto& line : text.errLines)
    if (line.starts_with("Fiche ")) headings.push_back(line);
  EXPECT_EQ(headings, (std::vector<std::string>{"Fiche 1 sur 3", "Fiche 2 sur 3", "Fiche 3 sur 3"}));
  EXPECT_TRUE(text.errLines[1].starts_with("Caractéristiques — FORce : ")) << text.errLines[1];

  const CliRun json = cli({"generate", "--count", "3", "--seed", "5", "--journal-json"});
  EXPECT_EQ(nlohmann::json::parse(json.errLines.front())["fiche"], 1);
  EXPECT_EQ(nlohmann::json::parse(json.errLines.back())["fiche"], 3);
  EXPECT_EQ(json.errLines.size(), text.errLines.size() - 3);
}

TEST(CliJournalTest, ImproveWritesOneEntryAndARefusalWritesNone) {
  const std::string sheet = R"js({"des_comp": "3", "Text1(17)": "40", "comp(17)": "Voir"})js";
  const CliRun click = cli({"improve", "comp(17)", "--sheet", "-", "--dice", "100:37", "--journal"}, sheet);
  ASSERT_EQ(click.status, 0);
  EXPECT_EQ(click.errLines,
            std::vector<std::string>{
                "Amélioration — Voir : 40 + 18 (moitié du jet 37) = 58 ; Suplé. 2 [dés 100:37]"});

  const CliRun refused =
      cli({"generate", "--typed", "--sheet", "-", "--journal"}, R"js({"forc": "", "con": "12"})js");
  EXPECT_EQ(refused.status, 1);
  ASSERT_EQ(refused.errLines.size(), 1U);
  EXPECT_TRUE(refused.errLines[0].starts_with("Remplir les cases bleues")) << refused.errLines[0];

  const CliRun both = cli({"generate", "--journal", "--journal-json"});
  EXPECT_EQ(both.status, 2);
  EXPECT_NE(both.errLines.at(0).find("--journal ou --journal-json"), std::string::npos);
}

}  // namespace
}  // namespace orvandel

// orvandel-cli's roll journal: what --journal and --journal-json write on
// standard error against the dice --trace-dice prints for the same run.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"

namespace orvandel {
namespace {

// What a run wrote on standard error, a line each.
std::vector<std::string> errLines(const CliRun& run) {
  std::vector<std::string> lines;
  std::istringstream err(run.err);
  for (std::string line; std::getline(err, line);) lines.push_back(line);
  return lines;
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

// One seed is enough here: the engine's journal tests run hundreds against
// the recorded dice; this is the CLI's JSON form of it and its replay.
TEST(CliJournalTest, JournalDiceAreTheTracedDiceAndReplayTheSameJournal) {
  const std::vector<std::string> run =
      errLines(cli({"generate", "--seed", "17", "--journal-json", "--trace-dice"}));
  ASSERT_GE(run.size(), 40U);
  const std::string trace = run.back();
  EXPECT_EQ(journalScript(run), trace);

  const CliRun replay = cli({"generate", "--dice", trace, "--journal-json"});
  ASSERT_EQ(replay.status, 0);
  EXPECT_EQ(withoutRecipes(replay.out), withoutRecipes(cli({"generate", "--seed", "17"}).out));
  EXPECT_EQ(errLines(replay), std::vector(run.begin(), run.end() - 1));
}

TEST(CliJournalTest, BatchPutsEachJournalUnderItsSheet) {
  const std::vector<std::string> text =
      errLines(cli({"generate", "--count", "3", "--seed", "5", "--journal"}));
  std::vector<std::string> headings;
  for (const auto& line : text)
    if (line.starts_with("Fiche ")) headings.push_back(line);
  EXPECT_EQ(headings, (std::vector<std::string>{"Fiche 1 sur 3", "Fiche 2 sur 3", "Fiche 3 sur 3"}));
  EXPECT_TRUE(text[1].starts_with("Caractéristiques — FORce : ")) << text[1];

  const std::vector<std::string> json =
      errLines(cli({"generate", "--count", "3", "--seed", "5", "--journal-json"}));
  EXPECT_EQ(nlohmann::json::parse(json.front())["fiche"], 1);
  EXPECT_EQ(nlohmann::json::parse(json.back())["fiche"], 3);
  EXPECT_EQ(json.size(), text.size() - 3);
}

TEST(CliJournalTest, ImproveWritesOneEntryAndARefusalWritesNone) {
  const std::string sheet = R"js({"des_comp": "3", "Text1(17)": "40", "comp(17)": "Voir"})js";
  const CliRun click = cli({"improve", "comp(17)", "--sheet", "-", "--dice", "100:37", "--journal"}, sheet);
  ASSERT_EQ(click.status, 0);
  EXPECT_EQ(click.err, "Amélioration — Voir : 40 + 18 (moitié du jet 37) = 58 ; Suplé. 2 [1d100 : 37]\n");

  const CliRun refused =
      cli({"generate", "--typed", "--sheet", "-", "--journal"}, R"js({"forc": "", "con": "12"})js");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(lineCount(refused.err), 1);
  EXPECT_TRUE(refused.err.starts_with("Remplir les cases bleues")) << refused.err;

  const CliRun both = cli({"generate", "--journal", "--journal-json"});
  EXPECT_EQ(both.status, 2);
  EXPECT_NE(both.err.find("--journal ou --journal-json"), std::string::npos);
}

}  // namespace
}  // namespace orvandel

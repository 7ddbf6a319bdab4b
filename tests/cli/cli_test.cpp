#include "cli/cli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

#include "sheet_io/sheet_json.h"
#include "core/sheet_fields.h"

namespace orvandel {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun cli(std::vector<std::string> args, const std::string& stdinText = "") {
  std::istringstream in(stdinText);
  std::ostringstream out, err;
  const int status = runCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

int lineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

const std::string kTypedSheet =
    R"j({"forc":"14","con":"12","tai":"11","dex":"13","intl":"10","pou":"9","cha":"8",)j"
    R"j("nationalite":"33","profession":"07","age":"22"})j";

TEST(CliTest, SeededGenerationIsCompleteAndReproducible) {
  const CliRun first = cli({"generate", "--seed", "1"});
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.err, "");
  EXPECT_EQ(cli({"generate", "--seed", "1"}).out, first.out);
  EXPECT_NE(cli({"generate", "--seed", "2"}).out, first.out);

  const auto json = nlohmann::ordered_json::parse(first.out);
  std::vector<std::string> keys;
  for (const auto& [key, value] : json.items()) keys.push_back(key);
  EXPECT_EQ(keys, controlNames());
  EXPECT_TRUE(json["des_ok(14)"].is_boolean());
  EXPECT_TRUE(json["comp(1)"].is_string());
  const int desComp = std::stoi(json["des_comp"].get<std::string>());
  EXPECT_GE(desComp, 3);
  EXPECT_LE(desComp, 8);
}

TEST(CliTest, TracedDiceReplayTheSameSheet) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"generate", "--seed", "9"},
        std::vector<std::string>{"generate", "--typed", "--sheet", "-", "--seed", "3"}}) {
    std::vector<std::string> traced = args;
    traced.push_back("--trace-dice");
    const CliRun run = cli(traced, kTypedSheet);
    ASSERT_EQ(run.status, 0) << run.err;
    std::string script = run.err;
    script.pop_back();  // the newline
    std::vector<std::string> replay(args.begin(), args.end() - 2);
    replay.insert(replay.end(), {"--dice", script});
    const CliRun again = cli(replay, kTypedSheet);
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, run.out);
  }
}

TEST(CliTest, CountGivesOneJsonLineEach) {
  const CliRun run = cli({"generate", "--seed", "4", "--count", "5"});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(lineCount(run.out), 5);
}

TEST(CliTest, RefusedTypedEntryEchoesTheSheet) {
  const std::string sheet = R"j({"forc":"","des_comp":"4"})j";
  const CliRun run = cli({"generate", "--typed", "--sheet", "-", "--seed", "1"}, sheet);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Remplir les cases bleues\n");
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["des_comp"], "4");
  EXPECT_EQ(json["forc"], "");
  EXPECT_EQ(json["arme_nom(1)"], std::string(28, '.'));
}

TEST(CliTest, BadInputExitsTwoWithOneLine) {
  static const struct {
    std::vector<std::string> args;
    const char* sheet;
  } cases[] = {
      {{"generate", "--sheet", "-"}, R"j({"des_ok(7)": true})j"},
      {{"generate", "--sheet", "-"}, R"j({"comp(74)": ""})j"},
      {{"generate", "--sheet", "-"}, R"j({"forc": 12})j"},
      {{"generate", "--sheet", "-"}, R"j({"des_ok(1)": "true"})j"},
      {{"generate", "--sheet", "-"}, R"j({"forc": "12")j"},
      {{"generate", "--sheet", "-"}, R"j(["forc"])j"},
      {{"generate", "--sheet", "/nonexistent/sheet.json"}, ""},
      {{"generate", "--count", "0"}, ""},
      {{"generate", "--format", "xml"}, ""},
      {{"generate", "--seed", "1", "--dice", "6:1"}, ""},
      {{"improve", "comp(74)"}, ""},
      {{"improve"}, ""},
      {{"frobnicate"}, ""},
      {{}, ""},
  };
  for (const auto& c : cases) {
    const CliRun run = cli(c.args, c.sheet);
    EXPECT_EQ(run.status, 2) << c.sheet << run.err;
    EXPECT_EQ(run.out, "") << c.sheet;
    EXPECT_EQ(lineCount(run.err), 1) << run.err;
  }
}

TEST(CliTest, DiceScriptMisfitsExitThree) {
  static const struct {
    const char* script;
    const char* says;
  } cases[] = {
      {"6:1", "call 2 asked des(6) but no token is left"},
      {"100:5", "call 1 asked des(6) but found token \"100:5\""},
      {"6:7", "out of range"},
      {"six", "not of the form F:V"},
      {"", "call 1 asked des(6)"},
      {"6:1,\nsix\nlines\n:2", "token 2 \"six?lines?:2\" is not of the form F:V"},
  };
  for (const auto& c : cases) {
    const CliRun run = cli({"generate", "--dice", c.script});
    EXPECT_EQ(run.status, 3) << c.script;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_EQ(lineCount(run.err), 1) << run.err;
  }
  const CliRun leftover = cli({"improve", "comp(1)", "--dice", "100:5,100:6"},
                           "");
  EXPECT_EQ(leftover.status, 3);
  EXPECT_NE(leftover.err.find("2 token(s) left unused"), std::string::npos) << leftover.err;
}

TEST(CliTest, ImproveSpendsOneRoll) {
  const CliRun run = cli({"improve", "arme_att(2)", "--sheet", "-", "--dice", "100:37"},
                      R"j({"des_comp":"3","arme_att(2)":"40"})j");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["des_comp"], "2");
  EXPECT_EQ(json["arme_att(2)"], "58");
  EXPECT_EQ(json["arme_par(2)"], "");

  const CliRun none = cli({"improve", "comp(3)", "--sheet", "-", "--dice", ""}, R"j({"des_comp":"0"})j");
  EXPECT_EQ(none.status, 0);
}

TEST(CliTest, OutputGoesToTheNamedFile) {
  const std::string path = ::testing::TempDir() + "orvandel_cli_output.json";
  const CliRun run = cli({"generate", "--seed", "1", "--output", path});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  std::ifstream file(path);
  std::string written((std::istreambuf_iterator<char>(file)), {});
  EXPECT_EQ(written, cli({"generate", "--seed", "1"}).out);

  const CliRun unwritable = cli({"generate", "--seed", "1", "--output", "/nonexistent/dir/x.json"});
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_EQ(lineCount(unwritable.err), 1);
}

// Seed 1 rolls a "Chasseur Guerrier" of the "Plaine des Cendres"; the golden
// sheet was checked by hand against the rules, roll by roll.
TEST(CliTest, TextFormatMatchesTheGoldenSheet) {
  std::ifstream file(ORVANDEL_GOLDEN_DIR "/seed1.txt");
  const std::string golden((std::istreambuf_iterator<char>(file)), {});
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(cli({"generate", "--seed", "1", "--format", "text"}).out, golden);
}

}  // namespace
}  // namespace orvandel

namespace orvandel {
namespace {

TEST(SheetJsonTest, RoundTripKeepsEveryByte) {
  Personnage sheet;
  sheet.equipement = "quote \" backslash \\ tab\t newline\n bell\x07 é Héritier du trône N°3";
  sheet.comp(2) = "Se cacher  (10%)";
  sheet.des_ok(17) = true;
  const auto back = sheetFromJson(sheetToJson(sheet));
  ASSERT_TRUE(std::holds_alternative<Personnage>(back));
  EXPECT_EQ(std::get<Personnage>(back), sheet);
}

}  // namespace
}  // namespace orvandel

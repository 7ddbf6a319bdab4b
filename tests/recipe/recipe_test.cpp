// A sheet's recipe must make the sheet again exactly, travel unchanged
// through every written form, and tell any box changed since by its name.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "core/scripted_dice.h"
#include "core/sheet_fields.h"
#include "recipe/recipe_link.h"
#include "recipe/replay.h"
#include "recipe/verification.h"
#include "roster/roster_file.h"
#include "session/sheet_session.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {
namespace {

constexpr std::string_view kSite = "https://orvandel.example/";

// The clicks a player makes: some skills and both values of a weapon.
const std::vector<ImprovementTarget> kClicks{{ImprovementKind::Skill, 12},
                                             {ImprovementKind::Attack, 1},
                                             {ImprovementKind::Skill, 40},
                                             {ImprovementKind::Parry, 1}};

void typeRolls(SheetSession& session, std::uint64_t seed) {
  SeededDice dice(seed);
  for (const auto& blue : kBlueBoxes) session.setText(blue.name, std::to_string(dice.des(18)));
  session.setText("des_comp", "5");
  session.setTicked("des_ok(2)", true);
  session.setTicked("des_ok(15)", seed % 2 == 0);
}

Personnage readBack(const Personnage& sheet) {
  auto read = sheetFromJson(sheetToJson(sheet));
  EXPECT_TRUE(std::holds_alternative<Personnage>(read)) << sheetToJson(sheet);
  return std::get<Personnage>(read);
}

// What a player does in the window or the page: a generation by either
// entry, clicks, a step back and other clicks, a step forth.
TEST(RecipeTest, EveryGenerationAndItsClicksReplaysToItself) {
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    SheetSession session(std::make_unique<FreshDice>());
    if (seed % 3 == 0) {
      typeRolls(session, seed);
      ASSERT_FALSE(session.typedEntry()) << seed;
    } else {
      session.randomEntry();
    }
    for (std::size_t k = 0; k < seed % 5; ++k) session.improve(kClicks[k % kClicks.size()]);
    if (seed % 4 == 0 && seed % 5 > 0 && session.undo())
      session.improve(kClicks[(seed / 4) % kClicks.size()]);
    const Personnage& sheet = session.sheet();
    ASSERT_TRUE(sheet.recette);
    EXPECT_EQ(sheet.recette->entry, seed % 3 == 0 ? RecipeEntry::Typed : RecipeEntry::Random);
    const Verification verification = verify(sheet);
    EXPECT_EQ(verification.outcome, Verification::Outcome::Conforms) << seed << "\n"
                                                                     << verificationText(sheet, verification);
    EXPECT_EQ(readBack(sheet), sheet) << seed;
    const auto code = recipeCode(*sheet.recette);
    ASSERT_TRUE(code) << seed;
    EXPECT_EQ(readRecipeCode(*code), sheet.recette) << *code;
    const auto link = recipeLink(kSite, sheet);
    ASSERT_TRUE(link) << seed;
    EXPECT_LE(link->size(), kLongestRecipeLink);
    EXPECT_NE(link->back(), '.') << "messages take a last dot for the sentence's";
  }
}

// Kept characters keep their recipes in the roster's file and its exports.
TEST(RecipeTest, TravelsThroughTheRosterFile) {
  std::vector<KeptCharacter> kept;
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    SheetSession session(std::make_unique<SeededDice>(seed));
    if (seed % 2 == 0) {
      typeRolls(session, seed);
      ASSERT_FALSE(session.typedEntry());
    } else {
      session.randomEntry();
    }
    session.improve(kClicks[seed % kClicks.size()]);
    kept.push_back({"Perso " + std::to_string(seed), session.sheet()});
  }
  for (const std::string& file : {rosterToJson(kept), rosterToJsonLines(kept)}) {
    const ImportedCharacters read = importCharacters(file);
    ASSERT_EQ(read.characters.size(), kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k) EXPECT_EQ(read.characters[k].sheet, kept[k].sheet) << k;
  }
}

// A typed entry may leave the count of improvement rolls empty: a click
// then spends nothing but writes "-1", and the replay writes it too.
TEST(RecipeTest, AClickOnAnEmptyCountIsReplayedToo) {
  SheetSession session(std::make_unique<SeededDice>(2));
  typeRolls(session, 3);
  session.setText("des_comp", "");
  ASSERT_FALSE(session.typedEntry());
  EXPECT_FALSE(session.improve(kClicks[0]));
  EXPECT_EQ(session.sheet().des_comp, "-1");
  EXPECT_EQ(verify(session.sheet()).outcome, Verification::Outcome::Conforms)
      << verificationText(session.sheet(), verify(session.sheet()));
  EXPECT_FALSE(session.improve(kClicks[1]));
  EXPECT_EQ(session.sheet().recette->clicks.size(), 1U) << "a click that changes nothing joins nothing";
}

TEST(RecipeTest, ScriptedDiceKeepTheirRolls) {
  SeededDice source(5);
  RecordingDice trace(source);
  Personnage rolled;
  generateRandom(rolled, trace);
  const std::string script = trace.takeLine() + ",100:40,100:90";
  SheetSession session(std::make_unique<ScriptedDice>(script));
  session.randomEntry();
  session.improve({ImprovementKind::Skill, 3});
  session.improve({ImprovementKind::Attack, 2});
  ASSERT_TRUE(session.sheet().recette);
  EXPECT_FALSE(session.sheet().recette->seed);
  EXPECT_EQ(verify(session.sheet()).outcome, Verification::Outcome::Conforms)
      << verificationText(session.sheet(), verify(session.sheet()));
  EXPECT_EQ(readBack(session.sheet()), session.sheet());
  EXPECT_FALSE(recipeLink(kSite, session.sheet())) << "a script's rolls make no short link";
}

TEST(RecipeTest, EachChangedBoxIsToldByItsName) {
  SheetSession session(std::make_unique<SeededDice>(3));
  session.randomEntry();
  const Personnage made = session.sheet();
  for (const std::string& control : controlNames()) {
    Personnage changed = made;
    auto field = *findField(changed, control);
    if (auto* ticked = std::get_if<bool*>(&field))
      **ticked = !**ticked;
    else
      *std::get<std::string*>(field) += "7";
    const Verification verification = verify(changed);
    ASSERT_EQ(verification.outcome, Verification::Outcome::Differs) << control;
    ASSERT_EQ(verification.differences.size(), 1U) << control;
    EXPECT_EQ(verification.differences[0].control, control);
    EXPECT_FALSE(recipeLink(kSite, changed)) << control;
  }
  Personnage stronger = made;
  stronger.forc = "18";
  const std::string expected = "FORce : 18 sur la fiche, " + made.forc + " aux dés";
  EXPECT_EQ(differenceLines(stronger, verify(stronger)), std::vector<std::string>{expected});
}

TEST(RecipeTest, VerdictsSayHowTheSheetWasMade) {
  SheetSession session(std::make_unique<SeededDice>(42));
  session.randomEntry();
  EXPECT_EQ(verdict(session.sheet(), verify(session.sheet())),
            "Conforme : tiré au hasard (graine 42), aucun jet d’amélioration");
  typeRolls(session, 4);
  ASSERT_TRUE(session.sheet().recette->retouched) << "typing into a generated sheet is written";
  ASSERT_FALSE(session.typedEntry());
  session.improve(kClicks[0]);
  const std::string typed = verdict(session.sheet(), verify(session.sheet()));
  EXPECT_TRUE(typed.starts_with("Conforme : dés tapés à la main, que le programme ne peut pas voir (graine "))
      << typed;
  EXPECT_TRUE(typed.ends_with("), 1 jet d’amélioration")) << typed;
  session.setText("pv", "99");
  EXPECT_TRUE(verdict(session.sheet(), verify(session.sheet())).ends_with("tapées après le tirage."));
  EXPECT_EQ(verdict(Personnage{}, verify(Personnage{})),
            "Sans recette : la fiche ne dit pas comment elle a été faite.");
}

TEST(RecipeTest, DamagedCodesAreRefused) {
  for (const char* code : {"",
                           "1",
                           "2.h.1.",
                           "1.x.1.",
                           "1.h..",
                           "1.h.1.t74",
                           "1.h.1.a7",
                           "1.h.1.z1",
                           "1.h.1.t",
                           "1.h.1.t1.r",
                           "1.x.1.",
                           "1.hh.1.",
                           "1.h.-1.",
                           "1.h.1.t1.x",
                           "1.s.1..a~b.0",
                           "1.s.1...0",
                           "1.s.1",
                           "1.h.1.t1.x",
                           "1.s.1..~~~~~~~~~~.zzzz",
                           "1.s.1..~~~~~~~~~%~.0",
                           "1.s.1..~~~~~~~~~%4~.0",
                           "1.h.zzzzzzzzzzzzzzzz."})
    EXPECT_FALSE(readRecipeCode(code)) << code;
  Recipe typed;
  typed.entry = RecipeEntry::Typed;
  typed.seed = 99;
  typed.typed = {"12", "a b", "%", "~", ".", "é", "", "", "", "", "3"};
  typed.ticked = {0, 17};
  typed.retouched = true;
  const std::string code = *recipeCode(typed);
  EXPECT_EQ(readRecipeCode(code), typed) << code;
  for (std::size_t cut = 0; cut < code.size(); ++cut) readRecipeCode(code.substr(0, cut));
  // Ticks whose mask is written "r", once taken for the retouched mark.
  typed.ticked = {0, 1, 3, 4};
  typed.retouched = false;
  EXPECT_EQ(readRecipeCode(*recipeCode(typed)), typed) << *recipeCode(typed);
}

TEST(RecipeTest, DamagedRecipesInAFileAreRefusedByName) {
  SheetSession session(std::make_unique<SeededDice>(8));
  session.randomEntry();
  const std::string json = sheetToJson(session.sheet());
  const std::string good =
      R"("recette":{"ameliorations":[],"entree":"hasard","graine":"8","retouchee":false,"version":1})";
  ASSERT_NE(json.find(good), std::string::npos) << json;
  struct Case {
    const char* recipe;
    const char* reason;
  };
  for (const Case& c : std::vector<Case>{
           {R"("recette":5)", "doit être un objet."},
           {R"("recette":{"version":2,"entree":"hasard","graine":"8"})", "est d’une version"},
           {R"("recette":{"version":1,"entree":"autre","graine":"8"})", "doit dire son entrée"},
           {R"("recette":{"version":1,"entree":"hasard","graine":8})", "a une graine"},
           {R"("recette":{"version":1,"entree":"hasard","graine":"8","des":"6:1"})", "soit une graine"},
           {R"("recette":{"version":1,"entree":"saisie","graine":"8"})", "onze cases"},
           {R"("recette":{"version":1,"entree":"hasard","des":"6-9"})", "des dés illisibles"},
           {R"j("recette":{"version":1,"entree":"hasard","graine":"8","ameliorations":["comp(3)"]})j",
            "amélioration inconnue"},
           {R"("recette":{"version":1,"entree":"hasard","graine":"8","plus":1})", "clé inconnue"},
       }) {
    std::string broken = json;
    broken.replace(broken.find(good), good.size(), c.recipe);
    auto read = sheetForPlayer(broken);
    ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.recipe;
    EXPECT_TRUE(std::get<std::string>(read).starts_with("la recette ")) << std::get<std::string>(read);
    EXPECT_NE(std::get<std::string>(read).find(c.reason), std::string::npos) << std::get<std::string>(read);
  }
}

}  // namespace
}  // namespace orvandel

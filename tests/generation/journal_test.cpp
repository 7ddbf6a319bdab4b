// The roll journal against the dice actually rolled: every roll listed once,
// in order, under a step whose rule rolls such dice; replaying the rolls gives
// the same journal; typed and rerolled boxes say so; keeping a journal does
// not change the run.
#include "generation/journal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "core/scripted_dice.h"
#include "generation/driver.h"
#include "generation/improvement.h"
#include "generation/nationality.h"
#include "generation/profession.h"

namespace orvandel {
namespace {

std::string scriptOf(const Journal& journal) {
  std::string script;
  for (const JournalEntry& entry : journal)
    for (const JournalRoll& roll : entry.rolls)
      script += (script.empty() ? "" : ",") + std::to_string(roll.faces) + ":" + std::to_string(roll.value);
  return script;
}

Personnage typedSheet() {
  Personnage sheet;
  const char* values[] = {"14", "12", "11", "13", "16", "17", "8", "33", "68", "30"};
  for (std::size_t k = 0; k < kBlueBoxes.size(); ++k) sheet.*kBlueBoxes[k].box = values[k];
  sheet.des_comp = "4";
  return sheet;
}

// A run with a journal: the journal's rolls are the recorded ones, and
// replaying them gives the same sheet and the same journal.
void expectJournalMatchesTheDice(const Personnage& start, bool typed, std::uint64_t seed,
                                 const std::string& what) {
  SeededDice source(seed);
  RecordingDice recorder(source);
  Personnage sheet = start;
  Journal journal;
  if (typed)
    ASSERT_FALSE(generateTyped(sheet, recorder, &journal)) << what;
  else
    generateRandom(sheet, recorder, &journal);
  const std::string trace = recorder.takeLine();
  ASSERT_EQ(scriptOf(journal), trace) << what;

  ScriptedDice replay(trace);
  Personnage again = start;
  // Replayed into a journal that held another run, as a batch uses one.
  Journal replayed;
  SeededDice otherDice(seed + 1000);
  Personnage other;
  generateRandom(other, otherDice, &replayed);
  if (typed)
    ASSERT_FALSE(generateTyped(again, replay, &replayed));
  else
    generateRandom(again, replay, &replayed);
  EXPECT_EQ(replay.remaining(), 0U) << what;
  EXPECT_EQ(again, sheet) << what;
  EXPECT_EQ(replayed, journal) << what;

  // The journal changes nothing in the run.
  SeededDice plainDice(seed);
  Personnage plain = start;
  if (typed)
    ASSERT_FALSE(generateTyped(plain, plainDice));
  else
    generateRandom(plain, plainDice);
  EXPECT_EQ(plain, sheet) << what;
}

TEST(JournalTest, RandomEntriesListEveryRollInOrder) {
  for (std::uint64_t seed = 1; seed <= 400; ++seed)
    expectJournalMatchesTheDice(Personnage{}, false, seed, "seed " + std::to_string(seed));
}

TEST(JournalTest, TypedEntriesListEveryRollInOrderWhateverIsTicked) {
  std::vector<std::vector<int>> ticks{{}, {Selectors::kIndices.begin(), Selectors::kIndices.end()}};
  for (int index : Selectors::kIndices) ticks.push_back({index});
  for (const auto& ticked : ticks)
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
      Personnage sheet = typedSheet();
      for (int index : ticked) sheet.des_ok(index) = true;
      expectJournalMatchesTheDice(sheet, true, seed,
                                  std::to_string(ticked.size()) + " ticked, seed " + std::to_string(seed));
    }
}

// The dice each stage's rules roll: a step listed under the wrong stage
// shows dice its stage never rolls.
TEST(JournalTest, EachStepShowsOnlyTheDiceOfItsStage) {
  const std::map<Stage, std::set<int>> faces{
      {Stage::Caracteristiques, {6}},
      {Stage::Nationalite, {4, 6, 8, 10, 100}},
      {Stage::Profession, {10, 100}},
      {Stage::Totaux, {}},
      {Stage::Age, {6, 10}},
      {Stage::Sorcellerie, {2, 3, 4, 5, 10, 100}},
      {Stage::Bonus, {}},
      {Stage::Competences, {}},
      {Stage::Formation, {100}},
      {Stage::Equipement, {4, 6, 20, 100}},
      {Stage::Amelioration, {6}},
  };
  for (std::uint64_t seed = 1; seed <= 400; ++seed) {
    SeededDice dice(seed);
    Personnage sheet;
    Journal journal;
    generateRandom(sheet, dice, &journal);
    std::set<Stage> seen;
    for (const JournalEntry& entry : journal) {
      seen.insert(entry.stage);
      for (const JournalRoll& roll : entry.rolls)
        EXPECT_TRUE(faces.at(entry.stage).contains(roll.faces)) << journalLine(entry) << " seed " << seed;
      if (entry.stage == Stage::Caracteristiques) {
        EXPECT_EQ(entry.rolls.size(), 9U) << journalLine(entry);
      }
    }
    EXPECT_EQ(seen.size(), faces.size()) << "seed " << seed;
  }
}

TEST(JournalTest, TypedBoxesReadAsTypedAndTickedOnesAsRerolled) {
  for (int index : Selectors::kIndices) {
    Personnage sheet = typedSheet();
    sheet.des_ok(index) = true;
    SeededDice dice(5);
    Journal journal;
    ASSERT_FALSE(generateTyped(sheet, dice, &journal));
    for (const auto& box : kBlueBoxes) {
      const auto entry = std::ranges::find(journal, std::string(box.name), &JournalEntry::control);
      ASSERT_NE(entry, journal.end()) << box.name;
      const bool rerolled = box.selector == index;
      EXPECT_EQ(entry->result.find(kRerolled) != std::string::npos, rerolled) << journalLine(*entry);
      EXPECT_EQ(entry->result.find(kTyped) != std::string::npos, !rerolled) << journalLine(*entry);
      EXPECT_EQ(entry->rolls.empty(), !rerolled) << journalLine(*entry);
      EXPECT_TRUE(entry->result.starts_with(sheet.*box.box)) << journalLine(*entry);
    }
    const auto improvements = std::ranges::find(journal, std::string("des_comp"), &JournalEntry::control);
    ASSERT_NE(improvements, journal.end());
    EXPECT_EQ(improvements->rolls.size(), index == kDesCompSelector ? 1U : 0U);
  }
}

TEST(JournalTest, RefusedTypedEntryLeavesTheJournalAlone) {
  Personnage sheet = typedSheet();
  sheet.forc = "";
  Journal journal{{Stage::Age, "Âge", "age", {}, "22, tapé"}};
  const Journal before = journal;
  SeededDice dice(1);
  ASSERT_TRUE(generateTyped(sheet, dice, &journal));
  EXPECT_EQ(journal, before);
}

TEST(JournalTest, ImprovementClickAppendsOneEntry) {
  static const struct {
    const char* count;
    const char* value;
    const char* script;
    bool spent;
    const char* result;
  } cases[] = {
      {"3", "40", "100:37", true, "40 + 18 (moitié du jet 37) = 58 ; Suplé. 2"},
      {"3", "80", "100:100", true, "80 + 50 (moitié du jet 100) = 130, ramené au plafond de 90 ; Suplé. 2"},
      {"1", "", "100:1", true, "0 + 0 (moitié du jet 1) = 0 ; Suplé. 0"},
      {"0", "40", "", false, "aucun jet à dépenser : Suplé. vaut « 0 », rien ne change"},
      {"", "40", "", false, "aucun jet à dépenser : Suplé. était vide et vaut maintenant -1, rien ne change"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.comp(17) = "Voir          (10%)";
    sheet.des_comp = c.count;
    sheet.Text1(17) = c.value;
    Journal journal{{Stage::Age, "Âge", "age", {}, "22, tapé"}};
    ScriptedDice dice{std::string_view(c.script)};
    EXPECT_EQ(improve(sheet, {ImprovementKind::Skill, 17}, dice, &journal), c.spent) << c.script;
    ASSERT_EQ(journal.size(), 2U) << c.script;
    const JournalEntry& click = journal.back();
    EXPECT_EQ(click.stage, Stage::Amelioration);
    EXPECT_EQ(click.subject, "Voir (10%)");
    EXPECT_EQ(click.control, "Text1(17)");
    EXPECT_EQ(scriptOf({click}), c.script);
    EXPECT_EQ(click.result, c.result);
  }
}

std::vector<std::string> linesOf(const Journal& journal) {
  std::vector<std::string> lines;
  for (const JournalEntry& entry : journal) lines.push_back(journalLine(entry));
  return lines;
}

// A typed run that rolls only what it is told to: FORce and the age
// rerolled, a Fermier of Novendar, too dull for sorcery.
std::vector<std::string> typedRun(std::string_view script) {
  Personnage sheet = typedSheet();
  sheet.intl = sheet.pou = "10";
  sheet.nationalite = "70";
  sheet.profession = "62";
  sheet.des_ok(0) = sheet.des_ok(kAgeSelector) = true;
  ScriptedDice dice(script);
  Journal journal;
  EXPECT_FALSE(generateTyped(sheet, dice, &journal));
  return linesOf(journal);
}

std::vector<std::string> improvementOf(int slot, const char* name, std::string_view script) {
  Personnage sheet;
  sheet.comp(slot) = name;
  sheet.des_comp = "3";
  ScriptedDice dice(script);
  Journal journal;
  improve(sheet, {ImprovementKind::Skill, slot}, dice, &journal);
  return linesOf(journal);
}

template <typename Step>
std::vector<std::string> stageOf(Personnage sheet, std::string_view script, Step step) {
  ScriptedDice dice(script);
  Journal journal;
  Notebook book(dice, &journal);
  Generation g{sheet, book.dice(), Entry::Random, book.journal()};
  step(g);
  return linesOf(journal);
}

Personnage sheetOf(std::initializer_list<std::pair<std::string Personnage::*, const char*>> fields) {
  Personnage sheet;
  for (const auto& [field, text] : fields) sheet.*field = text;
  return sheet;
}

// The dice as players write them, the sum that was kept, free slots by their
// heading, names without their padding, and why a profession changed.
TEST(JournalTest, LinesReadAsPlayersWriteThem) {
  const std::string typedScript = "6:3,6:1,6:6,6:6,6:5,6:4,6:1,6:1,6:1,6:1,6:6,20:11";
  const struct {
    const char* what;
    std::vector<std::string> lines;
    const char* expected;
  } cases[] = {
      {"the middle sum kept", typedRun(typedScript),
       "Caractéristiques — FORce : 15, case cochée : relancé (la meilleure de trois sommes de 3d6) "
       "[3d6 : 3 + 1 + 6 = 10 ; 6 + 5 + 4 = 15 ; 1 + 1 + 1 = 3, gardée 15]"},
      {"two dice summed", typedRun(typedScript),
       "Âge — Âge : 25, case cochée : relancé (18 + 2d6) [2d6 : 1 + 6 = 7]"},
      {"a free slot", improvementOf(46, "....................", "100:41"),
       "Amélioration — Agilité, compétence 46 : 0 + 20 (moitié du jet 41) = 20 ; Suplé. 2 [1d100 : 41]"},
      {"padding dropped", improvementOf(2, "Se cacher  (10%)", "100:41"),
       "Amélioration — Se cacher (10%) : 0 + 20 (moitié du jet 41) = 20 ; Suplé. 2 [1d100 : 41]"},
      {"nationality",
       stageOf(sheetOf({{&Personnage::nationalite, "45"},
                        {&Personnage::con, "9"},
                        {&Personnage::cha, "9"},
                        {&Personnage::profession_nom, "Voleur"}}),
               "", applyNationality),
       "Nationalité — Profession : Voleur devient Mendiant (nationalité Ruskemal)"},
      {"noble",
       stageOf(sheetOf({{&Personnage::profession_nom, "Noble"}, {&Personnage::intl_tot, "13"}}), "100:55",
               nobleSecondProfession),
       "Profession — Profession : Noble devient Chasseur (seconde profession du noble, jet 55)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(std::ranges::count(c.lines, std::string(c.expected)), 1) << c.what << ":\n"
                                                                       << testing::PrintToString(c.lines);
}

TEST(JournalTest, WeaponClickNamesTheWeaponValue) {
  Personnage sheet;
  sheet.des_comp = "2";
  sheet.arme_nom(1) = "Dague";
  Journal journal;
  ScriptedDice dice{std::string_view("100:20,100:40")};
  ASSERT_TRUE(improve(sheet, {ImprovementKind::Attack, 1}, dice, &journal));
  ASSERT_TRUE(improve(sheet, {ImprovementKind::Parry, 2}, dice, &journal));
  ASSERT_EQ(journal.size(), 2U);
  EXPECT_EQ(
      journalLine(journal[0]),
      "Amélioration — Attaque, Arme 1 (Dague) : 0 + 10 (moitié du jet 20) = 10 ; Suplé. 1 [1d100 : 20]");
  EXPECT_EQ(journal[1].subject, "Parade, Arme 2");
  EXPECT_EQ(journal[1].control, "arme_par(2)");
}

}  // namespace
}  // namespace orvandel

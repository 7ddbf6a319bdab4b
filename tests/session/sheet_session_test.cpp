// What the window and the browser page rely on when a player acts: which
// actions keep a step, which leave the sheet alone, and what the owner is
// told.
#include "session/sheet_session.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/scripted_dice.h"
#include "core/sheet_fields.h"
#include "sheet_io/sheet_json.h"

namespace orvandel {
namespace {

// A session rolled from a seed, with every change it tells kept in order.
struct Watched {
  SheetSession session{std::make_unique<SeededDice>(7)};
  std::vector<SheetChange> told;
  Watched() {
    session.onChange([this](SheetChange change) { told.push_back(change); });
  }
};

TEST(SheetSessionTest, RefusedTypedEntryChangesNothingAndKeepsNoStep) {
  Watched w;
  for (const auto& blue : kBlueBoxes) ASSERT_TRUE(w.session.setText(blue.name, "12"));
  ASSERT_TRUE(w.session.setText("forc", "douze"));
  const Personnage typed = w.session.sheet();
  const auto refusal = w.session.typedEntry();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->field, "forc");
  EXPECT_EQ(w.session.sheet(), typed);
  EXPECT_FALSE(w.session.canUndo());
  EXPECT_TRUE(w.told.empty());
}

TEST(SheetSessionTest, TypedEntryKeepsTheTypingAsItsStep) {
  Watched w;
  for (const auto& blue : kBlueBoxes) ASSERT_TRUE(w.session.setText(blue.name, "12"));
  const Personnage typed = w.session.sheet();
  ASSERT_FALSE(w.session.typedEntry());
  EXPECT_NE(w.session.sheet(), typed);
  EXPECT_EQ(w.told, std::vector{SheetChange::Stepped});
  ASSERT_TRUE(w.session.undo());
  EXPECT_EQ(w.session.sheet(), typed);
}

// Each step holds a sheet with the journal that made it, at any depth: past
// it the oldest step goes, sheet and journal together.
TEST(SheetSessionTest, StepsKeepEachSheetWithItsJournalAtAnyDepth) {
  for (const std::size_t depth : {std::size_t{2}, kHistoryDepth + 10}) {
    SheetSession session(std::make_unique<SeededDice>(3), depth);
    std::vector<std::pair<Personnage, Journal>> shown;
    for (std::size_t i = 0; i < depth + 2; ++i) {
      session.randomEntry();
      shown.emplace_back(session.sheet(), session.journal());
    }
    for (std::size_t back = 1; back <= depth; ++back) {
      ASSERT_TRUE(session.undo()) << depth << " " << back;
      const auto& [sheet, journal] = shown[shown.size() - 1 - back];
      EXPECT_EQ(session.sheet(), sheet) << depth << " " << back;
      EXPECT_TRUE(session.journal() == journal) << depth << " " << back;
    }
    EXPECT_FALSE(session.undo()) << depth;
    for (std::size_t forth = depth; forth-- > 0;) {
      ASSERT_TRUE(session.redo()) << depth << " " << forth;
      EXPECT_EQ(session.sheet(), shown[shown.size() - 1 - forth].first) << depth << " " << forth;
      EXPECT_TRUE(session.journal() == shown[shown.size() - 1 - forth].second) << depth << " " << forth;
    }
  }
}

TEST(SheetSessionTest, ClickThatSpendsNothingKeepsNoStep) {
  SheetSession session(std::make_unique<ScriptedDice>(std::string_view("")));
  std::vector<SheetChange> told;
  session.onChange([&told](SheetChange change) { told.push_back(change); });
  const ImprovementTarget skill{ImprovementKind::Skill, 3};

  EXPECT_FALSE(session.improve(skill));  // empty count: becomes "-1"
  EXPECT_EQ(session.sheet().des_comp, "-1");
  EXPECT_EQ(told, std::vector{SheetChange::Edited});
  EXPECT_FALSE(session.improve(skill));  // only the journal says why
  EXPECT_EQ(session.sheet().des_comp, "-1");
  EXPECT_EQ(told.size(), 2U);
  EXPECT_FALSE(session.canUndo());
}

TEST(SheetSessionTest, OpeningASheetIsAStepAndARefusalIsNot) {
  Watched w;
  w.session.randomEntry();
  const Personnage rolled = w.session.sheet();
  const auto reason = w.session.open("{\"forc\": 3");
  ASSERT_TRUE(reason);
  EXPECT_FALSE(reason->empty());
  EXPECT_EQ(w.session.sheet(), rolled);
  EXPECT_EQ(w.told.size(), 1U);

  Personnage saved;
  saved.forc = "17";
  EXPECT_FALSE(w.session.open(sheetToJson(saved)));
  EXPECT_EQ(w.session.sheet(), saved);
  ASSERT_TRUE(w.session.undo());
  EXPECT_EQ(w.session.sheet(), rolled);
}

TEST(SheetSessionTest, RestartShowsTheLaunchSheetWithNewDice) {
  Watched w;
  w.session.randomEntry();
  const Personnage rolled = w.session.sheet();
  w.session.restart(std::make_unique<SeededDice>(7));
  EXPECT_EQ(w.session.sheet(), Personnage{});
  w.session.randomEntry();
  EXPECT_EQ(w.session.sheet(), rolled);  // the same seed rolls the same character again
  ASSERT_TRUE(w.session.undo());
  ASSERT_TRUE(w.session.undo());
  EXPECT_EQ(w.session.sheet(), rolled);
}

TEST(SheetSessionTest, TypingReachesOnlyTheSheetsOwnFields) {
  Watched w;
  EXPECT_TRUE(w.session.setText("equipement", "une corde"));
  EXPECT_TRUE(w.session.setTicked("des_ok(14)", true));
  EXPECT_FALSE(w.session.setText("des_ok(14)", "x"));
  EXPECT_FALSE(w.session.setTicked("forc", true));
  EXPECT_FALSE(w.session.setText("comp(74)", "x"));
  EXPECT_EQ(w.session.sheet().equipement, "une corde");
  EXPECT_TRUE(w.session.sheet().des_ok(14));
  EXPECT_TRUE(w.told.empty());
  EXPECT_FALSE(w.session.canUndo());
}

// Leaving loses a character only when a generation made one and the sheet
// shown is not, as it stands, the one last kept, saved or opened.
TEST(SheetSessionTest, OnlyACharacterNeitherKeptNorOpenedWouldBeLost) {
  const auto type = [](SheetSession& s) { s.setText("forc", "12"); };
  const auto roll = [](SheetSession& s) { s.randomEntry(); };
  const auto keep = [](SheetSession& s) { s.markKept(); };
  const auto improve = [](SheetSession& s) { s.improve({ImprovementKind::Skill, 3}); };
  const auto undo = [](SheetSession& s) { s.undo(); };
  const auto open = [](SheetSession& s) { s.open(sheetToJson(Watched().session.sheet())); };
  const auto openRolled = [](SheetSession& s) {
    SheetSession other(std::make_unique<SeededDice>(2));
    other.randomEntry();
    s.open(other.sheet());
  };
  using Action = std::function<void(SheetSession&)>;
  const struct {
    const char* what;
    std::vector<Action> actions;
    bool lost;
  } cases[] = {
      {"launch state", {}, false},
      {"typing alone", {type}, false},
      {"a blank file opened", {open}, false},
      {"rolled", {roll}, true},
      {"rolled and kept", {roll, keep}, false},
      {"improved after keeping", {roll, keep, improve}, true},
      {"typed into after keeping", {roll, keep, type}, true},
      {"rolled again, then undone back to the kept one", {roll, keep, roll, undo}, false},
      {"undone back to the launch state", {roll, undo}, false},
      {"opened", {openRolled}, false},
      {"improved after opening", {openRolled, improve}, true},
  };
  for (const auto& c : cases) {
    SheetSession session(std::make_unique<SeededDice>(7));
    for (const Action& act : c.actions) act(session);
    EXPECT_EQ(session.holdsUnkeptCharacter(), c.lost) << c.what;
  }
}

}  // namespace
}  // namespace orvandel

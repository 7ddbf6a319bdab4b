// The journal a front end shows beside the sheet: the last generation and the
// clicks since, stepping back and forth with the sheet it explains.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/scripted_dice.h"
#include "session/sheet_session.h"
#include "sheet_io/sheet_json.h"

namespace orvandel {
namespace {

using Shown = std::pair<Personnage, Journal>;

Shown shown(const SheetSession& session) { return {session.sheet(), session.journal()}; }

TEST(SessionJournalTest, ShowsTheLastGenerationAndTheClicksSince) {
  SheetSession session(std::make_unique<SeededDice>(3));
  EXPECT_TRUE(session.journal().empty());
  session.randomEntry();
  const Journal generated = session.journal();
  ASSERT_FALSE(generated.empty());
  EXPECT_EQ(generated.front().stage, Stage::Caracteristiques);

  ASSERT_TRUE(session.improve({ImprovementKind::Skill, 17}));
  ASSERT_EQ(session.journal().size(), generated.size() + 1);
  EXPECT_EQ(session.journal().back().stage, Stage::Amelioration);
  EXPECT_EQ(session.journal().back().control, "Text1(17)");
  for (std::size_t i = 0; i < generated.size(); ++i) EXPECT_EQ(session.journal()[i], generated[i]) << i;
}

TEST(SessionJournalTest, FollowsUndoAndRedo) {
  SheetSession session(std::make_unique<SeededDice>(11));
  std::vector<Shown> steps{shown(session)};
  session.randomEntry();
  steps.push_back(shown(session));
  ASSERT_TRUE(session.improve({ImprovementKind::Attack, 1}));
  steps.push_back(shown(session));
  session.randomEntry();
  steps.push_back(shown(session));
  ASSERT_TRUE(session.open(sheetToJson(Personnage{})) == std::nullopt);
  steps.push_back(shown(session));
  EXPECT_TRUE(session.journal().empty());

  for (auto step = steps.rbegin() + 1; step != steps.rend(); ++step) {
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(shown(session), *step) << "undo to step " << steps.rend() - step - 1;
  }
  for (auto step = steps.begin() + 1; step != steps.end(); ++step) {
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(shown(session), *step) << "redo to step " << step - steps.begin();
  }
}

TEST(SessionJournalTest, RefusalKeepsTheJournalAndAnIdleClickSaysWhy) {
  SheetSession session(std::make_unique<ScriptedDice>(std::string_view("")));
  std::vector<SheetChange> told;
  session.onChange([&told](SheetChange change) { told.push_back(change); });
  ASSERT_TRUE(session.setText("forc", ""));
  ASSERT_TRUE(session.typedEntry());
  EXPECT_TRUE(session.journal().empty());

  ASSERT_TRUE(session.setText("des_comp", "0"));
  EXPECT_FALSE(session.improve({ImprovementKind::Skill, 3}));
  ASSERT_EQ(session.journal().size(), 1U);
  EXPECT_TRUE(session.journal().back().rolls.empty());
  EXPECT_NE(session.journal().back().result.find("aucun jet"), std::string::npos);
  EXPECT_EQ(told, std::vector{SheetChange::Edited});
  EXPECT_FALSE(session.canUndo());
}

}  // namespace
}  // namespace orvandel

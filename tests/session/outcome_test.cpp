// The status line's sentences: each says what the action did to the sheet
// the session now holds, with the numbers the player sees.
#include "session/outcome.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/scripted_dice.h"
#include "session/sheet_session.h"

namespace orvandel {
namespace {

struct ClickCase {
  const char* name;
  const char* spare;   // des_comp before the click
  const char* before;  // Text1(17) before the click
  const char* dice;
  bool spent;
  std::vector<std::string> said;  // pieces the sentence holds, in order
};

TEST(ImprovementOutcome, SaysWhatTheClickDid) {
  const ClickCase cases[] = {
      {"spent", "3", "40", "100:37", true, {"Chevaucher : ", "40", "18", "58", "2"}},
      {"capped", "1", "80", "100:100", true, {"Chevaucher : ", "80", "50", "130", "90", "0"}},
      {"none left", "0", "40", "", false, {"Aucun jet d’amélioration à dépenser (Suplé. 0)"}},
      {"never counted", "", "40", "", false, {"Aucun jet d’amélioration à dépenser (Suplé. -1)"}},
  };
  for (const ClickCase& c : cases) {
    SCOPED_TRACE(c.name);
    SheetSession session(std::make_unique<ScriptedDice>(c.dice));
    ASSERT_TRUE(session.setText("des_comp", c.spare));
    ASSERT_TRUE(session.setText("comp(17)", "Chevaucher"));
    ASSERT_TRUE(session.setText("Text1(17)", c.before));
    const bool spent = session.improve({ImprovementKind::Skill, 17});
    ASSERT_EQ(spent, c.spent);
    const std::string said = improvementOutcome(spent, session.sheet(), session.journal());
    std::size_t from = 0;
    for (const std::string& piece : c.said) {
      const std::size_t at = said.find(piece, from);
      ASSERT_NE(at, std::string::npos) << "« " << piece << " » missing from « " << said << " »";
      from = at + piece.size();
    }
  }
}

TEST(EntryOutcome, NamesTheCharacterRolledOrTheBoxRefused) {
  SheetSession session(std::make_unique<SeededDice>(5));
  session.randomEntry();
  const Personnage& sheet = session.sheet();
  const std::string said = entryOutcome(std::nullopt, sheet);
  EXPECT_TRUE(said.starts_with("Personnage tiré : " + sheet.profession_nom)) << said;
  EXPECT_NE(said.find("PV " + sheet.pv), std::string::npos) << said;
  EXPECT_TRUE(said.ends_with(" ; Suplé. " + sheet.des_comp)) << said;

  ASSERT_TRUE(session.setText("forc", "abc"));
  const auto refusal = session.typedEntry();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(entryOutcome(refusal, session.sheet()),
            "Remplir les cases bleues : la case forc (FORce — Dés) ne contient pas un nombre : \"abc\"");
}

TEST(ZoomOutcome, SaysTheStepAndItsEnd) {
  struct Case {
    double zoom;
    ZoomEnd end;
    bool changed;
    const char* said;
  };
  for (const Case& c : {
           Case{0.9, ZoomEnd::Between, true, "Zoom 90 %"},
           Case{0.67, ZoomEnd::Between, true, "Zoom 67 %"},
           Case{2.5, ZoomEnd::Largest, true, "Zoom 250 % (le plus grand)"},
           Case{2.5, ZoomEnd::Largest, false, "Zoom déjà au plus grand (250 %)"},
           Case{1.5, ZoomEnd::Largest, false, "Zoom déjà au plus grand (150 %)"},
           Case{0.5, ZoomEnd::Smallest, false, "Zoom déjà au plus petit (50 %)"},
           Case{1.0, ZoomEnd::Between, false, "Zoom 100 %"},
       })
    EXPECT_EQ(zoomOutcome(c.zoom, c.end, c.changed), c.said);
}

}  // namespace
}  // namespace orvandel

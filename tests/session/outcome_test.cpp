// The status line's sentence after a generation names the character the
// session now holds, with the numbers the player sees. The other sentences
// are checked on the window's line.
#include "session/outcome.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/dice.h"
#include "session/sheet_session.h"

namespace orvandel {
namespace {

TEST(EntryOutcome, NamesTheCharacterRolled) {
  SheetSession session(std::make_unique<SeededDice>(5));
  session.randomEntry();
  const Personnage& sheet = session.sheet();
  const std::string said = entryOutcome(std::nullopt, sheet);
  EXPECT_TRUE(said.starts_with("Personnage tiré : " + sheet.profession_nom)) << said;
  EXPECT_NE(said.find("PV " + sheet.pv), std::string::npos) << said;
  EXPECT_TRUE(said.ends_with(" ; Suplé. " + sheet.des_comp)) << said;
}

}  // namespace
}  // namespace orvandel

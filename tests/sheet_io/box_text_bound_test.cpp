// The most a box of a brought sheet may hold: one bound for the window, the
// command line and the browser page, counted in characters, worded in
// French with the box it names, and wide enough for every sheet the rules
// write.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "core/dice.h"
#include "core/sheet_fields.h"
#include "generation/driver.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {
namespace {

std::string repeated(const std::string& piece, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

std::string sheetWith(const std::string& control, const std::string& text) {
  return "{\"" + control + "\":\"" + text + "\"}";
}

TEST(BoxTextBound, CountsCharactersNotBytes) {
  // 1000 "é" are 2000 bytes: a full box, not an overfull one.
  const auto full = sheetForPlayer(sheetWith("equipement", repeated("é", kLongestBoxText)));
  ASSERT_TRUE(std::holds_alternative<Personnage>(full));
  EXPECT_EQ(std::get<Personnage>(full).equipement.size(), 2 * kLongestBoxText);
}

TEST(BoxTextBound, RefusesOneCharacterMoreNamingTheBox) {
  struct Case {
    std::string control;
    std::string piece;
  };
  for (const Case& c : {Case{"equipement", "x"}, Case{"comp(12)", "é"}, Case{"forc", "1"}}) {
    const auto over = sheetForPlayer(sheetWith(c.control, repeated(c.piece, kLongestBoxText + 1)));
    ASSERT_TRUE(std::holds_alternative<std::string>(over)) << c.control;
    EXPECT_EQ(std::get<std::string>(over),
              "la case \"" + c.control + "\" contient 1001 caractères ; une case en tient au plus 1000.");
  }
  // The command line reads sheets through the same reader and error.
  const auto read = sheetFromJson(sheetWith("age", repeated("9", 5000)));
  ASSERT_TRUE(std::holds_alternative<SheetError>(read));
  EXPECT_EQ(std::get<SheetError>(read).problem, SheetError::Problem::TooLong);
  EXPECT_EQ(std::get<SheetError>(read).length, 5000u);
}

// Every sheet the rules write opens again: thousands of random characters
// saved and read back.
TEST(BoxTextBound, KeepsEverySheetTheRulesWrite) {
  SeededDice dice(2026);
  Personnage sheet;
  for (int i = 0; i < 5000; ++i) {
    generateRandom(sheet, dice);
    const auto read = sheetForPlayer(sheetToJson(sheet));
    ASSERT_TRUE(std::holds_alternative<Personnage>(read)) << std::get<std::string>(read);
  }
}

}  // namespace
}  // namespace orvandel

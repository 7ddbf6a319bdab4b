// The sheet's written forms: JSON keeps every byte, and the text form reads
// as checked by hand and fits a terminal and a page.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/dice.h"
#include "generation/driver.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_text.h"

namespace orvandel {
namespace {

std::size_t columns(std::string_view line) {
  return static_cast<std::size_t>(std::count_if(
      line.begin(), line.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The lines of `text` wider than 80 columns, with their number.
std::string overlong(const std::string& text) {
  std::istringstream lines(text);
  std::string found;
  int n = 0;
  for (std::string line; std::getline(lines, line);)
    if (++n, columns(line) > 80) found += std::to_string(n) + ": " + line + "\n";
  return found;
}

std::string withoutBlanks(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (c != ' ' && c != '\n') kept += c;
  return kept;
}

Personnage seeded(std::uint64_t seed) {
  Personnage sheet;
  SeededDice dice(seed);
  generateRandom(sheet, dice);
  return sheet;
}

TEST(JsonFormTest, RoundTripKeepsEveryByte) {
  Personnage sheet;
  sheet.equipement = "quote \" backslash \\ tab\t newline\n bell\x07 é Héritier du trône N°3";
  sheet.comp(2) = "Se cacher  (10%)";
  sheet.des_ok(17) = true;
  const auto back = sheetFromJson(sheetToJson(sheet));
  ASSERT_TRUE(std::holds_alternative<Personnage>(back));
  EXPECT_EQ(std::get<Personnage>(back), sheet);
}

// Seed 1 rolls a "Chasseur Guerrier" of the "Plaine des Cendres"; the golden
// sheet was checked by hand against the rules, roll by roll.
TEST(TextFormTest, SeedOneReadsAsTheSheetCheckedByHand) {
  std::ifstream file(ORVANDEL_GOLDEN_DIR "/seed1.txt");
  const std::string golden((std::istreambuf_iterator<char>(file)), {});
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(sheetToText(seeded(1)), golden);
}

TEST(TextFormTest, EverySeededSheetFitsEightyColumns) {
  for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
    const std::string text = sheetToText(seeded(seed));
    ASSERT_EQ(overlong(text), "") << "seed " << seed;
  }
}

// Long texts wrap under their label and lose nothing: every character is
// still there, in order.
TEST(TextFormTest, LongTypedTextsWrapUnderTheirLabelAndLoseNothing) {
  const std::string words = "une cape de voyage, deux bourses de cuir, une lanterne sourde et sa mèche ";
  const struct {
    const char* what;
    std::string Personnage::*field;
    std::string text;
    const char* continuation;  // how a line under the first begins
  } cases[] = {
      {"equipment", &Personnage::equipement, " " + words + words + words, "   une"},
      {"one long word", &Personnage::equipement, std::string(300, 'x'), "  xxx"},
      {"typed line breaks", &Personnage::equipement, "arc\nflèches\n", "  flèches"},
      {"nationality", &Personnage::nationalite_nom, words + words, "                    "},
      {"profession", &Personnage::profession_nom, std::string(150, 'p'), "                    p"},
      {"a characteristic", &Personnage::forc, std::string(120, '9'), "                    9"},
      {"extra rolls", &Personnage::des_comp, words, "  "},
  };
  for (const auto& c : cases) {
    Personnage sheet = seeded(3);
    sheet.*c.field = c.text;
    const std::string text = sheetToText(sheet);
    EXPECT_EQ(overlong(text), "") << c.what;
    EXPECT_NE(text.find("\n" + std::string(c.continuation)), std::string::npos) << c.what << "\n" << text;
    EXPECT_NE(withoutBlanks(text).find(withoutBlanks(c.text)), std::string::npos) << c.what << "\n" << text;
  }
}

}  // namespace
}  // namespace orvandel

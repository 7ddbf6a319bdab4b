// The game master's page: every value a GM reads at the table is in each
// block, in 80 columns of text and in the HTML for print.
#include "sheet_io/gm_page.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "core/dice.h"
#include "generation/driver.h"
#include "generation/skills.h"
#include "sheet_io/text_lines.h"

namespace orvandel {
namespace {

// Runs of spaces and line breaks as one space, so that a wrapped value is
// found whole.
std::string flattened(const std::string& text) {
  std::istringstream words(text);
  std::string out;
  for (std::string w; words >> w;) out += (out.empty() ? "" : " ") + w;
  return out;
}

// What each block must show, as the sheet holds it.
std::vector<std::string> valuesOf(const Personnage& p) {
  std::vector<std::string> values{p.profession_nom,
                                  p.nationalite_nom,
                                  p.age + " ans",
                                  "PV " + p.pv,
                                  "Blessure Majeure " + p.blessure_majeure,
                                  "SAN " + p.san,
                                  p.bonus_dommages,
                                  "Attaque " + p.bonus_attaque,
                                  "Parade " + p.bonus_parade,
                                  "Agilité " + p.bonus_agilite,
                                  "Manipulation " + p.bonus_manipulation,
                                  "Perception " + p.bonus_perception,
                                  "Discrétion " + p.bonus_discretion,
                                  "Connaissance " + p.bonus_connaissance,
                                  "Communication " + p.bonus_communication,
                                  p.sorcier,
                                  flattened(p.equipement)};
  for (const auto& row : kCharacteristics)
    values.push_back(std::string(row.caption).substr(0, 3) + " " + p.*row.total);
  for (int i = WeaponSlots::kFirst; i <= WeaponSlots::kLast; ++i)
    if (!p.arme_att(i).empty()) values.push_back(p.arme_att(i) + "/" + p.arme_par(i));
  for (int i = SkillSlots::kFirst; i <= SkillSlots::kLast; ++i) {
    const auto base = catalogueBase(p, i);
    if (!p.Text1(i).empty() && (!base || p.Text1(i) != std::to_string(*base)))
      values.push_back(flattened(p.comp(i)) + " " + p.Text1(i));
  }
  return values;
}

class GmPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeededDice dice(12);
    for (int i = 0; i < 5; ++i) {
      sheets_.emplace_back();
      generateRandom(sheets_.back(), dice);
    }
    names_ = {"Garde 1", "Garde 2", "Garde 3", "Garde 4", "Capitaine <Aldo> & fils"};
    for (std::size_t i = 0; i < sheets_.size(); ++i) named_.push_back({names_[i], sheets_[i]});
  }
  std::vector<Personnage> sheets_;
  std::vector<std::string> names_;
  std::vector<NamedSheet> named_;
};

TEST_F(GmPageTest, TextHoldsEveryValueInEightyColumnsFourToAPage) {
  const std::string text = gmPageText(named_);
  const auto pages = text.find('\f');
  ASSERT_NE(pages, std::string::npos);
  EXPECT_EQ(text.find('\f', pages + 1), std::string::npos);
  EXPECT_NE(text.find("Capitaine <Aldo>", pages), std::string::npos);
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(textWidth(line), kTextColumns) << line;
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    const std::string block = flattened(gmBlockText(named_[i]));
    for (const auto& value : valuesOf(sheets_[i])) EXPECT_NE(block.find(value), std::string::npos) << value;
  }
}

TEST_F(GmPageTest, HtmlHoldsEveryValueAndEscapesTheNames) {
  const std::string html = gmPageHtml(named_);
  EXPECT_NE(html.find("Capitaine &lt;Aldo&gt; &amp; fils"), std::string::npos);
  EXPECT_EQ(html.find("<Aldo>"), std::string::npos);
  std::size_t from = 0;
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    const auto start = html.find("<section", from);
    const auto end = html.find("</section>", start);
    ASSERT_NE(end, std::string::npos);
    std::string block = html.substr(start, end - start);
    for (const auto& [entity, character] : {std::pair{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}})
      for (auto at = block.find(entity); at != std::string::npos; at = block.find(entity, at))
        block.replace(at, std::string(entity).size(), character);
    block = flattened(block);
    for (const auto& value : valuesOf(sheets_[i])) EXPECT_NE(block.find(value), std::string::npos) << value;
    from = end;
  }
  // The fifth block, and it alone, starts a page.
  EXPECT_EQ(html.find("page-break-before"), html.rfind("page-break-before"));
  EXPECT_GT(html.find("page-break-before"), html.rfind("<section"));
}

}  // namespace
}  // namespace orvandel

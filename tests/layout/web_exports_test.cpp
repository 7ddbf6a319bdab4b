// What the browser page is given of the layout and of the control
// catalogue, as the JSON it reads: the page lays the phone column out and
// sets each control's focus from these alone.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "layout/control_catalogue.h"
#include "web/layout_rows.h"

namespace orvandel {
namespace {

using nlohmann::json;

TEST(WebExports, ColumnPlacesFollowTheCatalogueInFillOrder) {
  const json places = json::parse(columnPlacesJson());
  const auto& order = columnOrder();
  ASSERT_EQ(places.size(), order.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    const ColumnPlace& place = *order[i]->place;
    EXPECT_EQ(places[i]["name"], order[i]->row->name);
    EXPECT_EQ(places[i]["section"], place.section);
    EXPECT_EQ(places[i]["line"], place.line);
    EXPECT_EQ(places[i]["column"], place.column);
    EXPECT_EQ(places[i]["heading"], place.heading);
  }
}

// The places the page's grid reads: the skills section's heading alone on
// the line under the vitals, each skill's name and value on one line.
TEST(WebExports, ColumnPlacesOfNamedControls) {
  json byName;
  for (const json& place : json::parse(columnPlacesJson())) byName[place["name"].get<std::string>()] = place;
  EXPECT_EQ(byName["forc"]["line"], 2);
  EXPECT_EQ(byName["forc"]["column"], "2");
  EXPECT_EQ(byName["Compétences"]["heading"], true);
  EXPECT_EQ(byName["Compétences"]["column"], "1 / -1");
  EXPECT_EQ(byName["Label32"]["line"].get<int>(), byName["Compétences"]["line"].get<int>() + 1);
  EXPECT_EQ(byName["comp(1)"]["line"], byName["Text1(1)"]["line"]);
  EXPECT_EQ(byName["comp(1)"]["column"], "1 / 5");
  EXPECT_EQ(byName["Text1(1)"]["column"], "5");
  EXPECT_EQ(byName["Label41"]["heading"], true);
}

TEST(WebExports, EveryRowCarriesItsCataloguedFocus) {
  const json rows = json::parse(layoutRowsJson());
  const auto& catalogue = controlCatalogue();
  ASSERT_EQ(rows.size(), catalogue.size());
  const char* names[] = {"none", "click", "tab"};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i]["name"], catalogue[i].row->name);
    EXPECT_EQ(rows[i]["focus"], names[static_cast<int>(catalogue[i].focus)]) << catalogue[i].row->name;
  }
}

TEST(WebExports, ArtworkIsNamedByItsFile) {
  EXPECT_EQ(artworkName(":/artwork/title.pixels"), "title");
  EXPECT_EQ(artworkName(":/artwork/strip_left.pixels"), "strip_left");
}

}  // namespace
}  // namespace orvandel

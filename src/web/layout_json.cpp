// Writes the layout table to standard output as JSON, for the build step
// that draws the sheet's frame and captions into the page (write_page.mjs):
// the page shows them before its engine has arrived. Run under node at
// build time; the rows and places are the engine's layoutRows() and
// columnPlaces().
#include <iostream>
#include <nlohmann/json.hpp>

#include "layout/layout.h"
#include "layout_rows.h"

using namespace orvandel;
using nlohmann::json;

int main() {
  const json layout = {
      {"facts",
       {{"widthTwips", kClientWidthTwips},
        {"heightTwips", kClientHeightTwips},
        {"twipsPerPixel", kTwipsPerPixel},
        {"font", json::parse(fontJson(kWindowFont))}}},
      {"fixed",
       {{"client", kClientArea},
        {"frame", kSheetFrame},
        {"title", kTitlePicture},
        {"typedEntry", kTypedEntryButton},
        {"quit", kQuitButton}}},
      {"rows", json::parse(layoutRowsJson())},
      {"places", json::parse(columnPlacesJson())},
  };
  std::cout << layout.dump() << '\n';
}

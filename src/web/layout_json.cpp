// Writes the layout table to standard output as JSON, for the build step
// that draws the sheet's frame and captions into the page (write_page.mjs):
// the page shows them before its engine has arrived. Run under node at
// build time; the rows have the same fields as the engine's layoutRows().
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "layout/layout.h"

namespace {

using nlohmann::json;
using namespace orvandel;

// ":/artwork/title.png" -> "title": the page draws the same piece from its SVG.
std::string artworkName(const char* resource) {
  const std::string_view path(resource);
  const auto start = path.rfind('/') + 1;
  return std::string(path.substr(start, path.rfind('.') - start));
}

json colour(const std::optional<Rgb>& rgb) {
  if (!rgb) return nullptr;
  std::string text = "rgb(";
  text.append(std::to_string(rgb->red)).append(",").append(std::to_string(rgb->green));
  text.append(",").append(std::to_string(rgb->blue)).append(")");
  return text;
}

const char* kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Frame:
      return "frame";
    case ControlKind::Caption:
      return "caption";
    case ControlKind::Field:
      return "field";
    case ControlKind::MultiLine:
      return "multiline";
    case ControlKind::Selector:
      return "selector";
    case ControlKind::Button:
      return "button";
    case ControlKind::Picture:
      return "picture";
    case ControlKind::Line:
      return "line";
  }
  return "caption";
}

json fontOf(const NamedFont& font) {
  return {{"family", font.family},
          {"face", standInFace(font.family)},
          {"points", font.points},
          {"bold", font.bold},
          {"underline", font.underline}};
}

json rowOf(const ControlRow& row) {
  const Look& look = row.look;
  return {
      {"name", row.name},
      {"kind", kindName(row.kind)},
      {"container", row.container == Container::Frame ? "frame" : "window"},
      {"twips",
       {{"left", row.place.left},
        {"top", row.place.top},
        {"width", row.place.width},
        {"height", row.place.height}}},
      {"caption", row.caption},
      {"look",
       {{"font", fontOf(look.font)},
        {"align", look.align == Align::Centre ? "centre" : "left"},
        {"ink", colour(look.ink)},
        {"paper", colour(look.paper)},
        {"editable", look.editable}}},
      {"picture", row.picture ? json(artworkName(row.picture)) : json(nullptr)},
      {"standsAbove", standsAbove(row.kind)},
  };
}

}  // namespace

int main() {
  json rows = json::array();
  for (const auto& row : characterWindowLayout()) rows.push_back(rowOf(row));
  const json layout = {
      {"facts",
       {{"widthTwips", kClientWidthTwips},
        {"heightTwips", kClientHeightTwips},
        {"twipsPerPixel", kTwipsPerPixel},
        {"font", fontOf(kWindowFont)}}},
      {"fixed",
       {{"client", kClientArea},
        {"frame", kSheetFrame},
        {"title", kTitlePicture},
        {"typedEntry", kTypedEntryButton},
        {"quit", kQuitButton}}},
      {"rows", rows},
  };
  std::cout << layout.dump() << '\n';
}

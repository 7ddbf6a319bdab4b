#include "layout_rows.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvandel {

using nlohmann::json;

namespace {

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

const char* focusName(Focus focus) {
  switch (focus) {
    case Focus::Tab:
      return "tab";
    case Focus::Click:
      return "click";
    case Focus::None:
      return "none";
  }
  return "none";
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
      {"tooltip", row.tooltip ? json(row.tooltip) : json(nullptr)},
      {"standsAbove", standsAbove(row.kind)},
      {"focus", focusName(focusOf(row))},
  };
}

}  // namespace

std::string artworkName(const char* resource) {
  const std::string_view path(resource);
  const auto start = path.rfind('/') + 1;
  return std::string(path.substr(start, path.rfind('.') - start));
}

json fontOf(const NamedFont& font) {
  return {{"family", font.family},
          {"face", standInFace(font.family)},
          {"points", font.points},
          {"bold", font.bold},
          {"underline", font.underline}};
}

json layoutRowsJson() {
  json rows = json::array();
  for (const auto& row : characterWindowLayout()) rows.push_back(rowOf(row));
  return rows;
}

}  // namespace orvandel

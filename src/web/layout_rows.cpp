#include "layout_rows.h"

#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "layout/control_catalogue.h"

namespace orvandel {

using nlohmann::json;

namespace {

// The rows are written out as JSON text member by member: the page asks
// for them as it starts, and building them as JSON values before writing
// them took some ten times as long.

// A text or a number as JSON text, escaped as JSON escapes it.
template <typename Value>
std::string jsonText(const Value& value) {
  return json(value).dump();
}

std::string textOrNull(const char* text) { return text ? jsonText(text) : "null"; }

std::string colour(const std::optional<Rgb>& rgb) {
  if (!rgb) return "null";
  std::string text = "\"rgb(";
  text.append(std::to_string(rgb->red)).append(",").append(std::to_string(rgb->green));
  text.append(",").append(std::to_string(rgb->blue)).append(")\"");
  return text;
}

const char* truth(bool value) { return value ? "true" : "false"; }

// An object's members, each as its key and its value's JSON text.
using Members = std::initializer_list<std::pair<const char*, std::string>>;

void appendObject(std::string& out, Members members) {
  out += '{';
  for (const auto& [key, text] : members) {
    if (out.back() != '{') out += ',';
    out.append("\"").append(key).append("\":").append(text);
  }
  out += '}';
}

std::string objectText(Members members) {
  std::string out;
  appendObject(out, members);
  return out;
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

void appendRow(std::string& out, const ControlRow& row) {
  const Look& look = row.look;
  appendObject(out,
               {
                   {"name", jsonText(row.name)},
                   {"kind", jsonText(kindName(row.kind))},
                   {"container", jsonText(row.container == Container::Frame ? "frame" : "window")},
                   {"twips", objectText({{"left", std::to_string(row.place.left)},
                                         {"top", std::to_string(row.place.top)},
                                         {"width", std::to_string(row.place.width)},
                                         {"height", std::to_string(row.place.height)}})},
                   {"caption", jsonText(row.caption)},
                   {"look", objectText({{"font", fontJson(look.font)},
                                        {"align", jsonText(look.align == Align::Centre ? "centre" : "left")},
                                        {"ink", colour(look.ink)},
                                        {"paper", colour(look.paper)},
                                        {"editable", truth(look.editable)}})},
                   {"picture", row.picture ? jsonText(artworkName(row.picture)) : "null"},
                   {"tooltip", textOrNull(row.tooltip)},
                   {"standsAbove", truth(standsAbove(row.kind))},
                   {"focus", jsonText(focusName(catalogueEntry(row.name)->focus))},
               });
}

}  // namespace

std::string artworkName(const char* resource) {
  const std::string_view path(resource);
  const auto start = path.rfind('/') + 1;
  return std::string(path.substr(start, path.rfind('.') - start));
}

std::string fontJson(const NamedFont& font) {
  return objectText({{"family", jsonText(font.family)},
                     {"face", jsonText(standInFace(font.family))},
                     {"points", jsonText(font.points)},
                     {"bold", truth(font.bold)},
                     {"underline", truth(font.underline)}});
}

std::string layoutRowsJson() {
  std::string out = "[";
  for (const auto& row : characterWindowLayout()) {
    if (out.size() > 1) out += ',';
    appendRow(out, row);
  }
  out += ']';
  return out;
}

std::string columnPlacesJson() {
  std::string out = "[";
  for (const CatalogueEntry* entry : columnOrder()) {
    if (out.size() > 1) out += ',';
    const ColumnPlace& place = *entry->place;
    appendObject(out, {{"name", jsonText(entry->row->name)},
                       {"section", std::to_string(place.section)},
                       {"line", std::to_string(place.line)},
                       {"column", jsonText(place.column)},
                       {"heading", truth(place.heading)},
                       {"dice", jsonText(place.dice)}});
  }
  out += ']';
  return out;
}

}  // namespace orvandel

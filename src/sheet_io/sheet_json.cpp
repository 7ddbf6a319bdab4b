#include "sheet_io/sheet_json.h"

#include <nlohmann/json.hpp>

#include "core/sheet_fields.h"
#include "sheet_io/recipe_json.h"
#include "sheet_io/sheet_events.h"

namespace orvandel {

namespace {

// A JSON string: quotes, backslashes and control characters escaped, every
// other byte (UTF-8 included) as it stands.
void appendQuoted(std::string& out, std::string_view text) {
  constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  std::size_t plain = 0;  // start of the run of bytes that need no escape
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out.append(text, plain, i - plain);
    plain = i + 1;
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    }
  }
  out.append(text, plain);
  out += '"';
}

}  // namespace

std::string sheetToJson(const Personnage& sheet) {
  // Written by hand rather than through a JSON document: the CLI turns out
  // characters by the hundred thousand and this is its inner loop.
  std::string out;
  out.reserve(6144);
  char separator = '{';
  auto key = [&](const std::string& name) {
    out += separator;
    separator = ',';
    appendQuoted(out, name);
    out += ':';
  };
  forEachField(
      sheet,
      [&](const std::string& name, const std::string& text) {
        key(name);
        appendQuoted(out, text);
      },
      [&](const std::string& name, bool ticked) {
        key(name);
        out += ticked ? "true" : "false";
      });
  if (sheet.recette) {
    key(std::string(kRecipeKey));
    out += recipeToJson(*sheet.recette).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  }
  out += '}';
  return out;
}

std::variant<Personnage, SheetError> sheetFromJson(std::string_view json, Personnage base) {
  SheetEvents events(std::move(base));
  if (!nlohmann::json::sax_parse(json, &events))
    return SheetError{SheetError::Problem::NotJson, {}, "the sheet is not valid JSON"};
  return std::move(events).result();
}

}  // namespace orvandel

#include "sheet_io/sheet_json.h"

#include <nlohmann/json.hpp>

#include "core/excerpt.h"
#include "core/sheet_fields.h"
#include "sheet_io/sheet_reasons.h"

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
  out += '}';
  return out;
}

std::variant<Personnage, SheetError> sheetFromJson(std::string_view json, Personnage base) {
  const auto parsed = nlohmann::json::parse(json, nullptr, false);
  if (parsed.is_discarded())
    return SheetError{SheetError::Problem::NotJson, {}, "the sheet is not valid JSON"};
  return sheetFromJsonValue(parsed, std::move(base));
}

std::variant<Personnage, SheetError> sheetFromJsonValue(const nlohmann::json& parsed, Personnage base) {
  if (!parsed.is_object())
    return SheetError{
        SheetError::Problem::NotAnObject, {}, "the sheet must be a JSON object keyed by control names"};
  for (const auto& [key, value] : parsed.items()) {
    const auto field = findField(base, key);
    if (!field)
      return SheetError{SheetError::Problem::UnknownControl, key,
                        "unknown control name " + excerpt(key) + " in the sheet"};
    if (auto* text = std::get_if<std::string*>(&*field)) {
      if (!value.is_string())
        return SheetError{SheetError::Problem::NotText, key, excerpt(key) + " must be a string"};
      const auto& typed = value.get_ref<const std::string&>();
      if (const std::size_t length = charactersIn(typed); length > kLongestBoxText)
        return SheetError{
            SheetError::Problem::TooLong, key,
            excerpt(key) + " holds " + std::to_string(length) + " characters, more than a box holds", length};
      **text = typed;
    } else {
      if (!value.is_boolean())
        return SheetError{SheetError::Problem::NotTickBox, key, excerpt(key) + " must be true or false"};
      *std::get<bool*>(*field) = value.get<bool>();
    }
  }
  return base;
}

}  // namespace orvandel

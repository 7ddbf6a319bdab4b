#include "cli/sheet_json.h"

#include <nlohmann/json.hpp>

#include "core/sheet_fields.h"

namespace orvandel {

std::string sheetToJson(const Personnage& sheet) {
  // findField needs a mutable sheet; the copy is never written.
  Personnage view = sheet;
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  for (const std::string& name : controlNames()) {
    const FieldRef field = *findField(view, name);
    if (const auto* text = std::get_if<std::string*>(&field)) out[name] = **text;
    else out[name] = *std::get<bool*>(field);
  }
  return out.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::variant<Personnage, SheetError> sheetFromJson(std::string_view json, Personnage base) {
  const auto parsed = nlohmann::json::parse(json, nullptr, false);
  if (parsed.is_discarded()) return SheetError{"the sheet is not valid JSON"};
  if (!parsed.is_object()) return SheetError{"the sheet must be a JSON object keyed by control names"};
  for (const auto& [key, value] : parsed.items()) {
    const auto field = findField(base, key);
    if (!field) return SheetError{"unknown control name \"" + key + "\" in the sheet"};
    if (auto* text = std::get_if<std::string*>(&*field)) {
      if (!value.is_string()) return SheetError{"\"" + key + "\" must be a string"};
      **text = value.get<std::string>();
    } else {
      if (!value.is_boolean()) return SheetError{"\"" + key + "\" must be true or false"};
      *std::get<bool*>(*field) = value.get<bool>();
    }
  }
  return base;
}

}  // namespace orvandel

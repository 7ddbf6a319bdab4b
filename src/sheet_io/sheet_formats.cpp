#include "sheet_io/sheet_formats.h"

#include <algorithm>
#include <array>

#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_text.h"

namespace orvandel {
namespace {

// One sheet a line, so that a batch of them is JSON Lines.
std::string jsonLine(const Personnage& sheet) { return sheetToJson(sheet) + '\n'; }

constexpr auto kSheetFormats = std::to_array<SheetFormat>({
    {"json", "json", "Fiche Orvandel", jsonLine},
    {"text", "txt", "Fiche en texte", sheetToText},
});

}  // namespace

std::span<const SheetFormat> sheetFormats() { return kSheetFormats; }

const SheetFormat* findSheetFormat(std::string_view name) {
  const auto found = std::find_if(kSheetFormats.begin(), kSheetFormats.end(),
                                  [&](const SheetFormat& f) { return f.name == name; });
  return found == kSheetFormats.end() ? nullptr : &*found;
}

}  // namespace orvandel

// The sheet's written forms, one row each: the name orvandel-cli's --format
// takes, the file suffix and the French label of the window's save dialog,
// and the writer. A new form is one row of this table.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/sheet.h"

namespace orvandel {

struct SheetFormat {
  std::string_view name;
  std::string_view suffix;
  std::string_view label;
  std::string (*write)(const Personnage& sheet);
};

// Every form, the one to open again (JSON) first.
std::span<const SheetFormat> sheetFormats();

// The form called `name`, or nullptr.
const SheetFormat* findSheetFormat(std::string_view name);

}  // namespace orvandel

#include "core/improving_controls.h"

#include <stdexcept>

#include "core/sheet_fields.h"

namespace orvandel {
namespace {

const ImprovingRow& raisedRow(ImprovementKind kind) {
  for (const auto& row : kImprovingRows)
    if (row.kind == kind && row.holdsValue) return row;
  throw std::logic_error("no row holds the value a press raises");
}

std::string range(const ImprovingRow& row) {
  return std::string(row.base) + "(" + std::to_string(row.first) + ".." + std::to_string(row.last) + ")";
}

}  // namespace

std::optional<ImprovementTarget> improvementOf(std::string_view controlName, PressBy by) {
  const auto name = splitControlName(controlName);
  if (!name || !name->index) return std::nullopt;
  for (const auto& row : kImprovingRows)
    if (row.base == name->base && (by == PressBy::Click ? row.byClick : row.byKey) &&
        *name->index >= row.first && *name->index <= row.last)
      return ImprovementTarget{row.kind, *name->index};
  return std::nullopt;
}

std::string raisedControl(ImprovementTarget target) {
  return indexedName(raisedRow(target.kind).base, target.index);
}

std::string clickTargetsText() {
  std::string text;
  std::string last;
  for (const auto& row : kImprovingRows) {
    if (!row.byClick) continue;
    if (!last.empty()) text += (text.empty() ? "" : ", ") + last;
    last = range(row);
  }
  return text.empty() ? last : text + " ou " + last;
}

}  // namespace orvandel

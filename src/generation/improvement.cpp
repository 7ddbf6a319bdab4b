#include "generation/improvement.h"

#include <cmath>

#include "core/number.h"
#include "core/sheet_fields.h"

namespace orvandel {
namespace {

// The ceiling of a value raised by a click.
constexpr double kCeiling = 90;

std::string& raisedField(Personnage& sheet, ImprovementTarget target) {
  switch (target.kind) {
    case ImprovementKind::Attack:
      return sheet.arme_att(target.index);
    case ImprovementKind::Parry:
      return sheet.arme_par(target.index);
    case ImprovementKind::Skill:
      break;
  }
  return sheet.Text1(target.index);
}

}  // namespace

std::optional<ImprovementTarget> improvementTarget(std::string_view controlName) {
  const auto name = splitControlName(controlName);
  if (!name || !name->index) return std::nullopt;
  const int i = *name->index;
  if (name->base == "comp" && Slots<1, 73>::exists(i)) return ImprovementTarget{ImprovementKind::Skill, i};
  if (name->base == "arme_att" && Slots<1, 6>::exists(i))
    return ImprovementTarget{ImprovementKind::Attack, i};
  if (name->base == "arme_par" && Slots<1, 6>::exists(i)) return ImprovementTarget{ImprovementKind::Parry, i};
  return std::nullopt;
}

std::optional<ImprovementTarget> keyedImprovementTarget(std::string_view controlName) {
  const auto name = splitControlName(controlName);
  if (name && name->base == "Text1" && name->index && Slots<1, 73>::exists(*name->index))
    return ImprovementTarget{ImprovementKind::Skill, *name->index};
  return improvementTarget(controlName);
}

bool improve(Personnage& sheet, ImprovementTarget target, Dice& dice) {
  if (sheet.des_comp.empty()) sheet.des_comp = "-1";
  const auto left = readStrict(sheet.des_comp);
  if (!left || *left <= 0) return false;
  sheet.des_comp = writeWhole(*left - 1);

  std::string& value = raisedField(sheet, target);
  const int r = dice.des(100);
  value = writeWhole(readLenient(value) + std::floor(r / 2.0));
  if (readRounded(value).value_or(0) >= kCeiling) value = writeWhole(kCeiling);
  return true;
}

}  // namespace orvandel

#include "generation/improvement.h"

#include <cmath>
#include <string>
#include <variant>

#include "core/number.h"
#include "core/sheet_fields.h"
#include "generation/skills.h"
#include "generation/training.h"

namespace orvandel {
namespace {

// The ceiling of a value raised by a click.
constexpr double kCeiling = 90;

std::string& raisedField(Personnage& sheet, ImprovementTarget target) {
  return *std::get<std::string*>(*findField(sheet, raisedControl(target)));
}

// The clicked skill, or the weapon value.
std::string clickedName(const Personnage& sheet, ImprovementTarget target) {
  switch (target.kind) {
    case ImprovementKind::Attack:
      return std::string(kAttackStep) + ", " + weaponTitle(sheet, target.index);
    case ImprovementKind::Parry:
      return std::string(kParryStep) + ", " + weaponTitle(sheet, target.index);
    case ImprovementKind::Skill:
      break;
  }
  return skillTitle(sheet, target.index);
}

}  // namespace

std::optional<ImprovementTarget> improvementTarget(std::string_view controlName) {
  return improvementOf(controlName, PressBy::Click);
}

std::optional<ImprovementTarget> keyedImprovementTarget(std::string_view controlName) {
  return improvementOf(controlName, PressBy::Key);
}

bool improve(Personnage& sheet, ImprovementTarget target, Dice& dice, Journal* journal) {
  Notebook book(dice, journal);
  const std::string count = journal ? sheet.des_comp : std::string();
  if (sheet.des_comp.empty()) sheet.des_comp = "-1";
  const auto left = readStrict(sheet.des_comp);
  if (!left || *left <= 0) {
    book.note(Stage::Amelioration, [&](Note& note) {
      note.subject(clickedName(sheet, target))
          .control(raisedControl(target))
          .result("aucun jet à dépenser : ");
      if (count.empty())
        note.result("Suplé. était vide et vaut maintenant -1");
      else
        note.result("Suplé. vaut « ", count, " »");
      note.result(", rien ne change");
    });
    return false;
  }
  sheet.des_comp = writeWhole(*left - 1);

  std::string& value = raisedField(sheet, target);
  const double start = readLenient(value);
  const int r = book.dice().des(100);
  value = writeWhole(start + std::floor(r / 2.0));
  const bool capped = readRounded(value).value_or(0) >= kCeiling;
  const std::string reached = journal ? value : std::string();
  if (capped) value = writeWhole(kCeiling);
  book.note(Stage::Amelioration, [&](Note& note) {
    note.subject(clickedName(sheet, target))
        .control(raisedControl(target))
        .result(writeWhole(start), " + ", writeWhole(std::floor(r / 2.0)), " (moitié du jet ", r,
                ") = ", reached);
    if (capped) note.result(", ramené au plafond de ", value);
    note.result(" ; Suplé. ", sheet.des_comp);
  });
  return true;
}

}  // namespace orvandel

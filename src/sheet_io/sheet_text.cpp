#include "sheet_io/sheet_text.h"

#include <algorithm>
#include <string_view>

#include "generation/skills.h"
#include "sheet_io/sheet_labels.h"
#include "sheet_io/text_lines.h"

namespace orvandel {
namespace {

void line(std::string& out, std::string_view label, std::string_view value) {
  appendWrapped(out, "  " + padded(label, 18).append(value), 20);
}

void characteristics(std::string& out, const Personnage& p) {
  out += "Caractéristiques       Dés  Modif  Total\n";
  for (const auto& row : kCharacteristics)
    appendWrapped(out,
                  "  " + padded(row.caption, 18) + rightAligned(p.*row.roll, 5) +
                      rightAligned(p.*row.race, 7) + rightAligned(p.*row.total, 7),
                  20);
}

void identity(std::string& out, const Personnage& p) {
  out += "\nPersonnage\n";
  line(out, labels::kNationalite, p.nationalite_nom + "  (dés " + p.nationalite + ")");
  line(out, labels::kProfession, p.profession_nom + "  (dés " + p.profession + ")");
  line(out, labels::kAge, p.age);
  line(out, labels::kMagie, p.sorcier);
  out += "\nValeurs vitales\n";
  line(out, labels::kPv, p.pv);
  line(out, labels::kBlessureMajeure, p.blessure_majeure);
  line(out, labels::kSan, p.san);
  line(out, "SFT", p.sft);
}

void bonuses(std::string& out, const Personnage& p) {
  out += "\nBonus\n";
  line(out, labels::kAttaque, p.bonus_attaque);
  line(out, labels::kParade, p.bonus_parade);
  for (const auto& category : kSkillCategories)
    if (category.bonus) line(out, category.heading, p.*category.bonus);
  line(out, labels::kDommages, p.bonus_dommages);
}

void weapons(std::string& out, const Personnage& p) {
  out += "\nArmes                         Attaque  Parade\n";
  for (int i = WeaponSlots::kFirst; i <= WeaponSlots::kLast; ++i) {
    if (p.arme_att(i).empty() && p.arme_par(i).empty()) continue;
    appendWrapped(
        out,
        "  " + padded(p.arme_nom(i), 28) + rightAligned(p.arme_att(i), 9) + rightAligned(p.arme_par(i), 8),
        4);
  }
}

void skills(std::string& out, const Personnage& p) {
  out += "\n";
  appendWrapped(out, "Compétences" + (p.des_comp.empty() ? "" : "  (Suplé. " + p.des_comp + ")"), 2);
  for (const auto& category : kSkillCategories) {
    std::string rows;
    for (int i = SkillSlots::kFirst; i <= SkillSlots::kLast; ++i)
      if (catalogueCategory(i) == category.category && !p.Text1(i).empty())
        appendWrapped(rows, "    " + padded(p.comp(i), 36) + rightAligned(p.Text1(i), 6), 6);
    if (!rows.empty()) out.append("  ").append(category.heading).append("\n").append(rows);
  }
}

}  // namespace

std::string sheetToText(const Personnage& sheet) {
  std::string out;
  characteristics(out, sheet);
  identity(out, sheet);
  bonuses(out, sheet);
  weapons(out, sheet);
  skills(out, sheet);
  out.append("\n").append(labels::kEquipement).append(" :\n");
  // The equipment's text starts with a space of its own; the lines under it
  // keep to the same margin.
  const std::size_t margin = sheet.equipement.size() - trimmedLeft(sheet.equipement).size();
  appendWrapped(out, "  " + sheet.equipement, 2 + std::min<std::size_t>(margin, 8));
  return out;
}

}  // namespace orvandel

#include "sheet_io/sheet_text.h"

#include <string_view>

#include "generation/skills.h"

namespace orvandel {
namespace {

using SkillSlots = decltype(Personnage::comp);

// Width in characters of UTF-8 text, for alignment.
std::size_t width(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string padded(std::string_view text, std::size_t columns) {
  std::string out(text);
  for (std::size_t w = width(text); w < columns; ++w) out += ' ';
  return out;
}

std::string rightAligned(std::string_view text, std::size_t columns) {
  std::string out;
  for (std::size_t w = width(text); w < columns; ++w) out += ' ';
  return out.append(text);
}

void line(std::string& out, std::string_view label, std::string_view value) {
  out.append("  ").append(padded(label, 18)).append(value).append("\n");
}

void characteristics(std::string& out, const Personnage& p) {
  out += "Caractéristiques       Dés  Modif  Total\n";
  for (const auto& row : kCharacteristics) {
    out.append("  ").append(padded(row.caption, 18));
    out.append(rightAligned(p.*row.roll, 5)).append(rightAligned(p.*row.race, 7));
    out.append(rightAligned(p.*row.total, 7)).append("\n");
  }
}

void identity(std::string& out, const Personnage& p) {
  out += "\nPersonnage\n";
  line(out, "Nationalité", p.nationalite_nom + "  (dés " + p.nationalite + ")");
  line(out, "Profession", p.profession_nom + "  (dés " + p.profession + ")");
  line(out, "Age", p.age);
  line(out, "Magie", p.sorcier);
  out += "\nValeurs vitales\n";
  line(out, "PV", p.pv);
  line(out, "Blessure Majeure", p.blessure_majeure);
  line(out, "SAN", p.san);
  line(out, "SFT", p.sft);
}

void bonuses(std::string& out, const Personnage& p) {
  out += "\nBonus\n";
  line(out, "Attaque", p.bonus_attaque);
  line(out, "Parade", p.bonus_parade);
  for (const auto& category : kSkillCategories)
    if (category.bonus) line(out, category.heading, p.*category.bonus);
  line(out, "Dommages", p.bonus_dommages);
}

void weapons(std::string& out, const Personnage& p) {
  out += "\nArmes                         Attaque  Parade\n";
  for (int i = 1; i <= 6; ++i) {
    if (p.arme_att(i).empty() && p.arme_par(i).empty()) continue;
    out.append("  ").append(padded(p.arme_nom(i), 28));
    out.append(rightAligned(p.arme_att(i), 9)).append(rightAligned(p.arme_par(i), 8)).append("\n");
  }
}

void skills(std::string& out, const Personnage& p) {
  out += "\nCompétences";
  if (!p.des_comp.empty()) out += "  (Suplé. " + p.des_comp + ")";
  out += "\n";
  for (const auto& category : kSkillCategories) {
    std::string rows;
    for (int i = SkillSlots::kFirst; i <= SkillSlots::kLast; ++i)
      if (catalogueCategory(i) == category.category && !p.Text1(i).empty())
        rows.append("    ").append(padded(p.comp(i), 36)).append(rightAligned(p.Text1(i), 6)).append("\n");
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
  out += "\nEquipement :\n  " + sheet.equipement + "\n";
  return out;
}

}  // namespace orvandel

#include "cli/sheet_text.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace orvandel {
namespace {

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

constexpr std::array<const char*, kCaracCount> kCaracLabels{
    "FORce", "CONstitution", "TAIlle", "DEXtérité", "INTelligence", "POUvoir", "CHArisme"};

// Skill slots grouped under the window's category headings, top to bottom.
struct SkillGroup {
  const char* heading;
  std::string Personnage::*bonus;
  std::initializer_list<int> slots;
};

const std::array<SkillGroup, 7> kSkillGroups{{
    {"Discrétion", &Personnage::bonus_discretion, {1, 2, 3, 4, 5, 49}},
    {"Agilité", &Personnage::bonus_agilite, {6, 7, 8, 9, 10, 11, 46}},
    {"Manipulation", &Personnage::bonus_manipulation, {12, 13, 14, 15, 16, 47}},
    {"Perception", &Personnage::bonus_perception, {17, 18, 19, 20, 21, 22, 23, 48}},
    {"Connaissance", &Personnage::bonus_connaissance,
     {24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 43, 44, 45}},
    {"Communication", &Personnage::bonus_communication, {39, 40, 41, 42, 50}},
    {"Invocation", nullptr, {51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62,
                             63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73}},
}};

void line(std::string& out, std::string_view label, std::string_view value) {
  out.append("  ").append(padded(label, 18)).append(value).append("\n");
}

void characteristics(std::string& out, const Personnage& p) {
  out += "Caractéristiques       Dés  Modif  Total\n";
  for (std::size_t k = 0; k < kCharacteristics.size(); ++k) {
    const auto& row = kCharacteristics[k];
    out.append("  ").append(padded(kCaracLabels[k], 18));
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
  for (const auto& group : kSkillGroups)
    if (group.bonus) line(out, group.heading, p.*group.bonus);
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
  for (const auto& group : kSkillGroups) {
    std::string rows;
    for (int i : group.slots)
      if (!p.Text1(i).empty())
        rows.append("    ").append(padded(p.comp(i), 36)).append(rightAligned(p.Text1(i), 6)).append("\n");
    if (!rows.empty()) out.append("  ").append(group.heading).append("\n").append(rows);
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

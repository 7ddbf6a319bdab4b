#include "sheet_io/sheet_text.h"

#include <algorithm>
#include <string_view>

#include "generation/skills.h"

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

// A terminal's width and a page's: no line of the text form is wider.
constexpr std::size_t kColumns = 80;

// The byte at which `text` reaches `columns` columns (its size if sooner).
std::size_t byteAtColumn(std::string_view text, std::size_t columns) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == columns) return i;
  return text.size();
}

std::string_view trimmedLeft(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// Appends `text` as lines of at most kColumns columns: each broken at the
// last space that fits after the first `indent` columns (a word longer than
// a line is cut), and every following line indented by `indent` spaces, so
// that a long value reads as one block under its label. A line break typed
// into a value starts an indented line too. Text that fits is left as it is.
void emit(std::string& out, std::string_view text, std::size_t indent) {
  const std::string margin(indent, ' ');
  bool first = true;
  while (true) {
    const std::string_view prefix = first ? std::string_view() : std::string_view(margin);
    const auto newline = text.find('\n');
    std::string_view rest = text.substr(0, newline);
    const std::size_t room = kColumns - prefix.size();
    if (width(rest) > room) {
      const std::size_t cut = byteAtColumn(rest, room);
      const std::size_t from = first ? byteAtColumn(rest, indent) : 0;
      const auto space = rest.substr(0, cut + 1).rfind(' ');
      const std::size_t end = space != std::string_view::npos && space > from ? space : cut;
      out.append(prefix).append(rest.substr(0, end)).append("\n");
      text = trimmedLeft(text.substr(end));
      first = false;
      continue;
    }
    out.append(prefix).append(rest).append("\n");
    if (newline == std::string_view::npos) return;
    text = trimmedLeft(text.substr(newline + 1));
    first = false;
  }
}

void line(std::string& out, std::string_view label, std::string_view value) {
  emit(out, "  " + padded(label, 18).append(value), 20);
}

void characteristics(std::string& out, const Personnage& p) {
  out += "Caractéristiques       Dés  Modif  Total\n";
  for (const auto& row : kCharacteristics)
    emit(out,
         "  " + padded(row.caption, 18) + rightAligned(p.*row.roll, 5) + rightAligned(p.*row.race, 7) +
             rightAligned(p.*row.total, 7),
         20);
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
  for (int i = WeaponSlots::kFirst; i <= WeaponSlots::kLast; ++i) {
    if (p.arme_att(i).empty() && p.arme_par(i).empty()) continue;
    emit(out,
         "  " + padded(p.arme_nom(i), 28) + rightAligned(p.arme_att(i), 9) + rightAligned(p.arme_par(i), 8),
         4);
  }
}

void skills(std::string& out, const Personnage& p) {
  out += "\n";
  emit(out, "Compétences" + (p.des_comp.empty() ? "" : "  (Suplé. " + p.des_comp + ")"), 2);
  for (const auto& category : kSkillCategories) {
    std::string rows;
    for (int i = SkillSlots::kFirst; i <= SkillSlots::kLast; ++i)
      if (catalogueCategory(i) == category.category && !p.Text1(i).empty())
        emit(rows, "    " + padded(p.comp(i), 36) + rightAligned(p.Text1(i), 6), 6);
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
  out += "\nEquipement :\n";
  // The equipment's text starts with a space of its own; the lines under it
  // keep to the same margin.
  const std::size_t margin = sheet.equipement.size() - trimmedLeft(sheet.equipement).size();
  emit(out, "  " + sheet.equipement, 2 + std::min<std::size_t>(margin, 8));
  return out;
}

}  // namespace orvandel

#include "sheet_io/gm_page.h"

#include <string_view>
#include <vector>

#include "generation/skills.h"
#include "sheet_io/sheet_labels.h"
#include "sheet_io/text_lines.h"

namespace orvandel {
namespace {

// One line of a block: a label (none for the identity and the numbers) and
// its value, the same in the text and in the HTML.
struct BlockLine {
  std::string_view label;
  std::string value;
};

constexpr std::string_view kItemSeparator = " ; ";
constexpr std::string_view kPageTitle = "Page du MJ";

// "FOR 17  CON 12 …": the sheet's own captions, cut to their capitals.
std::string totals(const Personnage& p) {
  std::string text;
  for (const auto& row : kCharacteristics)
    text.append(text.empty() ? "" : "  ")
        .append(std::string_view(row.caption).substr(0, 3))
        .append(" ")
        .append(p.*row.total);
  return text;
}

std::string vitals(const Personnage& p) {
  std::string text;
  text.append(labels::kPv).append(" ").append(p.pv).append("  ").append(labels::kBlessureMajeure).append(" ");
  text.append(p.blessure_majeure).append("  ").append(labels::kSan).append(" ").append(p.san).append("  ");
  return text.append(labels::kDommages).append(" ").append(p.bonus_dommages);
}

std::string bonuses(const Personnage& p) {
  std::string text;
  text.append(labels::kAttaque).append(" ").append(p.bonus_attaque).append("  ");
  text.append(labels::kParade).append(" ").append(p.bonus_parade);
  for (const auto& category : kSkillCategories)
    if (category.bonus) text.append("  ").append(category.heading).append(" ").append(p.*category.bonus);
  return text;
}

bool dotted(std::string_view text) { return text.find_first_not_of(". ") == std::string_view::npos; }

// "Epée 45/40 1d8+1": name, attack over parry, damage when it is known.
std::string weapons(const Personnage& p) {
  std::string text;
  for (int i = WeaponSlots::kFirst; i <= WeaponSlots::kLast; ++i) {
    if (p.arme_att(i).empty() && p.arme_par(i).empty()) continue;
    // A name the player has not written yet reads as the row's number.
    const std::string name =
        dotted(p.arme_nom(i)) ? "Arme " + std::to_string(i) : std::string(trimmedLeft(p.arme_nom(i)));
    text.append(text.empty() ? "" : kItemSeparator).append(name).append(" ");
    text.append(p.arme_att(i)).append("/").append(p.arme_par(i));
    if (!dotted(p.arme_deg(i))) text.append(" ").append(trimmedLeft(p.arme_deg(i)));
  }
  return text;
}

// A skill the character has beyond what every character of these totals
// starts with: trained, improved, or one that starts without a value.
bool aboveBase(const Personnage& p, int slot) {
  if (p.Text1(slot).empty()) return false;
  const auto base = catalogueBase(p, slot);
  return !base || p.comp(slot) != catalogueName(slot) || p.Text1(slot) != std::to_string(*base);
}

std::string skillList(const Personnage& p, bool summonings) {
  std::string text;
  for (int i = SkillSlots::kFirst; i <= SkillSlots::kLast; ++i) {
    if ((catalogueCategory(i) == SkillCategory::Invocation) != summonings || !aboveBase(p, i)) continue;
    text.append(text.empty() ? "" : kItemSeparator).append(p.comp(i)).append(" ").append(p.Text1(i));
  }
  return text;
}

std::string sorcery(const Personnage& p) {
  const std::string abilities = skillList(p, true);
  return abilities.empty() ? p.sorcier : p.sorcier + " : " + abilities;
}

std::vector<BlockLine> blockLines(const Personnage& p) {
  std::vector<BlockLine> lines{
      {{}, p.profession_nom + ", " + p.nationalite_nom + ", " + p.age + " ans"},
      {{}, totals(p)},
      {{}, vitals(p)},
      {{}, bonuses(p)},
  };
  if (auto list = weapons(p); !list.empty()) lines.push_back({"Armes", std::move(list)});
  if (auto list = skillList(p, false); !list.empty())
    lines.push_back({labels::kCompetences, std::move(list)});
  lines.push_back({labels::kMagie, sorcery(p)});
  lines.push_back({labels::kEquipement, std::string(trimmedLeft(p.equipement))});
  return lines;
}

constexpr std::string_view kBlockIndent = "  ";

std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// The two spaces between the numbers of a line ("FOR 17  CON 12") as HTML
// keeps them. Only the unlabelled lines hold such pairs; the runs of
// spaces inside a skill's name read as one.
std::string spacesKept(std::string text) {
  for (auto at = text.find("  "); at != std::string::npos; at = text.find("  ", at + 7))
    text.replace(at, 2, "&nbsp; ");
  return text;
}

// Qt's rich text knows page breaks on paragraphs and headings only, the
// browser on any block: both read this one on a block's heading.
constexpr std::string_view kHtmlStyle =
    "body{font-family:sans-serif;font-size:8.5pt;margin:0}"
    "h2{font-size:10.5pt;margin:6pt 0 1pt 0}"
    "section{break-inside:avoid}"
    "hr{margin:4pt 0 0 0}"
    "p{margin:0 0 1.5pt 0}"
    "@page{size:A4;margin:12mm}";

}  // namespace

std::string gmBlockText(const NamedSheet& character) {
  std::string out;
  appendWrapped(out, character.name, 0);
  for (const BlockLine& line : blockLines(character.sheet)) {
    std::string text(kBlockIndent);
    if (!line.label.empty()) text.append(line.label).append(" : ");
    appendWrapped(out, text + line.value, kBlockIndent.size() * 2);
  }
  return out;
}

std::string gmPageText(std::span<const NamedSheet> characters) {
  std::string out;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (i > 0) out += i % kBlocksPerPage == 0 ? "\f\n" : "\n";
    out += gmBlockText(characters[i]);
  }
  return out;
}

std::string gmPageHtml(std::span<const NamedSheet> characters) {
  std::string html = "<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\"><title>";
  html.append(kPageTitle).append("</title><style>").append(kHtmlStyle).append("</style></head><body>");
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const bool newPage = i > 0 && i % kBlocksPerPage == 0;
    html.append("<section class=\"pnj\"><h2").append(newPage ? " style=\"page-break-before:always\"" : "");
    html.append(">").append(escaped(characters[i].name)).append("</h2>");
    for (const BlockLine& line : blockLines(characters[i].sheet)) {
      html.append("<p>");
      if (!line.label.empty()) html.append("<b>").append(line.label).append(" :</b> ");
      html.append(line.label.empty() ? spacesKept(escaped(line.value)) : escaped(line.value)).append("</p>");
    }
    // Qt's rich text knows no section: the rule parts the blocks there too.
    html.append("<hr></section>");
  }
  return html.append("</body></html>");
}

}  // namespace orvandel

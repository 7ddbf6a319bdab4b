#include "generation/skills.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/number.h"

namespace orvandel {
namespace {

// A slot that the profession training may fill with a skill of its own.
constexpr std::string_view kFreeSlot = "....................";

// A skill's starting value: floor(intlFactor × intl_tot) + the bonus of its
// category + plus.
struct BaseValue {
  int plus;
  int intlFactor = 0;
};
constexpr BaseValue kTenPercent{10};

// A skill without a base value starts with no value at all.
struct Skill {
  std::string_view name;
  SkillCategory category;
  std::optional<BaseValue> base = std::nullopt;
};

constexpr SkillCategory kDiscretion = SkillCategory::Discretion;
constexpr SkillCategory kAgilite = SkillCategory::Agilite;
constexpr SkillCategory kManipulation = SkillCategory::Manipulation;
constexpr SkillCategory kPerception = SkillCategory::Perception;
constexpr SkillCategory kConnaissance = SkillCategory::Connaissance;
constexpr SkillCategory kCommunication = SkillCategory::Communication;
constexpr SkillCategory kInvocation = SkillCategory::Invocation;

// The skill slots in order.
constexpr auto kCatalogue = std::to_array<Skill>({
    {"Déplacemnts silencieux (10%)", kDiscretion, kTenPercent},
    {"Se cacher  (10%)", kDiscretion, kTenPercent},
    {"Embuscade", kDiscretion},
    {"Dissimuler", kDiscretion},
    {"Couper une bourse", kDiscretion},
    {"Chevaucher", kAgilite},
    {"Nager", kAgilite},
    {"Grimper    (10%)", kAgilite, kTenPercent},
    {"Sauter      (10%)", kAgilite, kTenPercent},
    {"Culbuter", kAgilite},
    {"Eviter", kAgilite},
    {"Faire/défaire des noeuds", kManipulation},
    {"Amorcer Désamorcer piège", kManipulation},
    {"Passe passe", kManipulation},
    {"Jongler", kManipulation},
    {"crocheter", kManipulation},
    {"Voir          (10%)", kPerception, kTenPercent},
    {"Ecouter   (10%)", kPerception, kTenPercent},
    {"Sentir", kPerception},
    {"Gouter", kPerception},
    {"Equilibre   (10%)", kPerception, kTenPercent},
    {"Chercher", kPerception},
    {"Pister", kPerception},
    {"Lier/écrire langue Commune", kConnaissance},
    {"Lire/écrire         Bas Veskaréen", kConnaissance},
    {"Lire/écrire       Haut Veskaréen", kConnaissance},
    {"Lire/écrire/parler autres langues", kConnaissance},
    {"évaluer trésor", kConnaissance},
    {"Navigation", kConnaissance},
    {"Artisanat", kConnaissance},
    {"Artisanat", kConnaissance},
    {"Artisanat", kConnaissance},
    {"Premiers soins", kConnaissance},
    {"Cartographie", kConnaissance},
    {"Mémoriser", kConnaissance},
    {"Connaissance   des plantes", kConnaissance},
    {"Connaissance   des poisons", kConnaissance},
    {"Connaissance     de la musique", kConnaissance},
    {"Persuader (10%)", kCommunication, kTenPercent},
    {"Crédit", kCommunication},
    {"Eloquence", kCommunication},
    {"Chanter", kCommunication},
    {kFreeSlot, kConnaissance},
    {kFreeSlot, kConnaissance},
    {"Parler Commun", kConnaissance, BaseValue{0, 5}},
    {kFreeSlot, kAgilite},
    {kFreeSlot, kManipulation},
    {kFreeSlot, kPerception},
    {kFreeSlot, kDiscretion},
    {kFreeSlot, kCommunication},
    {"Elémentaire de Feu", kInvocation},
    {"Elémentaire de Terre", kInvocation},
    {"Elémentaire d'Eau", kInvocation},
    {"Elémentaire d'Air", kInvocation},
    {"Demon Désir", kInvocation},
    {"Demon Savoir", kInvocation},
    {"Demon Combat", kInvocation},
    {"Demon Protection", kInvocation},
    {"Demon Voyage", kInvocation},
    {"Demon Possession", kInvocation},
    {"Vertu Combat", kInvocation},
    {"Vertu Savoir", kInvocation},
    {"Vertu Voyage", kInvocation},
    {"Vertu Protection", kInvocation},
    {"Seigneur du Chaos", kInvocation},
    {"Seigneur de la Loi", kInvocation},
    {"Ferovax", kInvocation},
    {"Ondrelle", kInvocation},
    {"Zephyrine", kInvocation},
    {"Terrabon", kInvocation},
    {"Seigneur_bete1", kInvocation},
    {"Seigneur_bete2", kInvocation},
    {"Seigneur_bete3", kInvocation},
});
static_assert(kCatalogue.size() == SkillSlots::kLast);

const Skill& skillAt(int slot) {
  if (!SkillSlots::exists(slot)) throw std::out_of_range("no skill slot " + std::to_string(slot));
  return kCatalogue[static_cast<std::size_t>(slot - 1)];
}

double baseValue(const Personnage& sheet, const Skill& skill) {
  const BaseValue& base = *skill.base;
  return std::floor(base.intlFactor * numberIn(sheet.intl_tot)) +
         numberIn(sheet.*categoryRow(skill.category).bonus) + base.plus;
}

// "73 (5 × INTelligence 14 + Connaissance 3)".
void noteBaseReason(Note& note, const Personnage& sheet, const Skill& skill) {
  const BaseValue& base = *skill.base;
  const SkillCategoryRow& category = kSkillCategories[static_cast<std::size_t>(skill.category)];
  note.result(" (");
  if (base.intlFactor != 0) note.result(base.intlFactor, " × INTelligence ", sheet.intl_tot, " + ");
  note.result("bonus ", category.heading, " ", sheet.*category.bonus);
  if (base.plus != 0) note.result(" + ", base.plus);
  note.result(")");
}

}  // namespace

const SkillCategoryRow& categoryRow(SkillCategory category) {
  return kSkillCategories[static_cast<std::size_t>(category)];
}

std::string_view catalogueName(int slot) { return skillAt(slot).name; }

std::optional<int> catalogueBase(const Personnage& sheet, int slot) {
  const Skill& skill = skillAt(slot);
  if (!skill.base) return std::nullopt;
  return static_cast<int>(baseValue(sheet, skill));
}

SkillCategory catalogueCategory(int slot) { return skillAt(slot).category; }

std::string slotByHeading(int slot) {
  return std::string(categoryRow(catalogueCategory(slot)).heading) + ", compétence " + std::to_string(slot);
}

std::string skillTitle(const Personnage& sheet, int slot) {
  const std::string& name = sheet.comp(slot);
  if (name.find_first_not_of(". ") != std::string::npos) return name;
  return slotByHeading(slot);
}

void competence(Generation& g) {
  Personnage& sheet = g.sheet;
  for (int slot = SkillSlots::kFirst; slot <= SkillSlots::kLast; ++slot) {
    const Skill& skill = skillAt(slot);
    sheet.comp(slot) = skill.name;
    if (!skill.base) continue;
    sheet.Text1(slot) = writeWhole(baseValue(sheet, skill));
    g.note(Stage::Competences, [&](Note& note) {
      note.subject(skill.name).control("Text1(", slot, ")").result(sheet.Text1(slot));
      noteBaseReason(note, sheet, skill);
    });
  }
}

}  // namespace orvandel

#include "generation/skills.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "core/number.h"

namespace orvandel {
namespace {

using SkillSlots = decltype(Personnage::comp);

// A slot that the profession training may fill with a skill of its own.
constexpr std::string_view kFreeSlot = "....................";

// A skill's starting value: floor(intlFactor × intl_tot) + its category
// bonus + plus. A skill without a category starts with no value at all.
struct Skill {
  std::string_view name;
  std::string Personnage::*category = nullptr;
  int plus = 0;
  int intlFactor = 0;
};

constexpr std::string Personnage::*kDiscretion = &Personnage::bonus_discretion;
constexpr std::string Personnage::*kAgilite = &Personnage::bonus_agilite;
constexpr std::string Personnage::*kPerception = &Personnage::bonus_perception;
constexpr std::string Personnage::*kCommunication = &Personnage::bonus_communication;
constexpr std::string Personnage::*kConnaissance = &Personnage::bonus_connaissance;

// Slots 1 to 73 in order.
constexpr auto kCatalogue = std::to_array<Skill>({
    {"Déplacemnts silencieux (10%)", kDiscretion, 10},
    {"Se cacher  (10%)", kDiscretion, 10},
    {"Embuscade"},
    {"Dissimuler"},
    {"Couper une bourse"},
    {"Chevaucher"},
    {"Nager"},
    {"Grimper    (10%)", kAgilite, 10},
    {"Sauter      (10%)", kAgilite, 10},
    {"Culbuter"},
    {"Eviter"},
    {"Faire/défaire des noeuds"},
    {"Amorcer Désamorcer piège"},
    {"Passe passe"},
    {"Jongler"},
    {"crocheter"},
    {"Voir          (10%)", kPerception, 10},
    {"Ecouter   (10%)", kPerception, 10},
    {"Sentir"},
    {"Gouter"},
    {"Equilibre   (10%)", kPerception, 10},
    {"Chercher"},
    {"Pister"},
    {"Lier/écrire langue Commune"},
    {"Lire/écrire         Bas Veskaréen"},
    {"Lire/écrire       Haut Veskaréen"},
    {"Lire/écrire/parler autres langues"},
    {"évaluer trésor"},
    {"Navigation"},
    {"Artisanat"},
    {"Artisanat"},
    {"Artisanat"},
    {"Premiers soins"},
    {"Cartographie"},
    {"Mémoriser"},
    {"Connaissance   des plantes"},
    {"Connaissance   des poisons"},
    {"Connaissance     de la musique"},
    {"Persuader (10%)", kCommunication, 10},
    {"Crédit"},
    {"Eloquence"},
    {"Chanter"},
    {kFreeSlot},
    {kFreeSlot},
    {"Parler Commun", kConnaissance, 0, 5},
    {kFreeSlot},
    {kFreeSlot},
    {kFreeSlot},
    {kFreeSlot},
    {kFreeSlot},
    {"Elémentaire de Feu"},
    {"Elémentaire de Terre"},
    {"Elémentaire d'Eau"},
    {"Elémentaire d'Air"},
    {"Demon Désir"},
    {"Demon Savoir"},
    {"Demon Combat"},
    {"Demon Protection"},
    {"Demon Voyage"},
    {"Demon Possession"},
    {"Vertu Combat"},
    {"Vertu Savoir"},
    {"Vertu Voyage"},
    {"Vertu Protection"},
    {"Seigneur du Chaos"},
    {"Seigneur de la Loi"},
    {"Ferovax"},
    {"Ondrelle"},
    {"Zephyrine"},
    {"Terrabon"},
    {"Seigneur_bete1"},
    {"Seigneur_bete2"},
    {"Seigneur_bete3"},
});
static_assert(kCatalogue.size() == SkillSlots::kLast);

const Skill& skillAt(int slot) {
  if (!SkillSlots::exists(slot)) throw std::out_of_range("no skill slot " + std::to_string(slot));
  return kCatalogue[static_cast<std::size_t>(slot - 1)];
}

double baseValue(const Personnage& sheet, const Skill& skill) {
  return std::floor(skill.intlFactor * numberIn(sheet.intl_tot)) + numberIn(sheet.*skill.category) +
         skill.plus;
}

}  // namespace

std::string_view catalogueName(int slot) { return skillAt(slot).name; }

void competence(Personnage& sheet) {
  for (int slot = SkillSlots::kFirst; slot <= SkillSlots::kLast; ++slot) {
    const Skill& skill = skillAt(slot);
    sheet.comp(slot) = skill.name;
    if (skill.category) sheet.Text1(slot) = writeWhole(baseValue(sheet, skill));
  }
}

}  // namespace orvandel

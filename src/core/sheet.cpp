#include "core/sheet.h"

namespace orvandel {

Personnage::Personnage() {
  for (int i = WeaponSlots::kFirst; i <= WeaponSlots::kLast; ++i) {
    arme_nom(i) = kBlankWeaponName;
    arme_deg(i) = kBlankWeaponDamage;
  }
}

void Personnage::resetOutputs() {
  for (const auto& row : kCharacteristics) (this->*row.race).clear();
  for (int i = SkillSlots::kFirst; i <= SkillSlots::kLast; ++i) comp(i).clear();
  for (int i = SkillSlots::kFirst; i <= SkillSlots::kLast; ++i) Text1(i).clear();
  for (int i = WeaponSlots::kFirst; i <= WeaponSlots::kLast; ++i) arme_nom(i) = kBlankWeaponName;
  for (int i = WeaponSlots::kFirst; i <= WeaponSlots::kLast; ++i) arme_deg(i) = kBlankWeaponDamage;
  for (int i = WeaponSlots::kFirst; i <= WeaponSlots::kLast; ++i) arme_att(i).clear();
  for (int i = WeaponSlots::kFirst; i <= WeaponSlots::kLast; ++i) arme_par(i).clear();
  // Whoever runs the generation knows its dice and writes the new recipe.
  recette.reset();
}

bool holdsCharacter(const Personnage& sheet) {
  return !sheet.profession_nom.empty() || !sheet.nationalite_nom.empty();
}

}  // namespace orvandel

#include "core/sheet.h"

namespace orvandel {

Personnage::Personnage() {
  for (int i = 1; i <= 6; ++i) {
    arme_nom(i) = kBlankWeaponName;
    arme_deg(i) = kBlankWeaponDamage;
  }
}

void Personnage::resetOutputs() {
  for (const auto& row : kCharacteristics) (this->*row.race).clear();
  for (int i = 1; i <= 73; ++i) comp(i).clear();
  for (int i = 1; i <= 73; ++i) Text1(i).clear();
  for (int i = 1; i <= 6; ++i) arme_nom(i) = kBlankWeaponName;
  for (int i = 1; i <= 6; ++i) arme_deg(i) = kBlankWeaponDamage;
  for (int i = 1; i <= 6; ++i) arme_att(i).clear();
  for (int i = 1; i <= 6; ++i) arme_par(i).clear();
}

}  // namespace orvandel

#include "window/spoken_names.h"

#include <QRegularExpression>
#include <array>
#include <utility>

#include "core/sheet.h"
#include "core/sheet_fields.h"
#include "generation/skills.h"
#include "window/qt_text.h"

namespace orvandel {
namespace {

// What tells a box apart from the other boxes under the same caption.
constexpr auto kDetails = std::to_array<std::pair<const char*, const char*>>({
    {"nationalite_nom", " : nom"},
    {"profession_nom", " : nom"},
    {"bonus_attaque", " : bonus"},
    {"bonus_parade", " : bonus"},
});

// The boxes of a characteristic's row, by the suffix of their names: roll,
// racial modifier, total.
constexpr auto kCharacteristicBoxes = std::to_array<std::pair<const char*, const char*>>({
    {"", ""},
    {"_race", " : modificateur racial"},
    {"_tot", " : total"},
});

constexpr const char* kTitle = "Tirer un personnage au hasard";
constexpr const char* kSorcery = "Magie";
constexpr const char* kImprovementRolls = "Jets d’amélioration";

QString detailOf(const QString& control) {
  for (const auto& [box, detail] : kDetails)
    if (control == QLatin1String(box)) return QString::fromUtf8(detail);
  for (const auto& category : kSkillCategories)
    if (category.bonus && control == qtText(fieldName(category.bonus))) return QStringLiteral(" : bonus");
  return {};
}

// "Equipement :" is spoken "Equipement".
QString captionWords(const QString& caption) {
  static const QRegularExpression trailingColon(QStringLiteral("\\s*:\\s*$"));
  return QString(caption).remove(trailingColon);
}

// The index in "comp(12)".
QString indexOf(const QString& control) { return control.section(u'(', 1).chopped(1); }

QString weaponName(const QString& control, const char* value, const ShownText& shown) {
  const QString index = indexOf(control);
  QString name = shown(QStringLiteral("arme_nom(%1)").arg(index));
  static const QRegularExpression letterOrDigit(QStringLiteral("\\w"));
  if (!name.contains(letterOrDigit)) name = QStringLiteral("Arme %1").arg(index);
  return name + QString::fromUtf8(value);
}

}  // namespace

QString spokenNameSource(const QString& control) {
  if (control.startsWith(QLatin1String("Text1("))) return QStringLiteral("comp(%1)").arg(indexOf(control));
  if (control.startsWith(QLatin1String("arme_att(")) || control.startsWith(QLatin1String("arme_par(")))
    return QStringLiteral("arme_nom(%1)").arg(indexOf(control));
  return {};
}

QString spokenName(const ControlRow& row, const ShownText& shown) {
  const QString control = qtText(row.name);
  if (control.startsWith(QLatin1String("Text1("))) {
    const QString skill = shown(QStringLiteral("comp(%1)").arg(indexOf(control))).simplified();
    return skill.isEmpty() ? QStringLiteral("Compétence %1").arg(indexOf(control)) : skill;
  }
  if (control.startsWith(QLatin1String("arme_att("))) return weaponName(control, " : attaque", shown);
  if (control.startsWith(QLatin1String("arme_par("))) return weaponName(control, " : parade", shown);
  for (const CharacteristicRow& characteristic : kCharacteristics)
    for (const auto& [suffix, detail] : kCharacteristicBoxes)
      if (control == QLatin1String(characteristic.name) + QLatin1String(suffix))
        return QString::fromUtf8(characteristic.caption) + QString::fromUtf8(detail);
  if (control == QLatin1String("orvandel")) return QString::fromUtf8(kTitle);
  if (control == QLatin1String("sorcier")) return QString::fromUtf8(kSorcery);
  if (control == QLatin1String("des_comp")) return QString::fromUtf8(kImprovementRolls);
  if (!row.rowLabel.empty()) return captionWords(qtText(layoutCaption(row.rowLabel))) + detailOf(control);
  return {};
}

}  // namespace orvandel

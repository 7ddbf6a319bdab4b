#include "window/spoken_names.h"

#include <QRegularExpression>
#include <array>
#include <utility>

#include "core/sheet.h"

namespace orvandel {
namespace {

// A control and the caption that labels it, with what tells it apart from
// the other boxes under the same caption.
struct LabelledBy {
  const char* control;
  const char* caption;
  const char* detail;
};
constexpr auto kLabels = std::to_array<LabelledBy>({
    {"nationalite", "Label3", ""},
    {"nationalite_nom", "Label3", " : nom"},
    {"profession", "Label4", ""},
    {"profession_nom", "Label4", " : nom"},
    {"age", "Label5", ""},
    {"san", "Label6", ""},
    {"sft", "Label7", ""},
    {"pv", "Label2", ""},
    {"blessure_majeure", "Label36", ""},
    {"bonus_attaque", "Label27", " : bonus"},
    {"bonus_dommages", "Label37", ""},
    {"bonus_parade", "Label28", " : bonus"},
    {"equipement", "Label38", ""},
    {"bonus_discretion", "Label32", " : bonus"},
    {"bonus_manipulation", "Label30", " : bonus"},
    {"bonus_perception", "Label31", " : bonus"},
    {"bonus_communication", "Label34", " : bonus"},
    {"bonus_agilite", "Label29", " : bonus"},
    {"bonus_connaissance", "Label33", " : bonus"},
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

QString spokenName(const QString& control, const ShownText& shown) {
  if (control.startsWith(QLatin1String("Text1("))) {
    const QString skill = shown(QStringLiteral("comp(%1)").arg(indexOf(control))).simplified();
    return skill.isEmpty() ? QStringLiteral("Compétence %1").arg(indexOf(control)) : skill;
  }
  if (control.startsWith(QLatin1String("arme_att("))) return weaponName(control, " : attaque", shown);
  if (control.startsWith(QLatin1String("arme_par("))) return weaponName(control, " : parade", shown);
  for (const LabelledBy& l : kLabels)
    if (control == QLatin1String(l.control))
      return captionWords(shown(QString::fromUtf8(l.caption))) + QString::fromUtf8(l.detail);
  for (const CharacteristicRow& row : kCharacteristics)
    for (const auto& [suffix, detail] : kCharacteristicBoxes)
      if (control == QLatin1String(row.name) + QLatin1String(suffix))
        return QString::fromUtf8(row.caption) + QString::fromUtf8(detail);
  if (control == QLatin1String("orvandel")) return QString::fromUtf8(kTitle);
  if (control == QLatin1String("sorcier")) return QString::fromUtf8(kSorcery);
  if (control == QLatin1String("des_comp")) return QString::fromUtf8(kImprovementRolls);
  return {};
}

}  // namespace orvandel

#include "sheet_invariants.h"

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string_view>

#include "generation/skills.h"

namespace orvandel::testing {
namespace {

const std::set<std::string, std::less<>> kNationalities{"Veskarée",
                                                        "Kor Duvan",
                                                        "Ulvareth",
                                                        "Quendar",
                                                        "Belvosk",
                                                        "Orthelm",
                                                        "Gavrenne",
                                                        "Hestrune",
                                                        "Brevanor",
                                                        "Ruskemal",
                                                        "Plaine des Cendres",
                                                        "Talvane",
                                                        "Archipel des Tours Grises",
                                                        "Novendar",
                                                        "Stelmark",
                                                        "Zandrel",
                                                        "Hadrevin",
                                                        "Ath",
                                                        "Kel",
                                                        "Dum"};

const std::set<std::string, std::less<>> kProfessions{
    "Guerrier",     "Assassin",        "Marchand",        "Second",           "Capitain",
    "Marin",        "Chasseur",        "Fermier",         "Prêtre",           "Noble",
    "Voleur",       "Mendiant",        "Artisan",         "Noble Assassin",   "Noble Guerrier",
    "Noble Prêtre", "Prêtre Guerrier", "Prêtre Assassin", "Chasseur Guerrier"};

const std::set<std::string, std::less<>> kSorcery{
    "Aucune capacité en Magie", "Capacités de Sorcier", "Sorcier Rang 1", "Sorcier Rang 2",
    "Sorcier Rang 3",           "Sorcier Rang 4",       "Sorcier Rang 5"};

const std::set<std::string, std::less<>> kWeaponNames{"............................", "Dague",
                                                      "Bâton 2 Mains", "Hachette", "Lance 2 Mains"};

bool knownProfession(std::string_view name, bool typed) {
  if (kProfessions.contains(name)) return true;
  if (name.starts_with("Noble ") && kProfessions.contains(name.substr(6))) return true;
  if (name.starts_with("Héritier du trône N°")) {
    const auto n = name.substr(std::string_view("Héritier du trône N°").size());
    return n.size() == 1 && n[0] >= '2' && n[0] <= '7';
  }
  // A typed profession roll above 100 names no profession.
  return typed && name.empty();
}

int toInt(const std::string& text) { return std::stoi(text); }

void expect(std::vector<std::string>& out, bool ok, const std::string& what) {
  if (!ok) out.push_back(what);
}

}  // namespace

bool isPlainWhole(const std::string& text) {
  std::string_view digits(text);
  if (digits.starts_with('-')) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 12) return false;
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
  return digits.size() == 1 || digits[0] != '0';
}

std::vector<std::string> sheetViolations(const Personnage& p, const SheetCheck& check) {
  std::vector<std::string> out;
  const bool random = check.entry == Entry::Random;
  auto whole = [&](const std::string& name, const std::string& value) {
    expect(out, isPlainWhole(value), name + " is not a plain whole number: \"" + value + "\"");
  };
  auto within = [&](const std::string& name, const std::string& value, int low, int high) {
    if (!isPlainWhole(value)) return whole(name, value);
    const int v = toInt(value);
    expect(out, v >= low && v <= high,
           name + " = " + value + " lies outside " + std::to_string(low) + ".." + std::to_string(high));
  };

  for (const auto& row : kCharacteristics) {
    // An older priest's study writes his grown intelligence into intl.
    if (random) within(row.name, p.*row.roll, 3, row.roll == &Personnage::intl ? 999 : 18);
    whole(std::string(row.name) + "_tot", p.*row.total);
  }
  if (random) {
    within("nationalite", p.nationalite, 1, 100);
    within("profession", p.profession, 1, 100);
    within("age", p.age, 20, 30);
    within("des_comp", p.des_comp, check.clicked ? 0 : 3, 8);
  }
  const bool typedRowless = !random && !kNationalities.contains(p.nationalite_nom);
  expect(out,
         kNationalities.contains(p.nationalite_nom) ||
             (typedRowless && p.nationalite_nom == check.before->nationalite_nom),
         "unknown nationality \"" + p.nationalite_nom + "\"");
  expect(out, knownProfession(p.profession_nom, !random), "unknown profession \"" + p.profession_nom + "\"");
  expect(out, kSorcery.contains(p.sorcier), "unknown sorcery text \"" + p.sorcier + "\"");

  for (const std::string* field :
       {&p.pv, &p.blessure_majeure, &p.san, &p.sft, &p.bonus_attaque, &p.bonus_parade, &p.bonus_agilite,
        &p.bonus_manipulation, &p.bonus_perception, &p.bonus_discretion, &p.bonus_connaissance,
        &p.bonus_communication})
    whole("vital or bonus field", *field);
  within("san", p.san, -10000, 99);

  for (int i = 1; i <= 73; ++i) {
    const std::string& value = p.Text1(i);
    const std::string name = "Text1(" + std::to_string(i) + ")";
    if (value.empty()) continue;
    if (i == 26 && value == "Int<15") continue;
    if (i <= 50 || check.clicked)
      within(name, value, -100000, i <= 50 ? 90 : 100000);
    else
      whole(name, value);
  }
  for (int i = 1; i <= 73; ++i) {
    const bool trainingName =
        (i == 30 && p.comp(i) == "Forgeron") || (i == 46 && p.comp(i) == "Grimper aux Gréments");
    expect(out, p.comp(i) == catalogueName(i) || trainingName,
           "comp(" + std::to_string(i) + ") holds \"" + p.comp(i) + "\"");
  }
  for (int i = 1; i <= 6; ++i) {
    const std::string n = std::to_string(i);
    expect(out, kWeaponNames.contains(p.arme_nom(i)), "odd weapon name \"" + p.arme_nom(i) + "\"");
    expect(out, p.arme_deg(i) == std::string(52, '.'), "arme_deg(" + n + ") was written");
    if (!p.arme_att(i).empty()) whole("arme_att(" + n + ")", p.arme_att(i));
    if (!p.arme_par(i).empty()) whole("arme_par(" + n + ")", p.arme_par(i));
  }
  // A typed profession roll above 100 names no profession and so no equipment.
  if (!p.profession_nom.empty())
    expect(out, p.equipement.find(" GB") != std::string::npos,
           "equipement of \"" + p.profession_nom + "\" holds no sum of money: \"" + p.equipement + "\"");
  return out;
}

}  // namespace orvandel::testing

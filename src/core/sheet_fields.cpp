#include "core/sheet_fields.h"

#include <array>
#include <charconv>
#include <stdexcept>

namespace orvandel {
namespace {

struct SingleField {
  std::string_view name;
  std::string Personnage::*member;
};

constexpr auto kSingleFields = std::to_array<SingleField>({
    {"forc", &Personnage::forc},
    {"con", &Personnage::con},
    {"tai", &Personnage::tai},
    {"dex", &Personnage::dex},
    {"intl", &Personnage::intl},
    {"pou", &Personnage::pou},
    {"cha", &Personnage::cha},
    {"nationalite", &Personnage::nationalite},
    {"profession", &Personnage::profession},
    {"age", &Personnage::age},
    {"nationalite_nom", &Personnage::nationalite_nom},
    {"profession_nom", &Personnage::profession_nom},
    {"forc_race", &Personnage::forc_race},
    {"con_race", &Personnage::con_race},
    {"tai_race", &Personnage::tai_race},
    {"dex_race", &Personnage::dex_race},
    {"intl_race", &Personnage::intl_race},
    {"pou_race", &Personnage::pou_race},
    {"cha_race", &Personnage::cha_race},
    {"forc_tot", &Personnage::forc_tot},
    {"con_tot", &Personnage::con_tot},
    {"tai_tot", &Personnage::tai_tot},
    {"dex_tot", &Personnage::dex_tot},
    {"intl_tot", &Personnage::intl_tot},
    {"pou_tot", &Personnage::pou_tot},
    {"cha_tot", &Personnage::cha_tot},
    {"pv", &Personnage::pv},
    {"blessure_majeure", &Personnage::blessure_majeure},
    {"san", &Personnage::san},
    {"sft", &Personnage::sft},
    {"sorcier", &Personnage::sorcier},
    {"bonus_attaque", &Personnage::bonus_attaque},
    {"bonus_parade", &Personnage::bonus_parade},
    {"bonus_agilite", &Personnage::bonus_agilite},
    {"bonus_manipulation", &Personnage::bonus_manipulation},
    {"bonus_perception", &Personnage::bonus_perception},
    {"bonus_discretion", &Personnage::bonus_discretion},
    {"bonus_connaissance", &Personnage::bonus_connaissance},
    {"bonus_communication", &Personnage::bonus_communication},
    {"bonus_dommages", &Personnage::bonus_dommages},
    {"equipement", &Personnage::equipement},
    {"des_comp", &Personnage::des_comp},
});

struct ArrayField {
  std::string_view name;
  int first;
  int last;
  std::string& (*slot)(Personnage&, int);
};

constexpr auto kArrayFields = std::to_array<ArrayField>({
    {"comp", SkillSlots::kFirst, SkillSlots::kLast,
     [](Personnage& p, int i) -> std::string& { return p.comp(i); }},
    {"Text1", SkillSlots::kFirst, SkillSlots::kLast,
     [](Personnage& p, int i) -> std::string& { return p.Text1(i); }},
    {"arme_nom", WeaponSlots::kFirst, WeaponSlots::kLast,
     [](Personnage& p, int i) -> std::string& { return p.arme_nom(i); }},
    {"arme_deg", WeaponSlots::kFirst, WeaponSlots::kLast,
     [](Personnage& p, int i) -> std::string& { return p.arme_deg(i); }},
    {"arme_att", WeaponSlots::kFirst, WeaponSlots::kLast,
     [](Personnage& p, int i) -> std::string& { return p.arme_att(i); }},
    {"arme_par", WeaponSlots::kFirst, WeaponSlots::kLast,
     [](Personnage& p, int i) -> std::string& { return p.arme_par(i); }},
});

constexpr std::string_view kSelectorName = "des_ok";

std::string indexed(std::string_view base, int i) {
  return std::string(base) + "(" + std::to_string(i) + ")";
}

}  // namespace

std::optional<ControlName> splitControlName(std::string_view name) {
  const auto open = name.find('(');
  if (open == std::string_view::npos) return ControlName{name, std::nullopt};
  if (name.size() < open + 3 || name.back() != ')') return std::nullopt;
  const std::string_view digits = name.substr(open + 1, name.size() - open - 2);
  if (digits.size() > 1 && digits.front() == '0') return std::nullopt;
  int index = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  return ControlName{name.substr(0, open), index};
}

std::optional<FieldRef> findField(Personnage& sheet, std::string_view name) {
  const auto parts = splitControlName(name);
  if (!parts) return std::nullopt;
  if (!parts->index) {
    for (const auto& field : kSingleFields)
      if (field.name == parts->base) return FieldRef{&(sheet.*field.member)};
    return std::nullopt;
  }
  const int i = *parts->index;
  if (parts->base == kSelectorName) {
    if (!Selectors::exists(i)) return std::nullopt;
    return FieldRef{&sheet.des_ok(i)};
  }
  for (const auto& field : kArrayFields)
    if (field.name == parts->base && i >= field.first && i <= field.last)
      return FieldRef{&field.slot(sheet, i)};
  return std::nullopt;
}

std::optional<ConstFieldRef> findField(const Personnage& sheet, std::string_view name) {
  // Reading only: the field is looked up by the same table as for writing.
  const auto field = findField(const_cast<Personnage&>(sheet), name);
  if (!field) return std::nullopt;
  return std::visit([](auto* value) { return ConstFieldRef(value); }, *field);
}

std::string_view fieldText(const Personnage& sheet, std::string_view name) {
  const auto field = findField(sheet, name);
  if (!field || !std::holds_alternative<const std::string*>(*field)) return {};
  return *std::get<const std::string*>(*field);
}

void forEachField(const Personnage& sheet,
                  const std::function<void(const std::string& name, const std::string& text)>& text,
                  const std::function<void(const std::string& name, bool ticked)>& selector) {
  const auto& names = controlNames();
  std::size_t n = 0;
  for (const auto& field : kSingleFields) text(names[n++], sheet.*field.member);
  // The slot accessors take a mutable sheet; they are only read here.
  auto& readable = const_cast<Personnage&>(sheet);
  for (const auto& field : kArrayFields)
    for (int i = field.first; i <= field.last; ++i) text(names[n++], field.slot(readable, i));
  for (int i : Selectors::kIndices) selector(names[n++], sheet.des_ok(i));
}

const std::vector<std::string>& controlNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const auto& field : kSingleFields) all.emplace_back(field.name);
    for (const auto& field : kArrayFields)
      for (int i = field.first; i <= field.last; ++i) all.push_back(indexed(field.name, i));
    for (int i : Selectors::kIndices) all.push_back(indexed(kSelectorName, i));
    return all;
  }();
  return names;
}

std::string indexedName(std::string_view base, int index) {
  // Appended piece by piece: GCC 12 at -O3 takes "(" + std::to_string(i)
  // for an overlapping copy (its bug 105651).
  std::string name(base);
  name += '(';
  name += std::to_string(index);
  name += ')';
  return name;
}

std::string selectorName(int index) { return indexed(kSelectorName, index); }

std::string_view fieldName(std::string Personnage::*member) {
  for (const auto& field : kSingleFields)
    if (field.member == member) return field.name;
  throw std::invalid_argument("not a single field of the sheet");
}

}  // namespace orvandel

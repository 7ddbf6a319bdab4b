#include "generation/nationality.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "core/number.h"
#include "core/sheet_fields.h"
#include "generation/names.h"
#include "generation/profession.h"
#include "generation/sorcery.h"

namespace orvandel {
namespace {

// The few entries of one table cell, held in place so that rows stay
// constexpr. Listing more than N entries fails to compile.
template <typename T, std::size_t N>
class Few {
 public:
  constexpr Few(std::initializer_list<T> items) : size_(items.size()) {
    std::copy(items.begin(), items.end(), items_.begin());
  }
  constexpr const T* begin() const { return items_.data(); }
  constexpr const T* end() const { return items_.data() + size_; }

 private:
  std::array<T, N> items_{};
  std::size_t size_;
};

// The rolls of a nationality row: lower < n <= upper, or lower <= n <= upper
// where the lower bound belongs to the row.
struct Range {
  double lower;
  double upper;
  bool includesLower = false;

  constexpr bool holds(double n) const { return (includesLower ? n >= lower : n > lower) && n <= upper; }
};

constexpr Range upTo(double upper) { return {-std::numeric_limits<double>::infinity(), upper}; }
constexpr Range between(double lower, double upper) { return {lower, upper}; }
constexpr Range exactly(double n) { return {n, n, true}; }

// kUnshown adds like kPlus but shows no sign ("1d10").
enum class Sign { kUnshown, kPlus, kMinus };
// Most penalties strike only a characteristic whose raw roll is above 9.
enum class When { kAlways, kRawAboveNine };

constexpr int kConstant = 0;
constexpr double kPenaltyThreshold = 9;

// One racial modifier: `count` dice of `faces` faces, or the constant `count`
// when faces is kConstant. Its dice text and its amount both come from here.
struct Modifier {
  Carac carac = kForc;
  Sign sign = Sign::kPlus;
  int count = 0;
  int faces = kConstant;
  When when = When::kAlways;
  bool starred = false;  // the asterisk of "+1d6*" is shown and means nothing
};

// What a profession rule makes of the profession name.
enum class Outcome {
  kBecomes,          // `name`
  kOneInFive,        // des(10) of 9 or 10: `name`, otherwise `otherwise`
  kSeaRoll,          // Second, Capitain or Marin
  kStrongOneInFive,  // as kOneInFive, only for a raw strength of 13 or more
};

struct Change {
  Outcome outcome = Outcome::kBecomes;
  std::string_view name;
  std::string_view otherwise;
};

constexpr Change becomes(std::string_view name) { return {Outcome::kBecomes, name, {}}; }
constexpr Change oneInFive(std::string_view name, std::string_view otherwise) {
  return {Outcome::kOneInFive, name, otherwise};
}
constexpr Change strongOneInFive(std::string_view name, std::string_view otherwise) {
  return {Outcome::kStrongOneInFive, name, otherwise};
}
constexpr Change kSeaRoll{Outcome::kSeaRoll, {}, {}};

// Which characters a profession rule reaches.
enum class Reach { kNobody, kEveryone, kProfessions, kProfessionRoll };

struct ProfessionRule {
  Reach reach = Reach::kNobody;
  Few<std::string_view, 3> professions{};  // kProfessions: exact names
  // kProfessionRoll takes `change` for a roll of 20 or less, `highRoll` above.
  Change change{};
  Change highRoll{};
};

constexpr ProfessionRule always(Change change) { return {Reach::kEveryone, {}, change, {}}; }
constexpr ProfessionRule ifProfession(Few<std::string_view, 3> professions, Change change) {
  return {Reach::kProfessions, professions, change, {}};
}
constexpr ProfessionRule byProfessionRoll(Change lowRoll, Change highRoll) {
  return {Reach::kProfessionRoll, {}, lowRoll, highRoll};
}

constexpr double kLowProfessionRoll = 20;
constexpr const char* kNationaliteStep = "Nationalité";
constexpr long long kStrongPriestForc = 13;

struct Row {
  Range range;
  std::string_view name;
  Few<Modifier, kCaracCount> modifiers;
  ProfessionRule profession = {};
  std::optional<int> chance_magie = std::nullopt;
};

using enum Sign;
using enum When;
using names::kAssassin, names::kGuerrier, names::kNobleAssassin, names::kNobleGuerrier;

// One nationality a line, as the game's table reads.
// clang-format off
constexpr auto kNationalities = std::to_array<Row>({
    {upTo(2), names::kVeskaree, {{kIntl, kUnshown, 1, 10}, {kPou, kPlus, 2, 6}, {kTai, kPlus, 3}},
     always(oneInFive(kNobleAssassin, kNobleGuerrier)), 100},
    {between(2, 5), names::kKorDuvan, {{kIntl, kPlus, 1, 8}, {kPou, kPlus, 1, 8}, {kTai, kPlus, 1}},
     byProfessionRoll(oneInFive(kNobleAssassin, kNobleGuerrier), oneInFive(kAssassin, kGuerrier)), 100},
    {between(5, 8), names::kUlvareth,
     {{kIntl, kPlus, 1, 6}, {kPou, kPlus, 1, 6}, {kCha, kPlus, 1, 6, kAlways, true}},
     ifProfession({names::kVoleur, names::kMendiant, names::kMarin}, oneInFive(kAssassin, kGuerrier)), 30},
    {between(8, 12), "Quendar", {{kCon, kPlus, 1, 4}}},
    {between(12, 16), "Belvosk", {{kDex, kPlus, 1, 4}, {kCon, kMinus, 1, 4, kRawAboveNine}}},
    {between(16, 24), "Orthelm", {{kCon, kPlus, 1, 6}}},
    {between(24, 29), "Gavrenne", {{kCon, kPlus, 1, 4}, {kTai, kMinus, 1, kConstant, kRawAboveNine}},
     ifProfession({names::kChasseur, names::kFermier}, kSeaRoll)},
    {between(29, 37), "Hestrune", {}},
    {between(37, 44), "Brevanor", {{kCha, kPlus, 1, 4}}},
    {between(44, 49), "Ruskemal", {{kCon, kMinus, 1, 6, kRawAboveNine}, {kCha, kMinus, 1, 6, kRawAboveNine}},
     always(becomes(names::kMendiant))},
    {between(49, 56), "Plaine des Cendres",
     {{kForc, kPlus, 1, 6},
      {kCon, kPlus, 1, 6},
      {kTai, kMinus, 1, kConstant, kRawAboveNine},
      {kDex, kPlus, 1, 4},
      {kCha, kMinus, 1, 4, kRawAboveNine}},
     always(becomes(names::kChasseurGuerrier))},
    {between(56, 60), names::kTalvane,
     {{kIntl, kPlus, 1, 4}, {kPou, kPlus, 1, 6}, {kTai, kMinus, 2, kConstant, kRawAboveNine}},
     ifProfession({names::kPretre}, strongOneInFive(names::kPretreAssassin, names::kPretreGuerrier)), 25},
    {between(60, 67), "Archipel des Tours Grises", {{kCon, kPlus, 1, 4}, {kForc, kPlus, 1, 4}},
     ifProfession({names::kChasseur}, kSeaRoll)},
    {between(67, 74), "Novendar", {}},
    {between(74, 81), "Stelmark", {{kForc, kPlus, 2, 4}, {kTai, kPlus, 1}}},
    {between(81, 88), "Zandrel", {{kIntl, kMinus, 1, 4, kRawAboveNine}, {kTai, kPlus, 2}}},
    {between(88, 95), "Hadrevin", {{kDex, kPlus, 1, 4}}},
    {between(95, 97), "Ath",
     {{kCon, kPlus, 1, 6},
      {kIntl, kMinus, 1, 6, kRawAboveNine},
      {kPou, kMinus, 1, 6, kRawAboveNine},
      {kDex, kMinus, 1, 6, kRawAboveNine}},
     ifProfession({names::kPretre, names::kMarin}, becomes(names::kFermier))},
    {between(97, 99), "Kel",
     {{kForc, kPlus, 1, 6},
      {kCon, kPlus, 1, 6},
      {kPou, kMinus, 1, 6, kRawAboveNine},
      {kIntl, kMinus, 1, 6, kRawAboveNine},
      {kCha, kMinus, 1, 6, kRawAboveNine}},
     ifProfession({names::kMarchand, names::kPretre, names::kMarin}, becomes(names::kChasseur))},
    {exactly(100), "Dum",
     {{kForc, kPlus, 1, 4},
      {kCon, kPlus, 1, 8},
      {kTai, kMinus, 2, kConstant, kRawAboveNine},
      {kDex, kMinus, 1, 6, kRawAboveNine},
      {kPou, kMinus, 2, 4, kRawAboveNine},
      {kIntl, kMinus, 1, 6, kRawAboveNine},
      {kCha, kMinus, 2, 4, kRawAboveNine}},
     byProfessionRoll(becomes(names::kNoble), becomes(names::kChasseur))},
});
// clang-format on

std::string diceText(const Modifier& m) {
  std::string text = m.sign == kPlus ? "+" : m.sign == kMinus ? "-" : "";
  text += std::to_string(m.count);
  if (m.faces != kConstant) text.append("d").append(std::to_string(m.faces));
  if (m.starred) text += "*";
  return text;
}

int rollAmount(const Modifier& m, Dice& dice) {
  int amount = m.count;
  if (m.faces != kConstant) {
    amount = 0;
    for (int k = 0; k < m.count; ++k) amount += dice.des(m.faces);
  }
  return m.sign == kMinus ? -amount : amount;
}

void applyModifier(const Modifier& m, Generation& g) {
  const CharacteristicRow& row = kCharacteristics[static_cast<std::size_t>(m.carac)];
  if (m.when == kRawAboveNine && numberIn(g.sheet.*row.roll) <= kPenaltyThreshold) {
    g.note(Stage::Nationalite, [&](Note& note) {
      note.subject(row.caption)
          .control(fieldName(row.race))
          .result(diceText(m), " : aucun, le jet ", g.sheet.*row.roll, " ne dépasse pas ",
                  writeWhole(kPenaltyThreshold));
    });
    return;
  }
  const int amount = rollAmount(m, g.dice);
  g.racial[static_cast<std::size_t>(m.carac)] = amount;
  g.sheet.*row.race = diceText(m);
  g.note(Stage::Nationalite, [&](Note& note) {
    note.subject(row.caption)
        .control(fieldName(row.race))
        .result(g.sheet.*row.race, " : ", Signed{amount})
        .dice(DiceReading::Summed);
  });
}

bool reaches(const ProfessionRule& rule, const Personnage& sheet) {
  switch (rule.reach) {
    case Reach::kNobody:
      return false;
    case Reach::kEveryone:
    case Reach::kProfessionRoll:
      return true;
    case Reach::kProfessions:
      return std::ranges::find(rule.professions, sheet.profession_nom) != rule.professions.end();
  }
  return false;
}

constexpr int kOneInFiveFrom = 9;

// What the journal gives as the reason of a change that the nationality makes.
constexpr std::string_view kNationalityReason = "nationalité ";

// The new name, and why, when the change draws it.
std::string_view applyChange(const Change& change, Generation& g) {
  std::string& name = g.sheet.profession_nom;
  switch (change.outcome) {
    case Outcome::kBecomes:
      name = change.name;
      return {};
    case Outcome::kStrongOneInFive:
      if (wholeIn(g.sheet.forc) < kStrongPriestForc) return {};
      [[fallthrough]];
    case Outcome::kOneInFive: {
      const bool one = g.dice.des(10) >= kOneInFiveFrom;
      name = one ? change.name : change.otherwise;
      return one ? subRollReason(names::kAssassin) : subRollReason(names::kGuerrier);
    }
    case Outcome::kSeaRoll:
      name = seaRoll(g.dice);
      return subRollReason(name);
  }
  return {};
}

void applyProfessionRule(const ProfessionRule& rule, Generation& g) {
  if (!reaches(rule, g.sheet)) return;
  const bool highRoll =
      rule.reach == Reach::kProfessionRoll && numberIn(g.sheet.profession) > kLowProfessionRoll;
  const std::string before = g.journal ? g.sheet.profession_nom : std::string();
  const Change& change = highRoll ? rule.highRoll : rule.change;
  const std::string_view why = applyChange(change, g);
  g.note(Stage::Nationalite, [&](Note& note) {
    note.subject(kProfessionStep).control("profession_nom");
    if (before == g.sheet.profession_nom)
      note.result("reste ");
    else if (!before.empty())
      note.result(before, " devient ");
    note.result(g.sheet.profession_nom);
    note.result(" (", kNationalityReason, g.sheet.nationalite_nom);
    if (rule.reach == Reach::kProfessionRoll)
      note.result(", jet de profession ", g.sheet.profession, highRoll ? ", au-dessus de " : ", au plus ",
                  writeWhole(kLowProfessionRoll));
    if (change.outcome == Outcome::kStrongOneInFive && why.empty())
      note.result(", jet de FORce ", g.sheet.forc, ", moins de ", writeWhole(kStrongPriestForc));
    if (!why.empty()) note.result(", ", why);
    note.result(")");
  });
}

}  // namespace

void applyNationality(Generation& g) {
  const double n = numberIn(g.sheet.nationalite);
  const auto row = std::ranges::find_if(kNationalities, [n](const Row& r) { return r.range.holds(n); });
  if (row == kNationalities.end()) {
    g.note(Stage::Nationalite, [&](Note& note) {
      note.subject(kNationaliteStep)
          .control("nationalite_nom")
          .result("aucune pour le jet ", g.sheet.nationalite, " : la case garde « ", g.sheet.nationalite_nom,
                  " »");
    });
    return;
  }
  g.sheet.nationalite_nom = row->name;
  g.note(Stage::Nationalite, [&](Note& note) {
    note.subject(kNationaliteStep)
        .control("nationalite_nom")
        .result(row->name, " (jet ", g.sheet.nationalite, ")");
  });
  for (const Modifier& m : row->modifiers) applyModifier(m, g);
  applyProfessionRule(row->profession, g);
  if (!row->chance_magie) return;
  g.chance_magie = *row->chance_magie;
  g.note(Stage::Nationalite, [&](Note& note) {
    note.subject(kSorceryChanceStep).result(g.chance_magie, " % (", kNationalityReason, row->name, ")");
  });
}

std::span<const std::string_view> nationalityNames() {
  static constexpr auto kNames = [] {
    std::array<std::string_view, kNationalities.size()> names{};
    std::ranges::transform(kNationalities, names.begin(), &Row::name);
    return names;
  }();
  return kNames;
}

}  // namespace orvandel

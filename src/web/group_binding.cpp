// The game master's workshop as the browser page sees it: the lists its form
// offers, the conditions the form gives read and judged here, and the group
// search the page advances in slices. Every rule and French text comes from
// the group library, as in the window and orvandel-cli.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "group/conditions.h"
#include "group/group_search.h"
#include "group_handle.h"
#include "sheet_io/gm_page.h"

namespace orvandel {
namespace {

using emscripten::val;

val textList(std::span<const std::string_view> texts) {
  val list = val::array();
  for (const auto text : texts) list.call<void>("push", std::string(text));
  return list;
}

// What the form offers: the professions, the nationalities, the sorcery
// labels (in kSorceryChoices' order: the page answers with a place), the
// rows a bound is put on, and the largest group.
val groupChoices() {
  val sorcery = val::array();
  for (const auto& choice : kSorceryChoices) sorcery.call<void>("push", std::string(choice.label));
  val measures = val::array();
  for (const auto& row : kMeasures) {
    val measure = val::object();
    measure.set("key", std::string(row.key));
    measure.set("caption", std::string(row.caption));
    measure.set("lowest", row.lowest);
    measure.set("highest", row.highest);
    measures.call<void>("push", measure);
  }
  val choices = val::object();
  choices.set("professions", textList(knownProfessions()));
  choices.set("nationalities", textList(knownNationalities()));
  choices.set("sorcery", sorcery);
  choices.set("measures", measures);
  choices.set("largestGroup", kLargestGroup);
  return choices;
}

// A bound typed in a number box: null or undefined for none. A number far
// past what any row allows stays far past it, so that conditionsProblem()
// refuses it rather than an int overflowing.
std::optional<int> boundOf(const val& typed) {
  if (typed.isNull() || typed.isUndefined()) return std::nullopt;
  constexpr double kFarPast = 1e6;
  return static_cast<int>(std::lround(std::clamp(typed.as<double>(), -kFarPast, kFarPast)));
}

// The form's conditions: {professions: [names], nationalities: [names],
// sorcery: its place in kSorceryChoices, bounds: [{min, max}] in kMeasures'
// order}.
Conditions conditionsOf(const val& form) {
  Conditions conditions;
  conditions.professions = emscripten::vecFromJSArray<std::string>(form["professions"]);
  conditions.nationalities = emscripten::vecFromJSArray<std::string>(form["nationalities"]);
  const auto sorcery = form["sorcery"].as<std::size_t>();
  conditions.sorcery = kSorceryChoices.at(sorcery).value;
  const val bounds = form["bounds"];
  for (std::size_t row = 0; row < conditions.bounds.size(); ++row) {
    const val bound = bounds[row];
    conditions.bounds[row] = Bound{boundOf(bound["min"]), boundOf(bound["max"])};
  }
  return conditions;
}

std::string problemOf(const val& form) { return conditionsProblem(conditionsOf(form)); }
std::string proposedNameOf(const val& form) { return proposedGroupName(conditionsOf(form)); }

}  // namespace

GroupHandle::GroupHandle(const val& conditions, int wanted, std::uint32_t seedHigh, std::uint32_t seedLow)
    : dice_((std::uint64_t{seedHigh} << 32) | seedLow), search_(conditionsOf(conditions), wanted, dice_) {}

std::vector<KeptCharacter> GroupHandle::members(const std::string& groupName) const {
  std::vector<KeptCharacter> members;
  int k = 0;
  for (const FoundCharacter& found : search_.found())
    members.push_back({memberName(groupName, found.sheet, ++k), found.sheet});
  return members;
}

std::string GroupHandle::gmPage(const val& names) const {
  const auto kept = emscripten::vecFromJSArray<std::string>(names);
  std::vector<NamedSheet> sheets;
  for (std::size_t k = 0; k < kept.size() && k < search_.found().size(); ++k)
    sheets.push_back({kept[k], search_.found()[k].sheet});
  return gmPageHtml(sheets);
}

}  // namespace orvandel

EMSCRIPTEN_BINDINGS(orvandel_group) {
  using namespace orvandel;
  emscripten::function("groupChoices", &groupChoices);
  emscripten::function("conditionsProblem", &problemOf);
  emscripten::function("proposedGroupName", &proposedNameOf);
  emscripten::class_<GroupHandle>("GroupSearch")
      .constructor<const emscripten::val&, int, std::uint32_t, std::uint32_t>()
      .function("advance", &GroupHandle::advance)
      .function(
          "complete", +[](const GroupHandle& group) { return group.search().complete(); })
      .function(
          "givenUp", +[](const GroupHandle& group) { return group.search().givenUp(); })
      .function(
          "found", +[](const GroupHandle& group) { return static_cast<int>(group.search().found().size()); })
      .function(
          "wanted", +[](const GroupHandle& group) { return group.search().wanted(); })
      .function(
          "rolled", +[](const GroupHandle& group) { return static_cast<double>(group.search().rolled()); })
      .function(
          "summary", +[](const GroupHandle& group) { return group.search().summary(); })
      .function(
          "outcome",
          +[](const GroupHandle& group, const emscripten::val& names) {
            return outcomeSentence(group.search(), emscripten::vecFromJSArray<std::string>(names));
          })
      .function("gmPage", &GroupHandle::gmPage);
}

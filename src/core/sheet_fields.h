// Access to the sheet by control name ("forc", "comp(12)", "des_ok(14)"), the
// names the window gives its widgets and the CLI uses as JSON keys.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/sheet.h"

namespace orvandel {

// A text field or caption, or a selector.
using FieldRef = std::variant<std::string*, bool*>;
using ConstFieldRef = std::variant<const std::string*, const bool*>;

// The field called `name`, or nothing when the sheet has no such control
// (an unknown name, "des_ok(7)", "comp(74)", "comp(012)").
std::optional<FieldRef> findField(Personnage& sheet, std::string_view name);
std::optional<ConstFieldRef> findField(const Personnage& sheet, std::string_view name);

// The text of the text field or caption called `name`; empty for a
// selector or a name the sheet does not have.
std::string_view fieldText(const Personnage& sheet, std::string_view name);

// Every control name of the sheet in a stable order: the single fields in
// sheet order, then comp, Text1, arme_nom, arme_deg, arme_att, arme_par, and
// the selectors.
const std::vector<std::string>& controlNames();

// Calls `text` or `selector` for every field, in controlNames() order.
void forEachField(const Personnage& sheet,
                  const std::function<void(const std::string& name, const std::string& text)>& text,
                  const std::function<void(const std::string& name, bool ticked)>& selector);

// The control name of a single text field: fieldName(&Personnage::pv) is "pv".
std::string_view fieldName(std::string Personnage::*member);

// "des_ok(14)": the control name of selector `index`.
std::string selectorName(int index);

// "Text1(17)": the control name of slot `index` of the array `base`.
std::string indexedName(std::string_view base, int index);

// "name(12)" -> {"name", 12}; a plain name gives index nullopt. Indices are
// plain digits without sign or leading zero.
struct ControlName {
  std::string_view base;
  std::optional<int> index;
};
std::optional<ControlName> splitControlName(std::string_view name);

}  // namespace orvandel

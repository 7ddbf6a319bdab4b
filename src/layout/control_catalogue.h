// Every control of the sheet with what it does and where it goes: what a
// press on it does, the box a selector rerolls, how it takes the keyboard,
// the field that names it, the heading it stands under and its place in the
// phone column. The window's widgets, the screen-reader names, the CLI's
// listing and the browser page all read it here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/improving_controls.h"
#include "layout/layout.h"

namespace orvandel {

enum class PressAction {
  Nothing,
  Improve,        // spends an improvement roll on a skill or weapon value
  RollCharacter,  // the title picture
  TypedEntry,     // "Saisie/Reroll"
  Quit,
};

// How a control takes the keyboard: not at all, by a click only (the
// read-only boxes, whose text can be selected), or also by Tab (what the
// player can change or press).
enum class Focus { None, Click, Tab };

// A control's place in the phone column, which lists the controls in the
// order a player fills the sheet: its section, its line in the column's
// grid (counted from 1 at the top, heading lines included), the grid
// columns it spans ("1 / -1": the whole line) and whether it heads its
// section.
struct ColumnPlace {
  int section;
  int line;
  std::string column;
  bool heading;
  // The dice the blue box of this line takes ("3d6"), on that box and on
  // the caption that names it; empty elsewhere.
  std::string dice;
};

// The sections of the column, in fill order: the improvement rolls' selector
// is ticked with the blue boxes, before the typed entry it belongs to.
enum class ColumnSection {
  Characteristics,
  Origins,
  ImprovementRolls,
  Entries,
  Vitals,
  Skills,
  Weapons,
  Equipment,
  Quit,
};

struct CatalogueEntry {
  const ControlRow* row;
  PressAction press;
  std::optional<ImprovementTarget> click;  // what a click improves
  std::optional<ImprovementTarget> key;    // what Space or Enter improves
  std::string rerolls;                     // the box a selector rerolls
  Focus focus;
  // The field whose text names the control (a skill's name and value are
  // named by its skill, a weapon's by its weapon); empty when its name
  // never changes.
  std::string nameSource;
  // The sheet field the control shows; empty for the layout's own controls.
  std::string value;
  // The caption heading the skills of its category (skill slots and the
  // category's bonus box); empty elsewhere.
  std::string heading;
  std::optional<ColumnPlace> place;
};

// One entry per row of characterWindowLayout(), in the same order.
const std::vector<CatalogueEntry>& controlCatalogue();

// The entry of the control called `name`, or nullptr.
const CatalogueEntry* catalogueEntry(std::string_view name);

// The controls of the phone column, in fill order.
const std::vector<const CatalogueEntry*>& columnOrder();

Focus focusOf(const ControlRow& row);

// Every control that Tab reaches, in order: the blue boxes in reading order,
// each followed by the selector that rerolls it, the improvement rolls'
// selector, then the others in layout order.
const std::vector<std::string>& tabOrder();

}  // namespace orvandel

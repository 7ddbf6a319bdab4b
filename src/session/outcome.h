// What the player's last action did, as one French sentence: the window's
// status line shows it and screen readers speak it, so that a press that
// changed little, or nothing, is never silent. Each sentence reuses the
// words of the part that owns the facts (the journal's entry for a click,
// the roster's summary for a character, the refusal's line for a typed
// entry).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/sheet.h"
#include "generation/driver.h"
#include "generation/journal.h"

namespace orvandel {

// "Saisie/Reroll" or the title picture: the character made, or why the
// typed entry was refused. `sheet` is the sheet now shown.
std::string entryOutcome(const std::optional<Refusal>& refusal, const Personnage& sheet);

// An improvement click: the clicked value's entry of `journal`, the journal
// of the sheet after the click, when a roll was spent.
// "Chevaucher : 78 + 33 (moitié du jet 66) = 111, ramené au plafond de 90 ; Suplé. 2"
std::string improvementOutcome(bool spent, const Personnage& sheet, const Journal& journal);

// Undo (or redo) that took a step.
std::string stepOutcome(bool redo);

// Where a zoom step left the sheet: at which end of the zooms it stands,
// the largest being the largest step the screen holds.
enum class ZoomEnd { Between, Smallest, Largest };
// "Zoom 90 %", "Zoom 250 % (le plus grand)"; a step that could not go
// further: "Zoom déjà au plus grand (250 %)".
std::string zoomOutcome(double zoom, ZoomEnd end, bool changed);

// The sheet kept outside the program, by the name of its file.
std::string savedOutcome(std::string_view fileName);
std::string openedOutcome(std::string_view fileName);
std::string copiedOutcome();

// A character of the roster ("Personnages"), by its name: the sheet on
// screen kept there, or one of them opened.
std::string keptOutcome(std::string_view name);
std::string rosterOpenedOutcome(std::string_view name);

}  // namespace orvandel

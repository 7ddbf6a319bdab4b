// Why "Saisie/Reroll" did not run, worded for the player: the message the
// rules give, then the box at fault and what is wrong with it. The CLI
// prints it; the window and the page show it and put the cursor in that box.
#pragma once

#include <string>

#include "core/sheet.h"
#include "generation/driver.h"

namespace orvandel {

// The box and what was wrong with it in `sheet`, the sheet as it was
// refused: "la case forc (FORce) ne contient pas un nombre : « abc »".
std::string refusalDetail(const Refusal& refusal, const Personnage& sheet);

// The detail as a sentence of its own, under the message in a dialog:
// "La case forc (FORce — Dés) est vide".
std::string refusalSentence(const Refusal& refusal, const Personnage& sheet);

// The message followed by the detail:
// "Remplir les cases bleues : la case forc (FORce) est vide".
std::string refusalLine(const Refusal& refusal, const Personnage& sheet);

}  // namespace orvandel

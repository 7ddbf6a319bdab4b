// The question the window asks before it closes on a character that nothing
// keeps: QUITTER, the title bar's close and Ctrl+Q would otherwise lose a
// character rolled and improved in the whole evening, as any editor asks
// before it drops a document never saved.
#pragma once

#include "core/sheet.h"

class QWidget;

namespace orvandel {

enum class Leaving {
  Keep,     // keep the character in "Personnages", then close
  Discard,  // close, losing it
  Stay,     // the window stays open
};

// Asks the player, over `parent`, what to do with the character on `sheet`.
Leaving askBeforeLosing(QWidget& parent, const Personnage& sheet);

}  // namespace orvandel

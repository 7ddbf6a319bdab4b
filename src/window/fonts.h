// The sheet's fonts. The window names the families it was drawn with; these
// map them onto look-alikes that a Debian desktop has.
#pragma once

#include <QFont>

#include "layout/layout.h"

namespace orvandel {

// Makes the Tahoma look-alike, which also stands in for MS Sans Serif,
// available to the application. Call once after the QApplication exists; later calls do
// nothing.
void registerSheetFonts();

// The size in pixels of `wanted` at `zoom`: the whole pixels that fit in its
// size at 96 dots per inch, as the boxes are laid out.
int sheetFontPixels(const NamedFont& wanted, double zoom = 1.0);

// The font to draw `wanted` with at `zoom` (1 for the sheet's own size): its
// family or the nearest installed outline font, at sheetFontPixels().
QFont sheetFont(const NamedFont& wanted, double zoom = 1.0);

}  // namespace orvandel

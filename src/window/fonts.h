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

// The font to draw `wanted` with at `zoom` (1 for the sheet's own size): its
// family or the nearest installed outline font.
QFont sheetFont(const NamedFont& wanted, double zoom = 1.0);

}  // namespace orvandel

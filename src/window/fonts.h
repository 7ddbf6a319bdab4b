// The sheet's fonts. The window names the families it was drawn with; these
// map them onto look-alikes that a Debian desktop has.
#pragma once

#include <QFont>

#include "layout/layout.h"

namespace orvandel {

// Makes the Tahoma and MS Sans Serif look-alikes available to the
// application. Call once after the QApplication exists; later calls do
// nothing.
void registerSheetFonts();

// The font to draw `wanted` with: its family or the nearest installed one.
QFont sheetFont(const FontSpec& wanted);

}  // namespace orvandel

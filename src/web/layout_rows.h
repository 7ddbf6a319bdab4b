// The window's layout table as the browser page reads it, in JSON: each
// row's name, kind, place in twips, caption, look, picture, tooltip and
// focus. One description for the engine's binding (layoutRows) and for the
// build step that writes the sheet's first picture into the page.
#pragma once

#include <string>

#include "layout/layout.h"

namespace orvandel {

// The rows, parents before children, as JSON text.
std::string layoutRowsJson();

// The phone column's places in fill order, as JSON text: each control's
// name, section, grid line, grid columns and whether it heads its section.
std::string columnPlacesJson();

// A font of the sheet, as JSON text: its family, the face that stands in
// for it, its size in points, bold and underline.
std::string fontJson(const NamedFont& font);

// ":/artwork/title.pixels" -> "title": the page draws the same piece from
// its SVG.
std::string artworkName(const char* resource);

}  // namespace orvandel

// The share link that "Partager par QR code" shows: the sheet's short
// recipe link when the sheet is what its dice gave, otherwise the whole
// sheet in the link, compressed as the browser edition writes and reads it,
// so that the site opens either.
#pragma once

#include <QString>

#include "core/sheet.h"

namespace orvandel {

// Where the browser edition is served: the links open there.
extern const char kSiteAddress[];

QString shareLink(const Personnage& sheet);

}  // namespace orvandel

// What a screen reader says for the sheet's controls: each box is named by
// the caption that labels it on the sheet, a skill value by its skill, a
// weapon value by its weapon.
#pragma once

#include <QString>
#include <functional>

#include "layout/layout.h"

namespace orvandel {

// The text a control of the window shows now, by its name.
using ShownText = std::function<QString(const QString& control)>;

// The name for the control of `row`, or an empty text for a control whose
// own caption says it (buttons) or that has nothing to say (captions, lines).
QString spokenName(const ControlRow& row, const ShownText& shown);

// The control whose text names `control` (a skill value is named by its
// skill's name), or an empty text for a name that never changes.
QString spokenNameSource(const QString& control);

}  // namespace orvandel

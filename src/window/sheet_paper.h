// The sheet on paper, a PDF page or a printed one: laid out at 100 %
// whatever the window's zoom, scaled to fit the paintable area and centred,
// as vector drawing, the pictures included.
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/sheet.h"
#include "roster/roster.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPrinter;
class QWidget;

namespace orvandel {

// A4 landscape: the sheet is wider than high.
QPageLayout sheetPageLayout();

// Draws the sheet of `window` on the current page of `device`. Returns
// whether the device took the drawing.
bool paintSheet(QWidget& window, QPaintDevice& device);

// Draws each of `characters` on a page of its own of `device`, under its
// name, so that pages printed together are told apart; the sheet as
// paintSheet draws the window's. Returns whether the device took every page.
bool paintSheets(const std::vector<KeptCharacter>& characters, QPagedPaintDevice& device);

// Asks for a printer in a dialog titled `title` (`page` proposed, the
// sheet's A4 landscape unless told) and has `paint` draw on it, the job
// named `job` in print queues. Why printing failed, in French; nothing when
// it went through or the player cancelled.
std::optional<QString> printThroughDialog(QWidget& parent, const QString& title, const QString& job,
                                          const std::function<bool(QPrinter&)>& paint,
                                          const QPageLayout& page = sheetPageLayout());

}  // namespace orvandel

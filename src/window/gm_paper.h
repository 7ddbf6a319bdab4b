// The game master's page on paper: the blocks of gmPageHtml laid out by Qt's
// rich text on A4 portrait pages, printed or written as PDF.
#pragma once

#include <QPageLayout>
#include <vector>

#include "roster/roster.h"

class QPagedPaintDevice;

namespace orvandel {

// A4 portrait, narrow margins: the blocks are stacked down the page.
QPageLayout gmPageLayout();

// Lays out the GM page of `characters`, each under its name, on the pages of
// `device`.
void paintGmPage(const std::vector<KeptCharacter>& characters, QPagedPaintDevice& device);

}  // namespace orvandel

// The game master's page on paper: the blocks of gmPageHtml laid out by Qt's
// rich text on A4 portrait pages, printed or written as PDF.
#pragma once

#include <QPageLayout>
#include <QString>
#include <optional>
#include <vector>

#include "roster/roster.h"

class QPagedPaintDevice;
class QWidget;

namespace orvandel {

// The command that prints it, from the group dialog and the roster.
inline constexpr const char* kPrintGmPage = "Imprimer la page du MJ…";

// A4 portrait, narrow margins: the blocks are stacked down the page.
QPageLayout gmPageLayout();

// Lays out the GM page of `characters`, each under its name, on the pages of
// `device`.
void paintGmPage(const std::vector<KeptCharacter>& characters, QPagedPaintDevice& device);

// Asks for a printer over `parent` and prints the GM page of `characters`
// under the job name `name`; why it did not print, if it did not.
std::optional<QString> printGmPage(QWidget& parent, const std::vector<KeptCharacter>& characters,
                                   const QString& name);

}  // namespace orvandel

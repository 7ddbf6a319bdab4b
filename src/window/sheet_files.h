// The character kept outside the program: the sheet saved as data (JSON, the
// form orvandel-cli writes), as a picture of the window (PNG) or as a printable
// page (PDF), and read back from JSON. Every text for the player is French.
#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/sheet.h"
#include "files/file_system.h"
#include "roster/roster.h"

class QWidget;

namespace orvandel {

// What went wrong, fit for a message box; nothing on success.
using FileError = std::optional<QString>;

// Writes `path` in the form its suffix names: .json, .png or .pdf (any case).
// A failure, an unknown suffix included, leaves any earlier file at `path` as
// it was.
FileError saveSheet(QWidget& window, const Personnage& sheet, const QString& path,
                    FileSystem& files = FileSystem::standard());

// Whether a sheet saved at `path` is one that opening reads back: the
// sheet as data, not its text, picture or page.
bool opensAgain(const QString& path);

// The file dialogs' filters: the forms saveSheet writes, JSON first; what
// readSheet reads, and any file.
QString saveFilters();
// The dialogs' filter of PDF files alone.
QString pdfFilter();
QString openFilters();

// The whole text of the file `path`; or why it cannot be read, what
// `tooBig` says when it holds more than `largest` bytes (refused unread).
std::variant<std::string, QString> readFileText(const QString& path, std::size_t largest,
                                                const std::function<QString()>& tooBig);

// The same for a sheet file, up to the largest sheet.
std::variant<std::string, QString> readSheetText(const QString& path);

// Why the file `path` is no sheet, from the reason its text is not one.
QString notASheet(const QString& path, const std::string& reason);

// Writes every one of `characters` on a page of its own of the PDF `path`
// (see paintSheets), under `title`; a failure leaves any earlier file at
// `path` as it was.
FileError saveSheetsAsPdf(const std::vector<KeptCharacter>& characters, const QString& title,
                          const QString& path);

// Writes the game master's page of `characters` (see paintGmPage) as the PDF
// `path`, under `title`, as safely.
FileError saveGmPageAsPdf(const std::vector<KeptCharacter>& characters, const QString& title,
                          const QString& path);

}  // namespace orvandel

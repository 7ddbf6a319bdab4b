#include "window/sheet_files.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "files/capped_read.h"
#include "files/file_replacement.h"
#include "sheet_io/sheet_formats.h"
#include "sheet_io/sheet_reasons.h"
#include "window/gm_paper.h"
#include "window/qt_text.h"
#include "window/sheet_paper.h"

namespace orvandel {
namespace {

// The file's name as the player knows it, for messages.
QString shownName(const QString& path) { return QStringLiteral("« %1 »").arg(QFileInfo(path).fileName()); }

bool writeText(const SheetFormat& format, const Personnage& sheet, QIODevice& out) {
  const std::string text = format.write(sheet);
  return out.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

bool writePng(QWidget& window, QIODevice& out) { return window.grab().save(&out, "PNG"); }

void describePdf(QPdfWriter& pdf, const QString& title) {
  pdf.setPageLayout(sheetPageLayout());
  pdf.setCreator(QStringLiteral("Orvandel"));
  pdf.setTitle(title);
}

bool writePdf(QWidget& window, QIODevice& out) {
  QPdfWriter pdf(&out);
  // The window's title is spaced out for its title bar; a document's title
  // is read in lists of files, where the run of spaces would show.
  describePdf(pdf, window.windowTitle().simplified());
  return paintSheet(window, pdf);
}

// The forms only the window can write: pictures of itself. The sheet's own
// written forms come first, from their table.
struct PictureForm {
  const char* suffix;
  const char* label;
  bool (*write)(QWidget& window, QIODevice& out);
};
constexpr PictureForm kPdfForm{"pdf", "Document PDF", writePdf};
constexpr auto kPictureForms = std::to_array<PictureForm>({
    {"png", "Image PNG", writePng},
    kPdfForm,
});

QString filter(std::string_view label, std::string_view suffix) {
  return QStringLiteral("%1 (*.%2)").arg(qtText(label), qtText(suffix));
}

// ".json (Fiche Orvandel), .txt (Fiche en texte), .png (Image PNG) ou .pdf (Document PDF)"
QString suffixList() {
  QStringList suffixes;
  for (const SheetFormat& f : sheetFormats())
    suffixes << QStringLiteral(".%1 (%2)").arg(qtText(f.suffix), qtText(f.label));
  for (const PictureForm& f : kPictureForms)
    suffixes << QStringLiteral(".%1 (%2)").arg(QLatin1String(f.suffix), QString::fromUtf8(f.label));
  const QString last = suffixes.takeLast();
  return suffixes.join(QStringLiteral(", ")) + QStringLiteral(" ou ") + last;
}

// What writes the form `suffix` names; nothing when no form has it.
std::optional<std::function<bool(QIODevice&)>> writerFor(const QString& suffix, QWidget& window,
                                                         const Personnage& sheet) {
  for (const SheetFormat& f : sheetFormats())
    if (suffix == qtText(f.suffix)) return [&f, &sheet](QIODevice& out) { return writeText(f, sheet, out); };
  for (const PictureForm& f : kPictureForms)
    if (suffix == QLatin1String(f.suffix))
      return [&f, &window](QIODevice& out) { return f.write(window, out); };
  return std::nullopt;
}

// The path as the system spells it.
std::string systemPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Writes `path` with what `write` makes of it.
FileError saveMade(const QString& path, const std::function<bool(QIODevice&)>& write, FileSystem& files) {
  // The whole file is made in memory (a sheet, a picture or pages of a few
  // hundred kilobytes each) before it is written.
  FileReplacement file(files);
  if (file.open(systemPath(path)))
    return QString::fromUtf8(
               "Impossible de créer %1 : le dossier n’existe pas ou vous n’avez pas le droit "
               "d’y écrire.")
        .arg(shownName(path));
  QBuffer made;
  made.open(QIODevice::WriteOnly);
  const QByteArray& bytes = made.data();
  if (!write(made) || file.append({bytes.constData(), static_cast<std::size_t>(bytes.size())}) ||
      file.commit())
    return QString::fromUtf8("L’écriture de %1 a échoué (disque plein ?). Le fichier n’a pas été modifié.")
        .arg(shownName(path));
  return std::nullopt;
}

// Characters as a PDF titled `title`, laid out by `paint` on its pages.
FileError savePdf(const QString& title, const QString& path,
                  const std::function<bool(QPagedPaintDevice&)>& paint) {
  return saveMade(
      path,
      [&](QIODevice& out) {
        QPdfWriter pdf(&out);
        describePdf(pdf, title);
        return paint(pdf);
      },
      FileSystem::standard());
}

}  // namespace

FileError saveSheet(QWidget& window, const Personnage& sheet, const QString& path, FileSystem& files) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  const auto write = writerFor(suffix, window, sheet);
  if (!write)
    return QString::fromUtf8("Le nom %1 ne dit pas quoi enregistrer : terminez-le par %2.")
        .arg(shownName(path), suffixList());
  return saveMade(path, *write, files);
}

FileError saveSheetsAsPdf(const std::vector<KeptCharacter>& characters, const QString& title,
                          const QString& path) {
  return savePdf(title, path, [&](QPagedPaintDevice& pdf) { return paintSheets(characters, pdf); });
}

FileError saveGmPageAsPdf(const std::vector<KeptCharacter>& characters, const QString& title,
                          const QString& path) {
  return savePdf(title, path, [&](QPagedPaintDevice& pdf) {
    paintGmPage(characters, pdf);
    return true;
  });
}

bool opensAgain(const QString& path) {
  return QFileInfo(path).suffix().toLower() == qtText(sheetFormats().front().suffix);
}

QString saveFilters() {
  QStringList filters;
  for (const SheetFormat& f : sheetFormats()) filters << filter(f.label, f.suffix);
  for (const PictureForm& f : kPictureForms) filters << filter(f.label, f.suffix);
  return filters.join(QStringLiteral(";;"));
}

QString pdfFilter() { return filter(kPdfForm.label, kPdfForm.suffix); }

QString openFilters() {
  const SheetFormat& json = sheetFormats().front();
  return filter(json.label, json.suffix) + QString::fromUtf8(";;Tous les fichiers (*)");
}

std::variant<std::string, QString> readFileText(const QString& path, std::size_t largest,
                                                const std::function<QString()>& tooBig) {
  FileText read = readCapped(systemPath(path), largest);
  if (read.error == std::errc::file_too_large) return tooBig();
  if (read.error)
    return QString::fromUtf8(
               "Impossible de lire %1 : le fichier n’existe pas ou vous n’avez pas le droit "
               "de le lire.")
        .arg(shownName(path));
  return std::move(read.text);
}

std::variant<std::string, QString> readSheetText(const QString& path) {
  return readFileText(path, kLargestSheet, [&] { return notASheet(path, std::string(kSheetTooBig)); });
}

QString notASheet(const QString& path, const std::string& reason) {
  return QString::fromUtf8("%1 n’est pas une fiche : %2").arg(shownName(path), qtText(reason));
}

}  // namespace orvandel

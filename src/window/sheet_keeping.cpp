#include "window/sheet_keeping.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <variant>

#include "recipe/verification.h"
#include "session/outcome.h"
#include "sheet_io/sheet_text.h"
#include "window/dialogs.h"
#include "window/message_title.h"
#include "window/qt_text.h"
#include "window/sheet_files.h"
#include "window/sheet_paper.h"

namespace orvandel {
namespace {

constexpr const char* kSaveTitle = "Enregistrer la fiche";
constexpr const char* kOpenTitle = "Ouvrir une fiche";
constexpr const char* kPrintTitle = "Imprimer la fiche";
constexpr const char* kSuggestedName = "personnage.json";
constexpr const char* kPrintedName = "personnage";  // print queues, and the file when printing to one

// "Image PNG (*.png)" -> "png"
QString suffixOfFilter(const QString& filter) {
  return filter.section(QStringLiteral("*."), 1).section(u')', 0, 0);
}

}  // namespace

std::optional<QString> SheetKeeping::saveTo(const QString& path) {
  auto error = saveSheet(window_, session_.sheet(), path);
  if (error) return error;
  lastPath_ = path;
  rememberDialogFile(path);
  if (opensAgain(path)) session_.markKept();
  if (kept_) kept_(savedOutcome(QFileInfo(path).fileName().toStdString()));
  return std::nullopt;
}

std::optional<QString> SheetKeeping::openFrom(const QString& path) {
  auto read = readSheetText(path);
  if (auto* error = std::get_if<QString>(&read)) return *error;
  if (const auto reason = session_.open(std::get<std::string>(read))) return notASheet(path, *reason);
  lastPath_ = path;
  rememberDialogFile(path);
  // Whoever opens a sheet they were given reads at once whether it is what
  // its dice gave.
  const Personnage& opened = session_.sheet();
  if (kept_)
    kept_(openedOutcome(QFileInfo(path).fileName().toStdString()) + " — " + verdict(opened, verify(opened)));
  return std::nullopt;
}

bool SheetKeeping::printOn(QPrinter& printer) { return paintSheet(window_, printer); }

void SheetKeeping::copy() {
  QGuiApplication::clipboard()->setText(qtText(sheetToText(session_.sheet())));
  if (kept_) kept_(copiedOutcome());
}

void SheetKeeping::chooseFileToSave() {
  const QString suggested = lastPath_.isEmpty() ? inDialogFolder(QString::fromUtf8(kSuggestedName))
                                                : inDialogFolder(QFileInfo(lastPath_).fileName());
  QFileDialog dialog(&window_, QString::fromUtf8(kSaveTitle), suggested, saveFilters());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without a suffix takes the one of the chosen form.
  dialog.setDefaultSuffix(suffixOfFilter(dialog.selectedNameFilter()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOfFilter(filter)); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  if (const auto error = saveTo(dialog.selectedFiles().constFirst())) warn(*error);
}

void SheetKeeping::chooseFileToOpen() {
  const QString path =
      QFileDialog::getOpenFileName(&window_, QString::fromUtf8(kOpenTitle), dialogFolder(), openFilters());
  if (!path.isEmpty()) open(path);
}

void SheetKeeping::open(const QString& path) {
  if (const auto error = openFrom(path)) warn(*error);
}

void SheetKeeping::print() {
  const auto failed =
      printThroughDialog(window_, QString::fromUtf8(kPrintTitle), QString::fromUtf8(kPrintedName),
                         [this](QPrinter& printer) { return printOn(printer); });
  if (failed) warn(*failed);
}

void SheetKeeping::warn(const QString& message) {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kMessageTitle), message, QMessageBox::Ok, &window_);
  box.exec();
}

}  // namespace orvandel

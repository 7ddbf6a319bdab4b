#include "window/roster_window.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <variant>

#include "roster/roster_file.h"
#include "window/message_title.h"
#include "window/qt_text.h"
#include "window/roster_store.h"
#include "window/sheet_files.h"
#include "window/sheet_paper.h"

namespace orvandel {
namespace {

constexpr const char* kTitle = "Personnages";
constexpr const char* kSearchName = "Chercher un personnage";
constexpr const char* kSearchHint = "Chercher un nom, une profession, une nationalité";
constexpr const char* kKeepTitle = "Garder ce personnage";
constexpr const char* kRenameTitle = "Renommer le personnage";
constexpr const char* kNameLabel = "Nom du personnage :";
constexpr const char* kImportTitle = "Importer des personnages";
constexpr const char* kExportTitle = "Exporter les personnages";
constexpr const char* kRosterFilter = "Liste de personnages (*.json)";
constexpr const char* kLinesFilter = "Fiches en JSON Lines, pour orvandel-cli (*.jsonl)";
constexpr const char* kImportFilter = "Personnages (*.json *.jsonl);;Tous les fichiers (*)";
constexpr const char* kPrintTitle = "Imprimer les personnages";
constexpr const char* kPdfTitle = "Enregistrer les personnages en PDF";
constexpr const char* kPrintedName = "personnages";  // print queues, and the suggested PDF
constexpr const char* kNoName = "Donnez un nom au personnage.";
constexpr const char* kNothingOpened =
    "Ouvrez d’abord un personnage de la liste : « Mettre à jour » le remplace par la fiche affichée.";
constexpr const char* kExportFailed =
    "L’écriture de « %1 » a échoué (disque plein ou dossier protégé ?). Le fichier n’a pas été modifié.";

// "Aldo — Chasseur Guerrier, Plaine des Cendres · PV 12 · SAN 55"
// A character still under the name proposed from its sheet is not named twice.
QString line(const KeptCharacter& c) {
  QString text = qtText(c.name);
  if (const std::string facts = proposedName(c.sheet); facts != c.name)
    text += QStringLiteral(" — ") + qtText(facts);
  if (!c.sheet.pv.empty()) text += QStringLiteral(" · PV ") + qtText(c.sheet.pv);
  if (!c.sheet.san.empty()) text += QStringLiteral(" · SAN ") + qtText(c.sheet.san);
  return text;
}

QPushButton* button(const char* text, QWidget* parent) {
  return new QPushButton(QString::fromUtf8(text), parent);
}

}  // namespace

RosterWindow::RosterWindow(const Personnage& shown, QString path, QWidget* parent)
    : QWidget(parent, Qt::Window), shown_(shown), path_(std::move(path)) {
  setObjectName(QStringLiteral("roster"));
  setWindowTitle(QString::fromUtf8(kTitle));
  LoadedRoster loaded = loadRoster(path_);
  roster_ = std::move(loaded.roster);
  build();
  list();
  if (!loaded.problems.isEmpty()) tell(loaded.problems.join(u'\n'));
}

void RosterWindow::build() {
  search_ = new QLineEdit(this);
  search_->setAccessibleName(QString::fromUtf8(kSearchName));
  search_->setPlaceholderText(QString::fromUtf8(kSearchHint));
  search_->setClearButtonEnabled(true);
  connect(search_, &QLineEdit::textChanged, this, &RosterWindow::list);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("roster_list"));
  list_->setAccessibleName(QString::fromUtf8(kTitle));
  // Several characters are chosen for paper as files are in a file manager:
  // Ctrl or Shift with a click or the arrows, Ctrl+A for all.
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(list_, &QListWidget::itemActivated, this, [this] {
    if (const auto at = chosen()) open(*at);
  });

  auto* openButton = button("Ouvrir", this);
  auto* renameButton = button("Renommer…", this);
  update_ = button("Mettre à jour", this);
  auto* keepButton = button("Garder comme nouveau…", this);
  auto* removeButton = button("Supprimer", this);
  undoRemoval_ = button("Annuler la suppression", this);
  auto* importButton = button("Importer…", this);
  auto* exportButton = button("Exporter…", this);
  auto* printButton = button("Imprimer…", this);
  auto* pdfButton = button("Enregistrer en PDF…", this);
  connect(openButton, &QPushButton::clicked, this, [this] {
    if (const auto at = chosen()) open(*at);
  });
  connect(renameButton, &QPushButton::clicked, this, &RosterWindow::askNameAndRename);
  connect(update_, &QPushButton::clicked, this, [this] { tell(updateOpened()); });
  connect(keepButton, &QPushButton::clicked, this, &RosterWindow::askNameAndKeep);
  connect(removeButton, &QPushButton::clicked, this, [this] {
    if (const auto at = chosen()) tell(remove(*at));
  });
  connect(undoRemoval_, &QPushButton::clicked, this, [this] { tell(undoRemoval()); });
  connect(importButton, &QPushButton::clicked, this, &RosterWindow::askFileAndImport);
  connect(exportButton, &QPushButton::clicked, this, &RosterWindow::askFileAndExport);
  connect(printButton, &QPushButton::clicked, this, &RosterWindow::askPrinterAndPrint);
  connect(pdfButton, &QPushButton::clicked, this, &RosterWindow::askFileAndSavePdf);

  // The keys of a list: F2 renames, Delete removes, Ctrl+Z puts it back;
  // Ctrl+P prints the chosen characters, as it prints the sheet.
  auto shortcut = [this](QKeySequence keys, QPushButton* target) {
    auto* action = new QAction(this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, target, &QPushButton::click);
    addAction(action);
  };
  shortcut(QKeySequence(Qt::Key_F2), renameButton);
  shortcut(QKeySequence::Delete, removeButton);
  shortcut(QKeySequence::Undo, undoRemoval_);
  shortcut(QKeySequence::Print, printButton);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {openButton, renameButton, update_, keepButton, removeButton, undoRemoval_})
    buttons->addWidget(b);
  auto* files = new QHBoxLayout;
  files->addStretch();
  files->addWidget(importButton);
  files->addWidget(exportButton);
  files->addWidget(printButton);
  files->addWidget(pdfButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(search_);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  layout->addLayout(files);
  resize(640, 360);
}

void RosterWindow::list() {
  // The character chosen before stays chosen, or the one now in its place.
  const int row = std::max(0, list_->currentRow());
  list_->clear();
  for (const std::size_t at : roster_.search(search_->text().toStdString())) {
    auto* item = new QListWidgetItem(line(roster_.characters()[at]), list_);
    item->setData(Qt::UserRole, QVariant::fromValue(at));
  }
  if (list_->count() > 0) list_->setCurrentRow(std::min(row, list_->count() - 1));
  update_->setEnabled(openedAt_.has_value());
  undoRemoval_->setEnabled(!removed_.empty());
}

std::optional<std::size_t> RosterWindow::chosen() const {
  const QListWidgetItem* item = list_->currentItem();
  if (!item) return std::nullopt;
  return item->data(Qt::UserRole).value<std::size_t>();
}

std::optional<QString> RosterWindow::save() {
  list();
  return saveRoster(roster_, path_);
}

void RosterWindow::tell(const std::optional<QString>& problem) {
  if (!problem) return;
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kMessageTitle), *problem, QMessageBox::Ok, this);
  box.exec();
}

std::optional<QString> RosterWindow::keep(const QString& name) {
  if (name.trimmed().isEmpty()) return QString::fromUtf8(kNoName);
  openedAt_ = roster_.keep(name.trimmed().toStdString(), shown_);
  return save();
}

std::optional<QString> RosterWindow::rename(std::size_t at, const QString& name) {
  if (name.trimmed().isEmpty()) return QString::fromUtf8(kNoName);
  roster_.rename(at, name.trimmed().toStdString());
  return save();
}

std::optional<QString> RosterWindow::updateOpened() {
  if (!openedAt_) return QString::fromUtf8(kNothingOpened);
  roster_.update(*openedAt_, shown_);
  return save();
}

std::optional<QString> RosterWindow::remove(std::size_t at) {
  removed_.emplace_back(at, roster_.remove(at));
  if (openedAt_ == at)
    openedAt_.reset();
  else if (openedAt_ && *openedAt_ > at)
    --*openedAt_;
  return save();
}

std::optional<QString> RosterWindow::undoRemoval() {
  if (removed_.empty()) return std::nullopt;
  auto [at, character] = std::move(removed_.back());
  removed_.pop_back();
  if (openedAt_ && *openedAt_ >= at) ++*openedAt_;
  roster_.restore(at, std::move(character));
  return save();
}

void RosterWindow::open(std::size_t at) {
  openedAt_ = at;
  update_->setEnabled(true);
  emit opened(roster_.characters()[at].sheet);
}

QStringList RosterWindow::importFrom(const QString& path) {
  auto read = readRosterText(path);
  if (auto* error = std::get_if<QString>(&read)) return {*error};
  ImportedCharacters imported = importCharacters(std::get<std::string>(read));
  QStringList problems;
  for (const std::string& problem : imported.problems) problems << qtText(problem);
  if (imported.characters.empty()) return problems;
  roster_.keepAll(std::move(imported.characters));
  if (const auto error = save()) problems << *error;
  return problems;
}

std::optional<QString> RosterWindow::exportTo(const QString& path) {
  const std::string text = path.endsWith(QLatin1String(".jsonl"), Qt::CaseInsensitive)
                               ? rosterToJsonLines(roster_.characters())
                               : rosterToJson(roster_.characters());
  if (writeWhole(path, text)) return std::nullopt;
  return QString::fromUtf8(kExportFailed).arg(QFileInfo(path).fileName());
}

std::vector<Personnage> RosterWindow::chosenSheets() const {
  std::vector<std::size_t> places;
  for (const QListWidgetItem* item : list_->selectedItems())
    places.push_back(item->data(Qt::UserRole).value<std::size_t>());
  if (places.empty())
    if (const auto at = chosen()) places.push_back(*at);
  std::sort(places.begin(), places.end());
  std::vector<Personnage> sheets;
  for (const std::size_t at : places) sheets.push_back(roster_.characters()[at].sheet);
  return sheets;
}

bool RosterWindow::printOn(QPrinter& printer) const { return paintSheets(chosenSheets(), printer); }

std::optional<QString> RosterWindow::saveAsPdf(const QString& path) const {
  return saveSheetsAsPdf(chosenSheets(), QString::fromUtf8(kTitle), path);
}

void RosterWindow::askNameAndKeep() {
  bool accepted = false;
  const QString name =
      QInputDialog::getText(this, QString::fromUtf8(kKeepTitle), QString::fromUtf8(kNameLabel),
                            QLineEdit::Normal, qtText(proposedName(shown_)), &accepted);
  if (accepted) tell(keep(name));
}

void RosterWindow::askNameAndRename() {
  const auto at = chosen();
  if (!at) return;
  bool accepted = false;
  const QString name =
      QInputDialog::getText(this, QString::fromUtf8(kRenameTitle), QString::fromUtf8(kNameLabel),
                            QLineEdit::Normal, qtText(roster_.characters()[*at].name), &accepted);
  if (accepted) tell(rename(*at, name));
}

void RosterWindow::askFileAndImport() {
  const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8(kImportTitle), QString(),
                                                    QString::fromUtf8(kImportFilter));
  if (path.isEmpty()) return;
  const QStringList problems = importFrom(path);
  if (!problems.isEmpty()) tell(QString::fromUtf8("Personnages laissés de côté :\n") + problems.join(u'\n'));
}

void RosterWindow::askFileAndExport() {
  const QString filters =
      QString::fromUtf8(kRosterFilter) + QStringLiteral(";;") + QString::fromUtf8(kLinesFilter);
  const QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8(kExportTitle),
                                                    QStringLiteral("personnages.json"), filters);
  if (!path.isEmpty()) tell(exportTo(path));
}

void RosterWindow::askPrinterAndPrint() {
  if (!chosen()) return;
  tell(printThroughDialog(*this, QString::fromUtf8(kPrintTitle), QString::fromUtf8(kPrintedName),
                          [this](QPrinter& printer) { return printOn(printer); }));
}

void RosterWindow::askFileAndSavePdf() {
  if (!chosen()) return;
  const QString path =
      QFileDialog::getSaveFileName(this, QString::fromUtf8(kPdfTitle),
                                   QString::fromUtf8(kPrintedName) + QStringLiteral(".pdf"), pdfFilter());
  if (!path.isEmpty()) tell(saveAsPdf(path));
}

}  // namespace orvandel

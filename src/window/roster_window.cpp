#include "window/roster_window.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <variant>

#include "roster/roster_file.h"
#include "roster/roster_session.h"
#include "window/dialogs.h"
#include "window/gm_paper.h"
#include "window/message_title.h"
#include "window/qt_text.h"
#include "window/roomy_rows.h"
#include "window/roster_filter.h"
#include "window/roster_model.h"
#include "window/roster_store.h"
#include "window/screen_reader_names.h"
#include "window/sheet_files.h"
#include "window/sheet_paper.h"

namespace orvandel {
namespace {

constexpr const char* kTitle = "Personnages";
constexpr const char* kSearchName = "Chercher un personnage";
constexpr const char* kSearchHint = "Chercher un nom, une profession, une nationalité";
constexpr const char* kClearSearchName = "Effacer la recherche";
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
constexpr const char* kGroupTooBig =
    "Le groupe n’a pas été gardé : avec lui, la liste des personnages dépasserait %1 Mo, la taille que le "
    "programme relit. Préparez un groupe plus petit, ou supprimez des personnages de la liste.";
constexpr const char* kExportFailed =
    "L’écriture de « %1 » a échoué (disque plein ou dossier protégé ?). Le fichier n’a pas été modifié.";

QPushButton* button(const char* text, QWidget* parent) {
  return new QPushButton(QString::fromUtf8(text), parent);
}

}  // namespace

RosterWindow::RosterWindow(const Personnage& shown, QString path, QWidget* parent)
    : QWidget(parent, Qt::Window), shown_(shown), path_(std::move(path)) {
  useSheetRoles();
  setObjectName(QStringLiteral("roster"));
  setWindowTitle(QString::fromUtf8(kTitle));
  LoadedRoster loaded = loadRoster(path_);
  model_ = new RosterModel(std::move(loaded.roster), this);
  build();
  keepACurrentCharacter();
  showState();
  if (!loaded.problems.isEmpty()) tell(loaded.problems.join(u'\n'));
}

void RosterWindow::build() {
  search_ = new QLineEdit(this);
  search_->setAccessibleName(QString::fromUtf8(kSearchName));
  search_->setPlaceholderText(QString::fromUtf8(kSearchHint));
  search_->setClearButtonEnabled(true);
  // The clear button is the box's only tool button.
  for (auto* clear : search_->findChildren<QToolButton*>())
    clear->setAccessibleName(QString::fromUtf8(kClearSearchName));
  filter_ = new RosterFilter(*model_, this);
  connect(search_, &QLineEdit::textChanged, filter_, &RosterFilter::setWords);

  list_ = new QListView(this);
  list_->setModel(filter_);
  list_->setObjectName(QStringLiteral("roster_list"));
  list_->setAccessibleName(QString::fromUtf8(kTitle));
  // Several characters are chosen for paper as files are in a file manager:
  // Ctrl or Shift with a click or the arrows, Ctrl+A for all.
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setItemDelegate(new RoomyRows(list_));
  connect(list_, &QListView::activated, this, [this] {
    if (const auto at = chosen()) open(*at);
  });
  connect(filter_, &QAbstractItemModel::rowsInserted, this, &RosterWindow::keepACurrentCharacter);

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
  auto* gmPageButton = button(kPrintGmPage, this);
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
  connect(gmPageButton, &QPushButton::clicked, this, &RosterWindow::askPrinterAndPrintGmPage);

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
  files->addWidget(gmPageButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(search_);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  layout->addLayout(files);
  resize(640, 360);
}

const Roster& RosterWindow::roster() const { return model_->session().roster(); }

RosterSession& RosterWindow::session() { return model_->session(); }

std::optional<std::size_t> RosterWindow::chosen() const {
  const QModelIndex current = list_->currentIndex();
  if (!current.isValid()) return std::nullopt;
  return static_cast<std::size_t>(filter_->mapToSource(current).row());
}

// The character at `row` of the list becomes the current one, or the last
// when the list is shorter now.
void RosterWindow::choose(int row) {
  const int count = filter_->rowCount();
  if (count > 0) list_->setCurrentIndex(filter_->index(std::clamp(row, 0, count - 1), 0));
}

// A list that shows characters always has one to open, remove or print.
void RosterWindow::keepACurrentCharacter() {
  if (!list_->currentIndex().isValid()) choose(0);
}

void RosterWindow::showState() {
  update_->setEnabled(model_->session().opened().has_value());
  undoRemoval_->setEnabled(model_->session().canUndoRemoval());
}

std::optional<QString> RosterWindow::save() {
  showState();
  return saveRoster(roster(), path_);
}

std::optional<QString> RosterWindow::savedUnless(const std::optional<std::string>& refusal) {
  if (refusal) return qtText(*refusal);
  return save();
}

void RosterWindow::tell(const std::optional<QString>& problem) {
  if (!problem) return;
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kMessageTitle), *problem, QMessageBox::Ok, this);
  box.exec();
}

std::optional<QString> RosterWindow::keptUnless(const std::optional<std::string>& refusal) {
  if (!refusal) emit keptShown(qtText(roster().characters()[*session().opened()].name));
  return savedUnless(refusal);
}

std::optional<QString> RosterWindow::keep(const QString& name) {
  return keptUnless(session().keep(name.toStdString(), shown_));
}

std::optional<QString> RosterWindow::rename(std::size_t at, const QString& name) {
  return savedUnless(session().rename(at, name.toStdString()));
}

std::optional<QString> RosterWindow::updateOpened() { return keptUnless(session().update(shown_)); }

// The character that takes the place of the one removed is the current one,
// as the one put back is again.
std::optional<QString> RosterWindow::remove(std::size_t at) {
  const int row = list_->currentIndex().row();
  const auto refusal = session().remove(at);
  choose(row);
  return savedUnless(refusal);
}

std::optional<QString> RosterWindow::undoRemoval() {
  const int row = list_->currentIndex().row();
  if (!session().undoRemoval()) return std::nullopt;
  choose(row);
  return save();
}

void RosterWindow::open(std::size_t at) {
  if (const auto refusal = session().open(at)) return tell(qtText(*refusal));
  showState();
  const KeptCharacter& character = roster().characters()[at];
  emit opened(character.sheet, qtText(character.name));
}

QString RosterWindow::importFrom(const QString& path) {
  auto read = readRosterText(path);
  if (auto* error = std::get_if<QString>(&read)) return *error;
  rememberDialogFile(path);
  ImportedCharacters imported = importCharacters(std::get<std::string>(read));
  const std::size_t added = session().keepAll(std::move(imported.characters));
  QStringList said{
      qtText(importSummary(QFileInfo(path).fileName().toStdString(), added, !imported.problems.empty()))};
  for (const std::string& problem : imported.problems) said << qtText(problem);
  if (added > 0)
    if (const auto error = save()) said << *error;
  return said.join(u'\n');
}

// A group that would make the roster file too big to be read again is
// refused whole: kept, it would leave the player an empty roster at the
// next start.
RosterWindow::KeptGroup RosterWindow::keepGroup(std::vector<KeptCharacter> characters) {
  Roster grown = roster();
  grown.keepAll(characters);
  if (rosterToJson(grown.characters()).size() > kLargestRoster)
    return {{}, QString::fromUtf8(kGroupTooBig).arg(kLargestRoster >> 20)};
  const std::size_t added = session().keepAll(std::move(characters));
  const auto& all = roster().characters();
  KeptGroup kept{{all.end() - static_cast<std::ptrdiff_t>(added), all.end()}, std::nullopt};
  if (added > 0) kept.problem = save();
  return kept;
}

std::optional<QString> RosterWindow::exportTo(const QString& path) {
  const std::string text = path.endsWith(QLatin1String(".jsonl"), Qt::CaseInsensitive)
                               ? rosterToJsonLines(roster().characters())
                               : rosterToJson(roster().characters());
  if (!writeWhole(path, text)) return QString::fromUtf8(kExportFailed).arg(QFileInfo(path).fileName());
  rememberDialogFile(path);
  return std::nullopt;
}

std::vector<KeptCharacter> RosterWindow::chosenCharacters() const {
  std::vector<std::size_t> places;
  for (const QModelIndex& selected : list_->selectionModel()->selectedIndexes())
    places.push_back(static_cast<std::size_t>(filter_->mapToSource(selected).row()));
  if (places.empty())
    if (const auto at = chosen()) places.push_back(*at);
  std::sort(places.begin(), places.end());
  std::vector<KeptCharacter> characters;
  for (const std::size_t at : places) characters.push_back(roster().characters()[at]);
  return characters;
}

bool RosterWindow::printOn(QPrinter& printer) const { return paintSheets(chosenCharacters(), printer); }

std::optional<QString> RosterWindow::saveAsPdf(const QString& path) const {
  auto error = saveSheetsAsPdf(chosenCharacters(), QString::fromUtf8(kTitle), path);
  if (!error) rememberDialogFile(path);
  return error;
}

std::optional<QString> RosterWindow::askName(const char* title, const std::string& proposed) {
  QInputDialog dialog(this);
  dialog.setWindowTitle(QString::fromUtf8(title));
  dialog.setLabelText(QString::fromUtf8(kNameLabel));
  dialog.setTextValue(qtText(proposed));
  showWholeTitle(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue();
}

// A sheet that nothing rolled is refused before a name is asked for it.
void RosterWindow::askNameAndKeep() {
  if (!holdsCharacter(shown_)) return tell(keep(QString()));
  if (const auto name = askName(kKeepTitle, proposedName(shown_))) tell(keep(*name));
}

void RosterWindow::askNameAndRename() {
  const auto at = chosen();
  if (!at) return;
  if (const auto name = askName(kRenameTitle, roster().characters()[*at].name)) tell(rename(*at, *name));
}

void RosterWindow::askFileAndImport() {
  const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8(kImportTitle), dialogFolder(),
                                                    QString::fromUtf8(kImportFilter));
  if (path.isEmpty()) return;
  QMessageBox box(QMessageBox::Information, QString::fromUtf8(kMessageTitle), importFrom(path),
                  QMessageBox::Ok, this);
  box.exec();
}

void RosterWindow::askFileAndExport() {
  const QString filters =
      QString::fromUtf8(kRosterFilter) + QStringLiteral(";;") + QString::fromUtf8(kLinesFilter);
  const QString path = QFileDialog::getSaveFileName(
      this, QString::fromUtf8(kExportTitle), inDialogFolder(QStringLiteral("personnages.json")), filters);
  if (!path.isEmpty()) tell(exportTo(path));
}

void RosterWindow::askPrinterAndPrint() {
  if (!chosen()) return;
  tell(printThroughDialog(*this, QString::fromUtf8(kPrintTitle), QString::fromUtf8(kPrintedName),
                          [this](QPrinter& printer) { return printOn(printer); }));
}

// The chosen characters as blocks, four to a page, for the game master.
void RosterWindow::askPrinterAndPrintGmPage() {
  if (!chosen()) return;
  tell(printGmPage(*this, chosenCharacters(), QString::fromUtf8(kPrintedName)));
}

void RosterWindow::askFileAndSavePdf() {
  if (!chosen()) return;
  const QString path = QFileDialog::getSaveFileName(
      this, QString::fromUtf8(kPdfTitle),
      inDialogFolder(QString::fromUtf8(kPrintedName) + QStringLiteral(".pdf")), pdfFilter());
  if (!path.isEmpty()) tell(saveAsPdf(path));
}

}  // namespace orvandel

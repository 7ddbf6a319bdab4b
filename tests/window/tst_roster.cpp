// The characters kept in the window's roster: every change reaches the
// roster file at once and comes back after a restart, a save that fails
// half-way leaves the previous roster whole, and imports keep every good
// character and say why each bad one was left out.

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/dice.h"
#include "roster/roster_file.h"
#include "sheet_io/sheet_json.h"
#include "support/failing_file_system.h"
#include "support/format_check.h"
#include "support/rolled_sheet.h"
#include "support/tool_says.h"
#include "window/character_window.h"
#include "window/dialogs.h"
#include "window/qt_text.h"
#include "window/roster_store.h"
#include "window/roster_window.h"
#include "window/sheet_paper.h"

namespace orvandel {
namespace {

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The character's name in a row of the list, before its facts.
QString nameIn(const QModelIndex& row) {
  return row.data().toString().section(QString::fromUtf8(" — "), 0, 0);
}

// The text of page `page` of the PDF `path`, in the order it was drawn;
// empty when the page cannot be read.
QString pageText(const QString& path, int page) {
  const QString number = QString::number(page);
  const QString said = toolSays(QStringLiteral("pdftotext"), {"-raw", "-f", number, "-l", number, path, "-"});
  return said.startsWith(QStringLiteral("0 ")) ? said.mid(2) : QString();
}

// Dark pixels of `picture`.
int inkOf(const QImage& picture) {
  int ink = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) ink += qGray(picture.pixel(x, y)) < 160;
  return ink;
}

void write(const QString& path, const std::string& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text.data(), static_cast<qint64>(text.size()));
}

}  // namespace

class RosterTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(data_.isValid());
    // The user's data folder of this run, where the window keeps its roster.
    qputenv("XDG_DATA_HOME", data_.path().toUtf8());
  }

  void everyChangeIsKeptAcrossARestart() {
    QFile::remove(defaultRosterPath());
    auto window = std::make_unique<CharacterWindow>(std::make_unique<SeededDice>(5));
    RosterWindow& roster = window->roster();
    window->randomEntry();
    const Personnage first = window->sheet();
    QVERIFY(!roster.keep(QStringLiteral("Aldo")));
    window->randomEntry();
    QVERIFY(!roster.keep(QStringLiteral("  Brune  ")));
    QVERIFY(!roster.rename(0, QStringLiteral("Aldo « le Rouge »")));

    roster.open(0);  // opening is a step, as opening a file
    QVERIFY(window->sheet() == first);
    window->undo();
    QVERIFY(window->sheet() != first);
    window->redo();
    window->randomEntry();
    const Personnage changed = window->sheet();
    QVERIFY(!roster.updateOpened());
    QVERIFY(!roster.remove(1));
    const Roster kept = roster.roster();
    QCOMPARE(kept.size(), 1U);
    QCOMPARE(kept.characters()[0].name, "Aldo « le Rouge »");
    QVERIFY(kept.characters()[0].sheet == changed);

    window.reset();
    CharacterWindow restarted(std::make_unique<SeededDice>(6));
    QVERIFY(restarted.roster().roster() == kept);
    QCOMPARE(formatProblems(QStringLiteral("roster"), defaultRosterPath()), QString());
  }

  void saveFailingHalfWayLeavesThePreviousRosterWhole() {
    const QString path = data_.filePath(QStringLiteral("interrupted.json"));
    Roster roster;
    roster.keep("Premier", rolled(1));
    QCOMPARE(saveRoster(roster, path), std::nullopt);
    const QByteArray before = contentsOf(path);
    for (std::uint64_t seed = 2; seed < 6; ++seed) roster.keep("Suivant", rolled(seed));
    FailingFileSystem disk;
    disk.fullAt = static_cast<std::size_t>(before.size()) + 1000;
    const auto error = saveRoster(roster, path, disk);
    QVERIFY(error && error->contains(QStringLiteral("La liste enregistrée avant est intacte")));
    QCOMPARE(contentsOf(path), before);
    QCOMPARE(importCharacters(before.toStdString()).characters.size(), 1U);
  }

  // The list follows each change without being rebuilt: the character that
  // takes a removed one's place is the current one, the one put back is
  // current again, and the search (which folds accents) follows a rename.
  void theListFollowsEachChange() {
    const Personnage shown = rolled(3);
    RosterWindow roster(shown, data_.filePath(QStringLiteral("suivie.json")));
    for (const char* name : {"Aldo", "Élise", "Brune"}) QVERIFY(!roster.keep(QString::fromUtf8(name)));
    auto* list = roster.findChild<QListView*>(QStringLiteral("roster_list"));
    const auto rows = [list] {
      QStringList names;
      for (int row = 0; row < list->model()->rowCount(); ++row) names << nameIn(list->model()->index(row, 0));
      return names;
    };
    const auto current = [list] { return nameIn(list->currentIndex()); };
    QCOMPARE(current(), QStringLiteral("Aldo"));

    list->setCurrentIndex(list->model()->index(1, 0));
    QVERIFY(!roster.remove(1));
    QCOMPARE(current(), QStringLiteral("Brune"));
    QVERIFY(!roster.undoRemoval());
    QCOMPARE(rows(), (QStringList{"Aldo", "Élise", "Brune"}));
    QCOMPARE(current(), QStringLiteral("Élise"));

    roster.findChild<QLineEdit*>()->setText(QStringLiteral("ELI"));
    QCOMPARE(rows(), QStringList{"Élise"});
    QVERIFY(!roster.rename(1, QStringLiteral("Zoé")));
    QCOMPARE(rows(), QStringList());
    roster.findChild<QLineEdit*>()->clear();
    QCOMPARE(rows(), (QStringList{"Aldo", "Zoé", "Brune"}));
  }

  // Imports and exports go through whole files; which lines an import keeps
  // and why it leaves the others is the roster library's to say.
  void importsAndExportsGoThroughFiles() {
    // Two characters of one profession and nationality, as a batch of the
    // command line often holds: each keeps a name of its own.
    const QString batch = data_.filePath(QStringLiteral("lot.jsonl"));
    write(batch, sheetToJson(rolled(1)) + "\npas une fiche\n" + sheetToJson(rolled(2)) + "\n" +
                     sheetToJson(rolled(1)) + "\n");
    const Personnage shown = rolled(99);
    RosterWindow roster(shown, data_.filePath(QStringLiteral("import.json")));
    QVERIFY(!roster.keep(QStringLiteral("Déjà là")));
    QCOMPARE(roster.importFrom(batch), QString::fromUtf8("« lot.jsonl » : 3 personnages importés. Laissés de "
                                                         "côté :\nligne 2 : ce n’est pas du JSON valide."));
    QCOMPARE(roster.roster().size(), 4U);
    QVERIFY(roster.roster().characters()[2].sheet == rolled(2));
    const QString named = qtText(proposedName(rolled(1)));
    QCOMPARE(qtText(roster.roster().characters()[1].name), named);
    QCOMPARE(qtText(roster.roster().characters()[3].name), named + QStringLiteral(" (2)"));

    const QString exported = data_.filePath(QStringLiteral("export.json"));
    QVERIFY(!roster.exportTo(exported));
    QCOMPARE(formatProblems(QStringLiteral("roster"), exported), QString());
    RosterWindow other(shown, data_.filePath(QStringLiteral("other.json")));
    QCOMPARE(other.importFrom(exported), QString::fromUtf8("« export.json » : 4 personnages importés."));
    QVERIFY(other.roster() == roster.roster());
  }

  // The chosen characters go to paper one sheet a page, each page under its
  // character's name and with the text that the window itself puts on paper
  // for that character, while the window keeps the sheet it shows.
  void chosenCharactersGoToPaperOneAPage_data() {
    QTest::addColumn<bool>("printed");
    QTest::newRow("PDF") << false;
    QTest::newRow("imprimé") << true;
  }
  void chosenCharactersGoToPaperOneAPage() {
    QFETCH(bool, printed);
    QFile::remove(defaultRosterPath());
    CharacterWindow window(std::make_unique<SeededDice>(11));
    const QStringList names{QStringLiteral("Aldo"), QString::fromUtf8("Éloïse"), QStringLiteral("Brune")};
    std::vector<QString> alone;
    for (const QString& name : names) {
      window.randomEntry();
      alone.push_back(data_.filePath(name + QStringLiteral(".pdf")));
      QVERIFY(!window.saveTo(alone.back()));
      QVERIFY(!window.roster().keep(name));
    }
    const Personnage shown = window.sheet();
    auto* list = window.roster().findChild<QListView*>(QStringLiteral("roster_list"));
    list->clearSelection();
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
    list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::Select);

    const QString path = data_.filePath(QStringLiteral("personnages.pdf"));
    if (printed) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setPageLayout(sheetPageLayout());
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      QVERIFY(window.roster().printOn(printer));
    } else {
      QCOMPARE(window.roster().saveAsPdf(path), std::nullopt);
    }
    QVERIFY(toolSays(QStringLiteral("pdfinfo"), {path}).contains(QRegularExpression("Pages:\\s+2\\n")));
    for (const auto& [page, at] : {std::pair{1, 1}, std::pair{2, 2}}) {
      const QString text = pageText(path, page);
      const QString sheet = pageText(alone[static_cast<std::size_t>(at)], 1);
      QVERIFY2(text.startsWith(names[at] + u'\n'), qPrintable(text.left(80)));
      QVERIFY(sheet.contains(QString::fromUtf8("Compétences")));
      QVERIFY2(text.contains(sheet), qPrintable(text));
    }
    QVERIFY(window.sheet() == shown);
  }

  void keysOpenAndKeep() {
    QFile::remove(defaultRosterPath());
    CharacterWindow window(std::make_unique<SeededDice>(7));
    QStringList shortcuts;
    for (const QAction* action : window.actions())
      if (action->text() == QStringLiteral("Garder ce personnage…") ||
          action->text() == QStringLiteral("Personnages"))
        shortcuts << action->shortcut().toString();
    QCOMPARE(shortcuts, (QStringList{"Ctrl+D", "Ctrl+L"}));

    window.randomEntry();
    const Personnage kept = window.sheet();
    QVERIFY(!window.roster().keep(QStringLiteral("Aldo")));
    QCOMPARE(window.status(), QStringLiteral("Personnage gardé : Aldo"));
    window.randomEntry();
    window.showRoster();
    QVERIFY(QTest::qWaitForWindowExposed(&window.roster()));
    auto* list = window.roster().findChild<QListView*>(QStringLiteral("roster_list"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(window.sheet() == kept);
    QCOMPARE(window.status(), QStringLiteral("Personnage ouvert : Aldo"));

    // Delete removes the character in the list, Ctrl+Z there puts it back
    // (and does not step the sheet back).
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(window.roster().roster().size(), 0U);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.roster().roster().size(), 1U);
    QVERIFY(window.sheet() == kept);
  }

  // A row of the list holds the whole of its name: the accent on a capital
  // draws as much ink in the row as on a page with room to spare.
  void accentsOnCapitalsShowWhole() {
    const Personnage shown = rolled(4);
    RosterWindow roster(shown, data_.filePath(QStringLiteral("accents.json")));
    for (const char* name : {"E", "É", "A", "Â"}) QVERIFY(!roster.keep(QString::fromUtf8(name)));
    auto* list = roster.findChild<QListView*>(QStringLiteral("roster_list"));
    roster.show();
    list->clearSelection();
    list->setCurrentIndex({});
    const auto inRow = [list](int row) {
      const QRect place = list->visualRect(list->model()->index(row, 0));
      return inkOf(list->viewport()->grab(place).toImage());
    };
    const auto onPage = [list](const char* letter) {
      QImage page(200, 200, QImage::Format_RGB32);
      page.fill(Qt::white);
      QPainter painter(&page);
      painter.setFont(list->font());
      painter.drawText(50, 100, QString::fromUtf8(letter));
      painter.end();
      return inkOf(page);
    };
    QVERIFY(onPage("É") > onPage("E"));
    QCOMPARE(inRow(1) - inRow(0), onPage("É") - onPage("E"));
    QCOMPARE(inRow(3) - inRow(2), onPage("Â") - onPage("A"));
  }

  // Opening, saving, importing and exporting all start where the last file
  // of any of them went.
  void fileDialogsShareOneFolder() {
    QDir(data_.path()).mkpath(QStringLiteral("fiches"));
    QDir(data_.path()).mkpath(QStringLiteral("lots"));
    const QString sheets = data_.filePath(QStringLiteral("fiches"));
    const QString batches = data_.filePath(QStringLiteral("lots"));
    CharacterWindow window(std::make_unique<SeededDice>(8));
    window.randomEntry();
    QVERIFY(!window.saveTo(sheets + QStringLiteral("/aldo.json")));
    QCOMPARE(dialogFolder(), sheets);
    QVERIFY(!window.roster().keep(QStringLiteral("Aldo")));
    QVERIFY(!window.roster().exportTo(batches + QStringLiteral("/tous.jsonl")));
    QCOMPARE(dialogFolder(), batches);
    QVERIFY(!window.openFrom(sheets + QStringLiteral("/aldo.json")));
    QCOMPARE(dialogFolder(), sheets);
    window.roster().importFrom(batches + QStringLiteral("/tous.jsonl"));
    QCOMPARE(dialogFolder(), batches);
  }

 private:
  QTemporaryDir data_;
};

}  // namespace orvandel

QTEST_MAIN(orvandel::RosterTest)
#include "tst_roster.moc"

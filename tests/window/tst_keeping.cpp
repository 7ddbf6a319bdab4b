// Keeping the character: undo and redo through the window's actions, the
// shortcuts that reach them from an edit box, saving, opening, printing and
// copying, the context menu, and Qt's texts in French.
#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QFileIconProvider>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/dice.h"
#include "roster/roster.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_text.h"
#include "support/failing_file_system.h"
#include "support/format_check.h"
#include "support/sheet_boxes.h"
#include "support/tool_says.h"
#include "window/character_window.h"
#include "window/qt_french.h"
#include "window/qt_text.h"
#include "window/roster_window.h"
#include "window/sheet_files.h"
#include "window/sheet_paper.h"

namespace orvandel {
namespace {

QLineEdit* box(const CharacterWindow& window, const char* name) {
  return window.findChild<QLineEdit*>(QString::fromUtf8(name));
}

// A window after one random generation and one improvement click.
std::unique_ptr<CharacterWindow> rolledWindow() {
  auto window = std::make_unique<CharacterWindow>(std::make_unique<SeededDice>(7));
  window->randomEntry();
  window->improvementClick({ImprovementKind::Skill, 3});
  return window;
}

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Whatever modal window comes up next is closed; `seen` keeps its texts.
void closeNextPopup(QStringList& seen) {
  QTimer::singleShot(0, [&seen] {
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup) popup = QApplication::activeModalWidget();
    if (!popup) return;
    if (auto* box = qobject_cast<QMessageBox*>(popup)) seen << box->text();
    for (const QAction* action : popup->actions()) seen << action->text();
    popup->close();
  });
}

// The next modal dialog of kind `Dialog`, once up, answered by `answer`;
// `seen` keeps what a message box asked. A dialog that is not up yet (the
// one before it still closing) is waited for, a few turns of the events.
template <typename Dialog>
void answerNext(QStringList& seen, std::function<void(Dialog&)> answer, int turns = 50) {
  QTimer::singleShot(0, [&seen, answer, turns] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) {
      if (turns > 0) answerNext<Dialog>(seen, answer, turns - 1);
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) seen << box->text();
    answer(*dialog);
  });
}

// Answers the next message box by its button `text`: "Garder" then takes the
// name proposed.
void pressNext(QStringList& seen, const QString& text) {
  answerNext<QMessageBox>(seen, [&seen, text](QMessageBox& box) {
    if (text == QStringLiteral("Garder"))
      answerNext<QInputDialog>(seen, [](QInputDialog& name) { name.accept(); });
    for (QAbstractButton* button : box.buttons())
      if (button->text() == text) return button->click();
  });
}

// Dark pixels: the text drawn in a picture of a widget.
int inkOf(const QImage& picture) {
  int ink = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) ink += qGray(picture.pixel(x, y)) < 128;
  return ink;
}

// The sheet exported as PDF, or printed to a PDF file.
void putOnPaper(CharacterWindow& window, const QString& path, bool printed) {
  if (!printed) {
    QCOMPARE(window.saveTo(path), std::nullopt);
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  QVERIFY(window.printOn(printer));
}

}  // namespace

class KeepingTest : public QObject {
  Q_OBJECT

 private slots:
  void paperLeavesTheScreenWhole_data() {
    QTest::addColumn<bool>("printed");
    QTest::addColumn<bool>("shownFirst");
    QTest::newRow("export before the window was drawn") << false << false;
    QTest::newRow("export") << false << true;
    QTest::newRow("print") << true << true;
  }

  // The screen still draws every glyph after the sheet went to paper: those
  // it drew before, and those it draws for the first time.
  void paperLeavesTheScreenWhole() {
    QFETCH(bool, printed);
    QFETCH(bool, shownFirst);
    QTemporaryDir dir;
    auto window = rolledWindow();
    // The sheet's frame: the status line under it says that the sheet went out.
    QWidget* sheet = window->findChild<QWidget*>("Frame1");
    QImage before;
    if (shownFirst) before = sheet->grab().toImage();
    putOnPaper(*window, dir.filePath("fiche.pdf"), printed);
    if (shownFirst) QCOMPARE(sheet->grab().toImage(), before);

    auto* equipment = window->findChild<QPlainTextEdit*>("equipement");
    const QString known =
        QString::fromUtf8("en poche 1430 GB abcdefghijklmnopqrstuvwxyz ÀÉÈÊÇ QWXYZ 25789 ;:!?%");
    for (const QChar letter : known) {
      if (letter.isSpace()) continue;
      equipment->setPlainText(letter);
      QVERIFY2(inkOf(equipment->grab().toImage()) > 0, qPrintable(QStringLiteral("%1 drawn").arg(letter)));
    }
    QVERIFY(inkOf(window->findChild<QWidget*>("Command2")->grab().toImage()) > 20);
  }

  void undoAndRedoRestoreWholeSheets() {
    CharacterWindow window(std::make_unique<SeededDice>(3));
    const Personnage launch = window.sheet();
    window.randomEntry();
    const Personnage rolled = window.sheet();
    window.improvementClick({ImprovementKind::Attack, 1});
    QTest::keyClicks(box(window, "forc"), "5");
    QTest::mouseClick(window.findChild<QCheckBox*>("des_ok(15)"), Qt::LeftButton);
    const Personnage typed = window.sheet();
    window.typedEntry();
    QVERIFY(window.sheet() != typed);

    window.undo();
    QVERIFY(window.sheet() == typed);
    QVERIFY(window.findChild<QCheckBox*>("des_ok(15)")->isChecked());
    window.undo();
    window.undo();
    QVERIFY(window.sheet() == launch);
    QCOMPARE(box(window, "forc")->text(), QString());
    window.redo();
    QVERIFY(window.sheet() == rolled);
    QCOMPARE(box(window, "forc")->text(), QString::fromStdString(rolled.forc));
  }

  // The window's shortcuts reach it from an edit box, except that a copy of
  // the box's selected text and the undoing of the box's own typing come
  // first; typing that a generation used belongs to the generation's step.
  void shortcutsFromAnEditBox() {
    auto window = rolledWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* forc = box(*window, "forc");
    forc->setFocus();
    const Personnage clicked = window->sheet();

    QTest::keyClick(forc, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(sheetToText(clicked)));
    forc->selectAll();
    QTest::keyClick(forc, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), forc->text());

    QTest::keyClicks(forc, "1");
    QVERIFY(window->sheet() != clicked);
    QTest::keyClick(forc, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(boxesOf(window->sheet()) == boxesOf(clicked));
    QTest::keyClick(forc, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->sheet().des_comp, std::to_string(std::stoi(clicked.des_comp) + 1));
    QTest::keyClick(forc, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(boxesOf(window->sheet()) == boxesOf(clicked));
    QTest::keyClick(forc, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(forc, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(boxesOf(window->sheet()) == boxesOf(clicked));

    QTest::keyClicks(forc, "1");
    const Personnage typed = window->sheet();
    QTest::keyClick(forc, Qt::Key_Return);
    QVERIFY(window->sheet() != typed);
    QTest::keyClick(forc, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(window->sheet() == typed);
    QCOMPARE(forc->text(), QString::fromStdString(typed.forc));
  }

  void contextMenu_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("windowMenu");
    QTest::newRow("caption") << "Label8" << true;
    QTest::newRow("skill name") << "comp(3)" << true;
    QTest::newRow("edit box") << "forc" << false;
  }

  void contextMenu() {
    QFETCH(QString, clicked);
    QFETCH(bool, windowMenu);
    CharacterWindow window(std::make_unique<SeededDice>(3));
    window.show();
    QWidget* w = window.findChild<QWidget*>(clicked);
    QStringList seen;
    closeNextPopup(seen);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(w, &event);
    QTRY_VERIFY(!seen.isEmpty());  // an edit box's own menu pops up without waiting
    QCOMPARE(seen.contains(QString::fromUtf8("Enregistrer la fiche…")), windowMenu);
  }

  void savedJsonOpensToTheSameSheet() {
    QTemporaryDir dir;
    auto window = rolledWindow();
    QTest::keyClicks(window->findChild<QWidget*>("equipement"), " « corde »");
    const Personnage saved = window->sheet();
    const QString path = dir.filePath("héros.JSON");
    QCOMPARE(window->saveTo(path), std::nullopt);
    QCOMPARE(contents(path).toStdString(), sheetToJson(saved) + '\n');
    QCOMPARE(formatProblems(QStringLiteral("sheet"), path), QString());

    CharacterWindow other(std::make_unique<SeededDice>(1));
    QCOMPARE(other.openFrom(path), std::nullopt);
    QVERIFY(other.sheet() == saved);
  }

  void brokenFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    // clang-format off
    QTest::newRow("not JSON") << QByteArray("{\"forc\": ") << "n’est pas du JSON valide";
    QTest::newRow("far too big") << QByteArray(2 << 20, ' ') << "bien trop gros";
    // clang-format on
  }

  void brokenFilesChangeNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    write(dir.filePath("fiche.json"), bytes);
    auto window = rolledWindow();
    const Personnage before = window->sheet();
    const auto error = window->openFrom(dir.filePath("fiche.json"));
    QVERIFY(error && error->startsWith(QString::fromUtf8("« fiche.json » n’est pas une fiche : ")));
    QVERIFY2(error->contains(reason), qPrintable(*error));
    QVERIFY(window->sheet() == before);
    window->undo();  // back past the click: opening took no step
    QVERIFY(window->sheet().des_comp != before.des_comp);
  }

  void failedSavesSayWhy_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    // clang-format off
    QTest::newRow("unknown suffix") << "fiche.doc" << ".json";
    QTest::newRow("no such folder") << "absent/fiche.json" << "Impossible de créer";
    // clang-format on
  }

  void failedSavesSayWhy() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    auto window = rolledWindow();
    const auto error = window->saveTo(dir.filePath(name));
    QVERIFY(error && error->contains(reason));
    QVERIFY(QDir(dir.path()).isEmpty());
  }

  void saveCutShortLeavesTheFileAsItWas_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refuseRename");
    for (const char* name : {"fiche.json", "fiche.txt", "fiche.png", "fiche.pdf"})
      QTest::newRow(name) << name << false;
    QTest::newRow("rename refused") << "fiche.pdf" << true;
  }

  // A disk that fills half-way through the old file's size, or a rename
  // refused once the new file is whole.
  void saveCutShortLeavesTheFileAsItWas() {
    QFETCH(QString, name);
    QFETCH(bool, refuseRename);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    auto window = rolledWindow();
    QCOMPARE(window->saveTo(path), std::nullopt);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();
    window->randomEntry();
    FailingFileSystem disk;
    if (!refuseRename) disk.fullAt = static_cast<std::size_t>(before.size() / 2);
    disk.refuseRename = refuseRename;
    const auto error = saveSheet(*window, window->sheet(), path, disk);
    QVERIFY(error && error->contains(QStringLiteral("disque plein")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), before);
    QCOMPARE(QDir(dir.path()).count(), 3U);  // the file, "." and ".."
  }

  void pngIsTheWindowAsShown() {
    QTemporaryDir dir;
    auto window = rolledWindow();
    QCOMPARE(window->saveTo(dir.filePath("fiche.png")), std::nullopt);
    QCOMPARE(QImage(dir.filePath("fiche.png")).size(), window->size() * window->devicePixelRatio());
  }

  void pdfIsOneCleanPage_data() {
    QTest::addColumn<bool>("printed");
    QTest::newRow("export") << false;
    QTest::newRow("print") << true;
  }

  // One page of vector drawing and text, which the PDF tools read without a
  // complaint, with every font embedded, and only the sheet on it.
  void pdfIsOneCleanPage() {
    QFETCH(bool, printed);
    QTemporaryDir dir;
    const QString path = dir.filePath("fiche.pdf");
    auto window = rolledWindow();
    putOnPaper(*window, path, printed);
    const QString pdf = QString::fromLatin1(contents(path));
    QCOMPARE(pdf.count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 1);

    QCOMPARE(toolSays("qpdf", {"--check", path}).left(2), "0 ");
    if (!printed)  // a printer names the document after its print job
      QVERIFY(toolSays("pdfinfo", {path})
                  .contains(QRegularExpression(
                      QString::fromUtf8("^0 Title: +Générateur Personnage ORVANDEL v1\\.0\\n"))));
    const QString text = toolSays("pdftotext", {path, "-"});
    QVERIFY2(text.startsWith("0 ") && !text.contains("Error"), qPrintable(text));
    QVERIFY(text.contains(QString::fromUtf8("Compétences")));
    // Searchable as typed: the hunter's kit, no "ﬂ" ligature.
    QVERIFY2(text.contains(QString::fromUtf8("12 flèches")), qPrintable(text));
    // The artwork goes as vectors: no picture in the file.
    const QStringList images = toolSays("pdfimages", {"-list", path}).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(images.size() == 2, qPrintable(images.join('\n')));
    for (const char* notSheet : {"QUITTER", "Saisie", "Frame1"}) QVERIFY2(!text.contains(notSheet), notSheet);

    // Below the heading and its rule, a row per font: ... emb sub uni object generation.
    const QStringList fonts = toolSays("pdffonts", {path}).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts) {
      const QStringList columns = font.split(' ', Qt::SkipEmptyParts);
      QVERIFY2(columns.size() > 5 && columns[columns.size() - 5] == "yes", qPrintable(font));
    }
  }

  // Paper does not depend on the screen: the page written at 90 % or 150 %
  // is the one written at 100 %, pixel for pixel once rendered.
  void paperIgnoresTheZoom() {
    QTemporaryDir dir;
    auto window = rolledWindow();
    auto rendered = [&](double zoom, bool printed) {
      window->setZoom(zoom);
      const QString pdf = dir.filePath(QStringLiteral("%1-%2.pdf").arg(zoom).arg(printed));
      putOnPaper(*window, pdf, printed);
      const QString png = dir.filePath(QStringLiteral("%1-%2").arg(zoom).arg(printed));
      toolSays("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, png});
      return QImage(png + ".png");
    };
    for (const bool printed : {false, true}) {
      const QImage actual = rendered(1.0, printed);
      QVERIFY(!actual.isNull());
      QCOMPARE(rendered(0.9, printed), actual);
      QCOMPARE(rendered(1.5, printed), actual);
    }
    QCOMPARE(window->zoom(), 1.5);  // the window keeps its own zoom
  }

  void paperShowsTheWindow_data() {
    QTest::addColumn<int>("dpi");
    QTest::newRow("screen") << 96;
    QTest::newRow("printer") << 600;
  }

  // Drawn on a page of the window's own size, whatever its resolution, the
  // sheet comes out as on screen, give or take the smoothing of the text.
  void paperShowsTheWindow() {
    QFETCH(int, dpi);
    auto window = rolledWindow();
    const QImage screen = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage page(screen.size(), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    page.fill(Qt::white);
    QVERIFY(paintSheet(*window, page));
    // Paper places each text at the fraction of a pixel it measured, the
    // screen at whole pixels: a pixel matches one of the screen's within a
    // pixel of it.
    auto matches = [&](int x, int y) {
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          if (screen.rect().contains(x + dx, y + dy) &&
              qAbs(qGray(page.pixel(x, y)) - qGray(screen.pixel(x + dx, y + dy))) <= 64)
            return true;
      return false;
    };
    int differ = 0;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x) differ += !matches(x, y);
    QVERIFY2(differ < page.width() * page.height() / 200, qPrintable(QString::number(differ)));
  }

  // Leaving asks only when a character would be lost, whichever way the
  // player leaves; "Annuler" keeps the window, "Garder" keeps the character.
  // Which sheets would be lost is the session's to say; here, a rolled one
  // and what the window adds: its files and its roster.
  void leavingAsksOnlyWhenACharacterWouldBeLost_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("kept");
    // clang-format off
    QTest::newRow("rolled, stays") << "rolled" << "QUITTER" << "Annuler" << false << 0;
    QTest::newRow("rolled, left") << "rolled" << "Ctrl+Q" << "Quitter sans garder" << true << 0;
    QTest::newRow("rolled, kept on leaving") << "rolled" << "fermeture" << "Garder" << true << 1;
    QTest::newRow("kept") << "kept" << "QUITTER" << "" << true << 1;
    QTest::newRow("improved after keeping") << "kept improved" << "fermeture" << "Annuler" << false << 1;
    QTest::newRow("saved") << "saved.json" << "Ctrl+Q" << "" << true << 0;
    QTest::newRow("saved as a picture") << "saved.png" << "QUITTER" << "Annuler" << false << 0;
    // clang-format on
  }

  void leavingAsksOnlyWhenACharacterWouldBeLost() {
    QFETCH(QString, before);
    QFETCH(QString, how);
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QFETCH(int, kept);
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());  // the roster of this row alone
    CharacterWindow window(std::make_unique<SeededDice>(5));
    window.randomEntry();
    if (before.startsWith("kept")) QVERIFY(!window.roster().keep(QStringLiteral("Aldo")));
    if (before.endsWith("improved")) window.improvementClick({ImprovementKind::Skill, 3});
    if (before.startsWith("saved")) QCOMPARE(window.saveTo(dir.filePath(before)), std::nullopt);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QStringList asked;
    if (!answer.isEmpty()) pressNext(asked, answer);
    if (how == "QUITTER") QTest::mouseClick(window.findChild<QWidget*>("Command2"), Qt::LeftButton);
    if (how == "Ctrl+Q") QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    if (how == "fermeture") window.close();
    QCOMPARE(asked.size(), answer.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
      QVERIFY2(asked[0].contains(qtText(proposedName(window.sheet()))) && asked[0].contains("perdu"),
               qPrintable(asked[0]));
    QCOMPARE(window.isVisible(), !closed);
    QCOMPARE(window.roster().roster().size(), static_cast<std::size_t>(kept));
  }

  // A sheet that nothing rolled is not kept, and the player is told what to
  // do instead of being asked for a name.
  void aBlankSheetIsNotKept() {
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    CharacterWindow window(std::make_unique<SeededDice>(5));
    QStringList told;
    answerNext<QMessageBox>(told, [](QMessageBox& box) { box.accept(); });
    window.keepCharacter();
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].contains(QString::fromUtf8("tirez d’abord un personnage")), qPrintable(told[0]));
    QCOMPARE(window.roster().roster().size(), 0U);
  }

  void qtTextsInFrench() {
    QVERIFY(useFrenchQtTexts(*qApp));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), "Cop&ier");
    // The file dialogs name a folder's kind in their lists.
    QCOMPARE(QFileIconProvider().type(QFileInfo(QDir::tempPath())), "Dossier");
  }
};

}  // namespace orvandel

QTEST_MAIN(orvandel::KeepingTest)
#include "tst_keeping.moc"

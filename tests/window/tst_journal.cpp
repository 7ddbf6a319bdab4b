// "Journal des jets" in the window: Ctrl+J shows how the sheet on screen was
// made, in the sheet's font; it follows improvement clicks, undo and redo;
// Ctrl+C copies it and Escape closes it. It opens beside the sheet, and the
// window's keys work in it and in the roster.
#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/dice.h"
#include "generation/driver.h"
#include "generation/journal.h"
#include "layout/layout.h"
#include "window/character_window.h"
#include "window/journal_window.h"
#include "window/qt_text.h"
#include "window/roster_window.h"
#include "window/side_window_place.h"
#include "window/zoom.h"

namespace orvandel {
namespace {

QPlainTextEdit* journalText(const CharacterWindow& window) {
  return window.findChild<QPlainTextEdit*>(QStringLiteral("journal_text"));
}

// The journal as the engine writes it for the same dice, one line an entry.
QString expectedLines(std::uint64_t seed) {
  Personnage sheet;
  SeededDice dice(seed);
  Journal journal;
  generateRandom(sheet, dice, &journal);
  QString lines;
  for (const JournalEntry& entry : journal) lines += qtText(journalLine(entry)) + u'\n';
  return lines;
}

// The offscreen platform leaves the focus with the sheet when a window that
// stays above it shows; a desktop's window manager hands it over.
void activate(QWidget* window) {
  window->show();
  QApplication::setActiveWindow(window);
  QVERIFY(QApplication::activeWindow() == window);
}

}  // namespace

class JournalTest : public QObject {
  Q_OBJECT

 private slots:
  void ctrlJShowsTheLastGenerationAndFollowsTheSteps() {
    CharacterWindow window(std::make_unique<SeededDice>(20));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.randomEntry();
    QTest::keyClick(&window, Qt::Key_J, Qt::ControlModifier);
    QPlainTextEdit* text = journalText(window);
    QVERIFY(text && text->isVisible());
    QCOMPARE(text->toPlainText(), expectedLines(20));
    QCOMPARE(text->font().family(), window.font().family());

    const QString generated = text->toPlainText();
    window.improvementClick({ImprovementKind::Skill, 23});
    const QStringList after = text->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(after.size(), generated.count(u'\n') + 1);
    QVERIFY2(after.back().startsWith(QStringLiteral("Amélioration — ")), qPrintable(after.back()));
    const QString clicked = text->toPlainText();

    window.undo();
    QCOMPARE(text->toPlainText(), generated);
    window.redo();
    QCOMPARE(text->toPlainText(), clicked);
    window.randomEntry();
    QVERIFY(!text->toPlainText().contains(after.back()));
  }

  void copiesAndClosesByKeys() {
    CharacterWindow window(std::make_unique<SeededDice>(31));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.randomEntry();
    window.showJournal();
    QPlainTextEdit* text = journalText(window);
    QWidget* journal = text->window();
    activate(journal);
    text->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), expectedLines(31));
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!journal->isVisible());
  }

  void besideTheSheet_data() {
    QTest::addColumn<QRect>("available");
    // clang-format off
    QTest::newRow("1280 x 720") << QRect(0, 0, 1280, 720);
    QTest::newRow("1280 x 720 under a top panel") << QRect(0, 28, 1280, 692);
    QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1080);
    QTest::newRow("1920 x 1080 as a second screen") << QRect(1280, 0, 1920, 1040);
    // clang-format on
  }

  // The sheet where start-up puts it, at the zoom that fits: the journal
  // goes beside it, the sheet moving within the screen to make room.
  void besideTheSheet() {
    QFETCH(QRect, available);
    const QSize frame = zoomedClientSize(fittingZoom(kUsualDecoration, available.size())) + kUsualDecoration;
    const QRect centred(available.center() - QPoint(frame.width() / 2, frame.height() / 2), frame);
    const SidePlacement place =
        placeBesideSheet(centred, available, JournalWindow::kUsualSize + kUsualDecoration,
                         JournalWindow::kSmallestSize + kUsualDecoration);
    const QRect sheet(place.sheetFrame, frame);
    QVERIFY(!place.side.intersects(sheet));
    QVERIFY(available.contains(sheet));
    QVERIFY(available.contains(place.side));
    QVERIFY(place.side.width() >= JournalWindow::kSmallestSize.width());
    QVERIFY(place.side.height() >= JournalWindow::kSmallestSize.height());
  }

  // The window's keys in the journal and the roster; each window's own
  // keys (Ctrl+Z in the roster puts back a removal) stay its own.
  void keepsTheWindowsKeys_data() {
    QTest::addColumn<bool>("inRoster");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("effect");
    // clang-format off
    QTest::newRow("Ctrl+Z in the journal") << false << QKeySequence("Ctrl+Z") << "undone";
    QTest::newRow("Ctrl+Y in the journal") << false << QKeySequence("Ctrl+Y") << "redone";
    QTest::newRow("Ctrl+L in the journal") << false << QKeySequence("Ctrl+L") << "roster shown";
    QTest::newRow("Escape in the journal") << false << QKeySequence("Esc") << "closed";
    QTest::newRow("Ctrl+J in the roster") << true << QKeySequence("Ctrl+J") << "journal shown";
    QTest::newRow("Ctrl+Y in the roster") << true << QKeySequence("Ctrl+Y") << "redone";
    QTest::newRow("Ctrl+Z in the roster") << true << QKeySequence("Ctrl+Z") << "kept";
    QTest::newRow("Escape in the roster") << true << QKeySequence("Esc") << "closed";
    // clang-format on
  }

  void keepsTheWindowsKeys() {
    QFETCH(bool, inRoster);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, effect);
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    CharacterWindow window(std::make_unique<SeededDice>(12));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.randomEntry();
    const Personnage first = window.sheet();
    window.randomEntry();
    const Personnage second = window.sheet();
    if (effect == "redone") window.undo();
    QWidget* other = &window.roster();
    if (inRoster) {
      window.showRoster();
    } else {
      window.showJournal();
      other = journalText(window)->window();
    }
    activate(other);
    QWidget* focus = inRoster ? static_cast<QWidget*>(other->findChild<QAbstractItemView*>())
                              : static_cast<QWidget*>(journalText(window));
    focus->setFocus();
    QTest::keySequence(focus, keys);
    if (effect == "undone") QVERIFY(window.sheet() == first);
    if (effect == "redone") QVERIFY(window.sheet() == second);
    if (effect == "kept") QVERIFY(window.sheet() == second);
    if (effect == "roster shown") QVERIFY(window.roster().isVisible());
    if (effect == "journal shown") QVERIFY(journalText(window) && journalText(window)->isVisible());
    if (effect == "closed") QVERIFY(!other->isVisible());
  }

  void inTheRightClickMenu() {
    CharacterWindow window(std::make_unique<SeededDice>(1));
    QStringList found;
    for (const QAction* action : window.actions())
      if (action->text() == QStringLiteral("Journal des jets…")) found << action->shortcut().toString();
    QCOMPARE(found, QStringList{"Ctrl+J"});
  }
};

}  // namespace orvandel

QTEST_MAIN(orvandel::JournalTest)
#include "tst_journal.moc"

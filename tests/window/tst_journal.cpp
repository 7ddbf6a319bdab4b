// "Journal des jets" in the window: Ctrl+J shows how the sheet on screen was
// made, in the sheet's font; it follows improvement clicks, undo and redo;
// Ctrl+C copies it and Escape closes it.
#include <QAction>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

#include "core/dice.h"
#include "generation/driver.h"
#include "generation/journal.h"
#include "window/character_window.h"
#include "window/qt_text.h"

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
    QVERIFY(QTest::qWaitForWindowActive(journal));
    text->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), expectedLines(31));
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!journal->isVisible());
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

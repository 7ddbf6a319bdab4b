// Stepping back and forth through kept sheets: the order of the steps, the
// redo branch dropped by a new action, and the depth kept.
#include <QtTest>
#include <string>

#include "history/sheet_history.h"

namespace orvandel {
namespace {

Personnage sheetNumber(int n) {
  Personnage sheet;
  sheet.forc = std::to_string(n);
  return sheet;
}

std::string forcOf(const std::optional<Personnage>& sheet) { return sheet ? sheet->forc : "none"; }

}  // namespace

class SheetHistoryTest : public QObject {
  Q_OBJECT

 private slots:
  void stepsBackAndForth() {
    SheetHistory history;
    history.record(sheetNumber(1));
    history.record(sheetNumber(2));
    QCOMPARE(forcOf(history.undo(sheetNumber(3))), "2");
    QCOMPARE(forcOf(history.undo(sheetNumber(2))), "1");
    QCOMPARE(forcOf(history.undo(sheetNumber(1))), "none");
    QCOMPARE(forcOf(history.redo(sheetNumber(1))), "2");
    QCOMPARE(forcOf(history.redo(sheetNumber(2))), "3");
    QCOMPARE(forcOf(history.redo(sheetNumber(3))), "none");
    QCOMPARE(forcOf(history.undo(sheetNumber(3))), "2");
  }

  void newActionDropsRedo() {
    SheetHistory history;
    history.record(sheetNumber(1));
    QCOMPARE(forcOf(history.undo(sheetNumber(2))), "1");
    QVERIFY(history.canRedo());
    history.record(sheetNumber(1));  // a new action from sheet 1
    QVERIFY(!history.canRedo());
    QCOMPARE(forcOf(history.redo(sheetNumber(4))), "none");
    QCOMPARE(forcOf(history.undo(sheetNumber(4))), "1");
    QVERIFY(!history.canUndo());
  }

  void keepsTheLastFifty() {
    SheetHistory history;
    for (int n = 1; n <= 60; ++n) history.record(sheetNumber(n));
    int current = 61;
    while (const auto back = history.undo(sheetNumber(current))) current = std::stoi(back->forc);
    QCOMPARE(current, 11);
    while (const auto forth = history.redo(sheetNumber(current))) current = std::stoi(forth->forc);
    QCOMPARE(current, 61);
  }
};

}  // namespace orvandel

QTEST_APPLESS_MAIN(orvandel::SheetHistoryTest)
#include "tst_sheet_history.moc"

// Stepping back and forth through kept sheets: the order of the steps, the
// redo branch dropped by a new action, and the depth kept.
#include "history/step_history.h"

#include <gtest/gtest.h>

#include <string>

#include "core/sheet.h"

namespace orvandel {
namespace {

Personnage sheetNumber(int n) {
  Personnage sheet;
  sheet.forc = std::to_string(n);
  return sheet;
}

std::string forcOf(const std::optional<Personnage>& sheet) { return sheet ? sheet->forc : "none"; }

TEST(StepHistoryTest, StepsBackAndForthInOrder) {
  StepHistory<Personnage> history;
  history.record(sheetNumber(1));
  history.record(sheetNumber(2));
  EXPECT_EQ(forcOf(history.undo(sheetNumber(3))), "2");
  EXPECT_EQ(forcOf(history.undo(sheetNumber(2))), "1");
  EXPECT_EQ(forcOf(history.undo(sheetNumber(1))), "none");
  EXPECT_EQ(forcOf(history.redo(sheetNumber(1))), "2");
  EXPECT_EQ(forcOf(history.redo(sheetNumber(2))), "3");
  EXPECT_EQ(forcOf(history.redo(sheetNumber(3))), "none");
  EXPECT_EQ(forcOf(history.undo(sheetNumber(3))), "2");
}

TEST(StepHistoryTest, NewActionDropsTheRedoBranch) {
  StepHistory<Personnage> history;
  history.record(sheetNumber(1));
  EXPECT_EQ(forcOf(history.undo(sheetNumber(2))), "1");
  EXPECT_TRUE(history.canRedo());
  history.record(sheetNumber(1));  // a new action from sheet 1
  EXPECT_FALSE(history.canRedo());
  EXPECT_EQ(forcOf(history.redo(sheetNumber(4))), "none");
  EXPECT_EQ(forcOf(history.undo(sheetNumber(4))), "1");
  EXPECT_FALSE(history.canUndo());
}

TEST(StepHistoryTest, KeepsTheLastFifty) {
  StepHistory<Personnage> history;
  for (int n = 1; n <= 60; ++n) history.record(sheetNumber(n));
  int current = 61;
  while (const auto back = history.undo(sheetNumber(current))) current = std::stoi(back->forc);
  EXPECT_EQ(current, 11);
  while (const auto forth = history.redo(sheetNumber(current))) current = std::stoi(forth->forc);
  EXPECT_EQ(current, 61);
}

}  // namespace
}  // namespace orvandel

// "Journal des jets": how the sheet on screen was made, one step of the
// rules a line with the dice rolled for it, in a window beside the sheet
// that stays above it while the player clicks the sheet. Above the lines,
// whether the sheet is what its recipe's dice give, and each box that
// differs. It follows the sheet: undo and redo bring back the journal of
// the sheet they show, and each improvement click adds its line.
#pragma once

#include <QSize>
#include <QWidget>

#include "session/sheet_session.h"

class QLabel;
class QPlainTextEdit;

namespace orvandel {

class JournalWindow : public QWidget {
  Q_OBJECT

 public:
  // The size it opens at, and the least that still reads a line's start.
  static constexpr QSize kUsualSize{720, 480};
  static constexpr QSize kSmallestSize{320, 200};

  // `session` must outlive the window.
  JournalWindow(const SheetSession& session, QWidget* parent = nullptr);

  // Shows the verification and the journal of the sheet the session now
  // holds.
  void refresh();
  // Shows the verification alone, as typing and ticking change the sheet
  // but not its journal, and so leave the journal where the player read it.
  void showVerification();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const SheetSession& session_;
  QLabel* verification_;
  QPlainTextEdit* text_;
};

}  // namespace orvandel

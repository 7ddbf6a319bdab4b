// "Journal des jets": how the sheet on screen was made, one step of the
// rules a line with the dice rolled for it, in a window beside the sheet. It
// follows the sheet: undo and redo bring back the journal of the sheet they
// show, and each improvement click adds its line.
#pragma once

#include <QWidget>

#include "session/sheet_session.h"

class QPlainTextEdit;

namespace orvandel {

class JournalWindow : public QWidget {
  Q_OBJECT

 public:
  // `session` must outlive the window.
  JournalWindow(const SheetSession& session, QWidget* parent = nullptr);

  // Shows the journal of the sheet the session now holds.
  void refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const SheetSession& session_;
  QPlainTextEdit* text_;
};

}  // namespace orvandel

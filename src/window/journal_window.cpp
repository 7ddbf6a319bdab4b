#include "window/journal_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "layout/layout.h"
#include "recipe/verification.h"
#include "window/fonts.h"
#include "window/qt_text.h"
#include "window/screen_reader_names.h"

namespace orvandel {
namespace {

constexpr const char* kTitle = "Journal des jets";
constexpr const char* kEmpty =
    "Aucun jet pour cette fiche : elle vient d’un fichier, ou rien n’a encore été tiré. Cliquez sur le titre "
    "ou appuyez sur Ctrl+N pour tirer un personnage.";
constexpr const char* kVerificationName = "Vérification de la fiche";

}  // namespace

JournalWindow::JournalWindow(const SheetSession& session, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      session_(session),
      verification_(new QLabel(this)),
      text_(new QPlainTextEdit(this)) {
  useSheetRoles();
  setObjectName(QStringLiteral("journal"));
  setWindowTitle(QString::fromUtf8(kTitle));
  verification_->setObjectName(QStringLiteral("journal_verification"));
  verification_->setAccessibleName(QString::fromUtf8(kVerificationName));
  verification_->setTextFormat(Qt::PlainText);
  verification_->setWordWrap(true);
  verification_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  verification_->setFont(sheetFont(kWindowFont));
  verification_->setMargin(verification_->fontMetrics().averageCharWidth());
  text_->setObjectName(QStringLiteral("journal_text"));
  text_->setAccessibleName(QString::fromUtf8(kTitle));
  text_->setReadOnly(true);
  // Read-only, the box still takes the keyboard: arrows scroll, Shift
  // selects, Ctrl+C copies.
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(sheetFont(kWindowFont));
  text_->setPlaceholderText(QString::fromUtf8(kEmpty));
  text_->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(verification_);
  layout->addWidget(text_);

  resize(kUsualSize);
  refresh();
}

void JournalWindow::refresh() {
  showVerification();
  QString lines;
  for (const JournalEntry& entry : session_.journal()) lines += qtText(journalLine(entry)) + u'\n';
  text_->setPlainText(lines);
  text_->moveCursor(QTextCursor::End);
}

void JournalWindow::showVerification() {
  const Personnage& sheet = session_.sheet();
  const QString verification = qtText(verificationText(sheet, verify(sheet)));
  verification_->setText(verification);
  // Screen readers read the label by its name, then this.
  verification_->setAccessibleDescription(verification);
}

// Ctrl+C with nothing selected copies the whole journal, not the sheet: the
// key is the box's before it is any window's shortcut.
bool JournalWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool copy = watched == text_ &&
                    (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
                    static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
  if (!copy) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();
    return true;
  }
  if (text_->textCursor().hasSelection()) return false;
  QGuiApplication::clipboard()->setText(text_->toPlainText());
  return true;
}

}  // namespace orvandel

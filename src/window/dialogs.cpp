#include "window/dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLayout>
#include <QStandardPaths>
#include <algorithm>

namespace orvandel {
namespace {

// The room a title bar gives its icon and its buttons, in lines of text.
constexpr int kTitleBarButtonLines = 8;

QString& lastFolder() {
  static QString folder;
  return folder;
}

}  // namespace

QString dialogFolder() {
  if (!lastFolder().isEmpty()) return lastFolder();
  const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  return (documents.exists() ? documents : QDir::home()).path();
}

QString inDialogFolder(const QString& name) { return QDir(dialogFolder()).filePath(name); }

void rememberDialogFile(const QString& path) { lastFolder() = QFileInfo(path).absolutePath(); }

void showWholeTitle(QDialog& dialog) {
  QFont bold = dialog.font();
  bold.setBold(true);
  const QFontMetrics title(bold);
  const int wanted = title.horizontalAdvance(dialog.windowTitle()) + kTitleBarButtonLines * title.height();
  // A dialog whose layout fixes its size to its contents (an input dialog,
  // which lays itself out when first measured) would take the minimum back;
  // a layout left to its default keeps a minimum set on its widget.
  dialog.sizeHint();
  if (QLayout* layout = dialog.layout()) layout->setSizeConstraint(QLayout::SetDefaultConstraint);
  dialog.setMinimumWidth(std::max(dialog.minimumWidth(), wanted));
}

}  // namespace orvandel

// What the window's dialogs share: the folder that every file dialog opens
// in, and a width that shows a dialog's whole title.
#pragma once

#include <QString>

class QDialog;

namespace orvandel {

// The folder of the file last opened, saved, imported or exported in this
// run, whichever the dialog: the player finds the next file where the last
// one went. The user's documents before the first.
QString dialogFolder();
// `name` in that folder, as a dialog that saves proposes it.
QString inDialogFolder(const QString& name);
// The file just chosen or written; its folder is the next dialog's.
void rememberDialogFile(const QString& path);

// Makes `dialog`, once its title is set, wide enough that a window manager
// shows the title whole beside its buttons: a small dialog's title was cut
// in the middle ("Garder…nnage").
void showWholeTitle(QDialog& dialog);

}  // namespace orvandel

// Qt's own texts (edit-box menus, file and print dialogs) in French, like
// every text of the program.
#pragma once

class QCoreApplication;

namespace orvandel {

// Installs Qt's French catalogue on `app` and makes French the default
// locale. Returns whether the catalogue was found; without it Qt's texts
// stay English and the program works all the same.
bool useFrenchQtTexts(QCoreApplication& app);

}  // namespace orvandel

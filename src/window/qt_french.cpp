#include "window/qt_french.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvandel {
namespace {

// Qt 6 moved the names that the file dialogs give to kinds of files
// ("Folder", "%1 File", "Drive"…) from the dialog's own context to the icon
// provider's, where Qt's French catalogue has none yet: they are looked up
// under the dialog's context, where the catalogue keeps them.
class MovedFileKindNames final : public QTranslator {
 public:
  MovedFileKindNames(const QTranslator& catalogue, QObject* parent)
      : QTranslator(parent), catalogue_(catalogue) {}

  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
    return catalogue_.translate("QFileDialog", source, disambiguation, n);
  }
  bool isEmpty() const override { return false; }

 private:
  const QTranslator& catalogue_;
};

}  // namespace

bool useFrenchQtTexts(QCoreApplication& app) {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  auto* catalogue = new QTranslator(&app);
  if (!catalogue->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete catalogue;
    return false;
  }
  QCoreApplication::installTranslator(new MovedFileKindNames(*catalogue, catalogue));
  return QCoreApplication::installTranslator(catalogue);
}

}  // namespace orvandel

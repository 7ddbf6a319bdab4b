#include "window/gm_paper.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QTextDocument>

#include "sheet_io/gm_page.h"
#include "window/qt_text.h"
#include "window/sheet_paper.h"

namespace orvandel {

QPageLayout gmPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Millimeter);
}

void paintGmPage(const std::vector<KeptCharacter>& characters, QPagedPaintDevice& device) {
  std::vector<NamedSheet> named;
  named.reserve(characters.size());
  for (const KeptCharacter& character : characters) named.push_back({character.name, character.sheet});
  QTextDocument page;
  page.setHtml(qtText(gmPageHtml(named)));
  device.setPageLayout(gmPageLayout());
  page.print(&device);
}

std::optional<QString> printGmPage(QWidget& parent, const std::vector<KeptCharacter>& characters,
                                   const QString& name) {
  return printThroughDialog(
      parent, QString::fromUtf8(kPrintGmPage).chopped(1), name,
      [&](QPrinter& printer) {
        paintGmPage(characters, printer);
        return printer.printerState() != QPrinter::Error;
      },
      gmPageLayout());
}

}  // namespace orvandel

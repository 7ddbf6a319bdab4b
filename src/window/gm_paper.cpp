#include "window/gm_paper.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QTextDocument>

#include "sheet_io/gm_page.h"
#include "window/qt_text.h"

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

}  // namespace orvandel

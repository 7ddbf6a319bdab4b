#include "window/screen_reader_names.h"

#include "core/sheet_fields.h"
#include "layout/spoken_names.h"
#include "window/qt_text.h"

namespace orvandel {

ScreenReaderNames::ScreenReaderNames(const SheetView& view, const Personnage& sheet) : sheet_(sheet) {
  for (const auto& [w, row] : view.placed()) {
    if (std::string source = spokenNameSource(row->name); !source.empty())
      namedBySheet_.push_back({w, row, std::move(source), {}});
    if (const std::string name = spokenName(*row, sheet); !name.empty()) w->setAccessibleName(qtText(name));
    if (const std::string tip = selectorTip(row->name); !tip.empty()) w->setToolTip(qtText(tip));
  }
  refresh();
}

// Only the names whose source changed are set again, so that a refresh
// costs what it did before screen readers were named.
void ScreenReaderNames::refresh() {
  for (NamedBySheet& named : namedBySheet_) {
    const std::string_view source = fieldText(sheet_, named.source);
    if (source == named.sourceText) continue;
    named.sourceText = source;
    named.widget->setAccessibleName(qtText(spokenName(*named.row, sheet_)));
  }
}

}  // namespace orvandel

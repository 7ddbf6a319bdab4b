#include "window/sheet_files.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QStringList>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "layout/layout.h"
#include "sheet_io/sheet_formats.h"
#include "sheet_io/sheet_reasons.h"
#include "window/fonts.h"
#include "window/qt_text.h"
#include "window/zoom.h"

namespace orvandel {
namespace {

// The file's name as the player knows it, for messages.
QString shownName(const QString& path) { return QStringLiteral("« %1 »").arg(QFileInfo(path).fileName()); }

bool writeText(const SheetFormat& format, const Personnage& sheet, QIODevice& out) {
  const std::string text = format.write(sheet);
  return out.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

bool writePng(QWidget& window, QIODevice& out) { return window.grab().save(&out, "PNG"); }

bool writePdf(QWidget& window, QIODevice& out) {
  QPdfWriter pdf(&out);
  pdf.setPageLayout(sheetPageLayout());
  pdf.setCreator(QStringLiteral("Orvandel"));
  pdf.setTitle(window.windowTitle());
  return paintSheet(window, pdf);
}

// The forms only the window can write: pictures of itself. The sheet's own
// written forms come first, from their table.
struct PictureForm {
  const char* suffix;
  const char* label;
  bool (*write)(QWidget& window, QIODevice& out);
};
constexpr auto kPictureForms = std::to_array<PictureForm>({
    {"png", "Image PNG", writePng},
    {"pdf", "Document PDF", writePdf},
});

QString filter(std::string_view label, std::string_view suffix) {
  return QStringLiteral("%1 (*.%2)").arg(qtText(label), qtText(suffix));
}

// ".json (Fiche Orvandel), .txt (Fiche en texte), .png (Image PNG) ou .pdf (Document PDF)"
QString suffixList() {
  QStringList suffixes;
  for (const SheetFormat& f : sheetFormats())
    suffixes << QStringLiteral(".%1 (%2)").arg(qtText(f.suffix), qtText(f.label));
  for (const PictureForm& f : kPictureForms)
    suffixes << QStringLiteral(".%1 (%2)").arg(QLatin1String(f.suffix), QString::fromUtf8(f.label));
  const QString last = suffixes.takeLast();
  return suffixes.join(QStringLiteral(", ")) + QStringLiteral(" ou ") + last;
}

// What writes the form `suffix` names; nothing when no form has it.
std::optional<std::function<bool(QIODevice&)>> writerFor(const QString& suffix, QWidget& window,
                                                         const Personnage& sheet) {
  for (const SheetFormat& f : sheetFormats())
    if (suffix == qtText(f.suffix)) return [&f, &sheet](QIODevice& out) { return writeText(f, sheet, out); };
  for (const PictureForm& f : kPictureForms)
    if (suffix == QLatin1String(f.suffix))
      return [&f, &window](QIODevice& out) { return f.write(window, out); };
  return std::nullopt;
}

// The frame as paper shows it: its background and border, without the
// caption that the title picture covers on screen.
void drawFrame(QPainter& painter, QGroupBox& frame, QPoint at) {
  painter.translate(at);
  painter.fillRect(frame.rect(), frame.palette().window());
  QStyleOptionGroupBox option;
  option.initFrom(&frame);
  option.subControls = QStyle::SC_GroupBoxFrame;
  option.lineWidth = 1;
  frame.style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, &frame);
}

// The artwork of a picture control as vectors, recorded by the build at the
// size of its box at 100 %; nothing for other controls.
std::optional<QPicture> vectorsOf(const QWidget& w) {
  const ControlRow* row = layoutRow(w.objectName().toStdString());
  if (!row || !row->picture) return std::nullopt;
  QString path = QString::fromUtf8(row->picture);
  path.replace(path.lastIndexOf(u'.'), path.size(), QStringLiteral(".pic"));
  QPicture vectors;
  if (!vectors.load(path)) return std::nullopt;
  return vectors;
}

// Draws `w` and then its children, bottom to top, each clipped to its
// parents as on screen: on paper Qt leaves the clipping of a child to its
// parent undone, and the separator lines would run past the frame. The
// buttons are the window's, not the sheet's: paper leaves them out; the
// pictures go as vectors.
void record(QPainter& painter, QWidget& window, QWidget& w, const QRect& clip) {
  if (qobject_cast<QPushButton*>(&w)) return;
  const QPoint at = w.mapTo(&window, QPoint(0, 0));
  const QRect shown = clip & QRect(at, &w == &window ? clip.size() : w.size());
  if (shown.isEmpty()) return;
  painter.save();
  painter.setClipRect(shown);
  if (&w == &window) {
    painter.fillRect(shown, window.palette().window());
  } else if (auto* frame = qobject_cast<QGroupBox*>(&w)) {
    drawFrame(painter, *frame, at);
  } else if (const auto vectors = vectorsOf(w)) {
    painter.drawPicture(at, *vectors);
  } else {  // only the widgets that fill their background on screen cover
            // what lies beneath them
    w.render(&painter, at, QRegion(), QWidget::RenderFlags());
  }
  painter.restore();
  for (QObject* child : w.children())
    if (auto* c = qobject_cast<QWidget*>(child); c && !c->isWindow() && c->isVisibleTo(&w))
      record(painter, window, *c, shown);
}

// The sheet laid out at its own size while paper records it, whatever the
// zoom on screen: every control at its place and font at 100 %, put back
// afterwards. Fonts go to paper by their size in points, which the recorded
// drawing keeps through any printer's resolution.
class LaidOutAtActualSize {
 public:
  explicit LaidOutAtActualSize(QWidget& window) {
    QHash<QString, QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>()) controls.insert(w->objectName(), w);
    for (const ControlRow& row : characterWindowLayout()) {
      QWidget* w = controls.value(qtText(row.name));
      if (!w) continue;
      kept_.push_back({w, w->geometry(), w->font()});
      w->setGeometry(zoomedRect(row.place, 1.0));
      QFont font = sheetFont(row.look.font);
      font.setPointSizeF(font.pixelSize() * kPointsPerPixel);
      w->setFont(font);
    }
  }
  ~LaidOutAtActualSize() {
    for (const Kept& k : kept_) {
      k.widget->setGeometry(k.place);
      k.widget->setFont(k.font);
    }
  }
  LaidOutAtActualSize(const LaidOutAtActualSize&) = delete;
  LaidOutAtActualSize& operator=(const LaidOutAtActualSize&) = delete;

 private:
  static constexpr double kPointsPerPixel = 72.0 / 96.0;
  struct Kept {
    QWidget* widget;
    QRect place;
    QFont font;
  };
  std::vector<Kept> kept_;
};

}  // namespace

FileError saveSheet(QWidget& window, const Personnage& sheet, const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  const auto write = writerFor(suffix, window, sheet);
  if (!write)
    return QString::fromUtf8("Le nom %1 ne dit pas quoi enregistrer : terminez-le par %2.")
        .arg(shownName(path), suffixList());
  // The whole file is made in memory (a sheet, a picture or a page: a few
  // hundred kilobytes) and written in one unbuffered call, so that a write
  // cut short by a full disk is seen before the old file is replaced;
  // through Qt's buffer, or in a writer's many small writes, it is not.
  QBuffer made;
  made.open(QIODevice::WriteOnly);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return QString::fromUtf8(
               "Impossible de créer %1 : le dossier n’existe pas ou vous n’avez pas le droit "
               "d’y écrire.")
        .arg(shownName(path));
  if (!(*write)(made) || file.write(made.data()) != made.size() || !file.commit())
    return QString::fromUtf8("L’écriture de %1 a échoué (disque plein ?). Le fichier n’a pas été modifié.")
        .arg(shownName(path));
  return std::nullopt;
}

QString saveFilters() {
  QStringList filters;
  for (const SheetFormat& f : sheetFormats()) filters << filter(f.label, f.suffix);
  for (const PictureForm& f : kPictureForms) filters << filter(f.label, f.suffix);
  return filters.join(QStringLiteral(";;"));
}

QString openFilters() {
  const SheetFormat& json = sheetFormats().front();
  return filter(json.label, json.suffix) + QString::fromUtf8(";;Tous les fichiers (*)");
}

std::variant<std::string, QString> readFileText(const QString& path, std::size_t largest) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return QString::fromUtf8(
               "Impossible de lire %1 : le fichier n’existe pas ou vous n’avez pas le droit "
               "de le lire.")
        .arg(shownName(path));
  return file.read(static_cast<qint64>(largest) + 1).toStdString();
}

std::variant<std::string, QString> readSheetText(const QString& path) {
  return readFileText(path, kLargestSheet);
}

QString notASheet(const QString& path, const std::string& reason) {
  return QString::fromUtf8("%1 n’est pas une fiche : %2").arg(shownName(path), qtText(reason));
}

QPageLayout sheetPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Millimeter);
}

bool paintSheet(QWidget& window, QPaintDevice& device) {
  // Widgets drawn straight onto a printer come out as one bitmap; recorded
  // first, they stay lines and text on paper as in the PDF.
  QPicture picture;
  const QRect sheet(QPoint(0, 0), zoomedClientSize(1.0));
  {
    const LaidOutAtActualSize actualSize(window);
    QPainter recorder(&picture);
    record(recorder, window, window, sheet);
  }
  const QSizeF page(device.width(), device.height());
  const qreal scale = std::min(page.width() / sheet.width(), page.height() / sheet.height());
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.translate((page.width() - sheet.width() * scale) / 2, (page.height() - sheet.height() * scale) / 2);
  // Playing a picture scales it by the device's resolution over the
  // picture's; the scale above already holds it.
  painter.scale(scale * picture.logicalDpiX() / device.logicalDpiX(),
                scale * picture.logicalDpiY() / device.logicalDpiY());
  painter.drawPicture(0, 0, picture);
  return painter.end();
}

}  // namespace orvandel

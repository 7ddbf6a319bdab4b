#include "window/sheet_paper.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "layout/layout.h"
#include "window/fonts.h"
#include "window/qt_text.h"
#include "window/sheet_view.h"
#include "window/status_line.h"
#include "window/zoom.h"

namespace orvandel {
namespace {

// The name above a roster's sheet: a heading, and a blank line's worth of
// it before the sheet.
constexpr qreal kHeadingPoints = 14;
constexpr qreal kHeadingLines = 1.5;

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
// buttons and the status line are the window's, not the sheet's: paper
// leaves them out; the pictures go as vectors.
void record(QPainter& painter, QWidget& window, QWidget& w, const QRect& clip) {
  if (qobject_cast<QPushButton*>(&w) || qobject_cast<StatusLine*>(&w)) return;
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

// Widgets drawn straight onto a printer come out as one bitmap; recorded
// first, they stay lines and text on paper as in the PDF.
QPicture recorded(QWidget& window) {
  QPicture picture;
  const LaidOutAtActualSize actualSize(window);
  QPainter recorder(&picture);
  record(recorder, window, window, QRect(QPoint(0, 0), zoomedClientSize(1.0)));
  return picture;
}

// The page of `device`, in its own units.
QRectF pageOf(const QPaintDevice& device) { return QRectF(0, 0, device.width(), device.height()); }

// Plays `picture` in `area` of the page of `device` that `painter` paints,
// as large as the area holds it, centred.
void playCentred(QPainter& painter, const QPicture& picture, const QPaintDevice& device, const QRectF& area) {
  const QSizeF sheet = zoomedClientSize(1.0);
  const qreal scale = std::min(area.width() / sheet.width(), area.height() / sheet.height());
  painter.save();
  painter.translate(area.left() + (area.width() - sheet.width() * scale) / 2,
                    area.top() + (area.height() - sheet.height() * scale) / 2);
  // Playing a picture scales it by the device's resolution over the
  // picture's; the scale above already holds it.
  painter.scale(scale * picture.logicalDpiX() / device.logicalDpiX(),
                scale * picture.logicalDpiY() / device.logicalDpiY());
  painter.drawPicture(0, 0, picture);
  painter.restore();
}

// Writes `name` at the top of the page of `device`, in the sheet's letters;
// what is left of the page below it.
QRectF headed(QPainter& painter, const QString& name, const QPaintDevice& device) {
  QFont font = sheetFont(kWindowFont);
  font.setPointSizeF(kHeadingPoints);
  font.setBold(true);
  const QFontMetricsF metrics(font, &device);
  const QRectF page = pageOf(device);
  const QRectF heading(page.topLeft(), QSizeF(page.width(), metrics.height() * kHeadingLines));
  painter.save();
  painter.setFont(font);
  painter.drawText(heading, Qt::AlignLeft | Qt::AlignTop,
                   metrics.elidedText(name, Qt::ElideRight, page.width()));
  painter.restore();
  return page.adjusted(0, heading.height(), 0, 0);
}

// A sheet of the window's making that nobody sees: the characters of a
// roster go to paper through it, one after the other, while the window
// keeps the sheet on screen.
class OffscreenSheet {
 public:
  OffscreenSheet() {
    surface_.setFixedSize(zoomedClientSize(1.0));
    view_ = new SheetView(surface_, shown_);  // owned by the surface
  }

  QPicture recorded(const Personnage& sheet) {
    shown_ = sheet;
    view_->show();
    return orvandel::recorded(surface_);
  }

 private:
  Personnage shown_;
  QWidget surface_;
  SheetView* view_ = nullptr;
};

}  // namespace

QPageLayout sheetPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Millimeter);
}

bool paintSheet(QWidget& window, QPaintDevice& device) {
  const QPicture picture = recorded(window);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  playCentred(painter, picture, device, pageOf(device));
  return painter.end();
}

bool paintSheets(const std::vector<KeptCharacter>& characters, QPagedPaintDevice& device) {
  OffscreenSheet paper;
  QPainter painter;
  if (!painter.begin(&device)) return false;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    const QRectF below = headed(painter, qtText(characters[i].name), device);
    playCentred(painter, paper.recorded(characters[i].sheet), device, below);
  }
  return painter.end();
}

std::optional<QString> printThroughDialog(QWidget& parent, const QString& title, const QString& job,
                                          const std::function<bool(QPrinter&)>& paint,
                                          const QPageLayout& page) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(page);
  printer.setDocName(job);
  QPrintDialog dialog(&printer, &parent);
  dialog.setWindowTitle(title);
  if (dialog.exec() != QDialog::Accepted || paint(printer)) return std::nullopt;
  return QString::fromUtf8("L’impression n’a pas pu commencer : vérifiez l’imprimante choisie.");
}

}  // namespace orvandel

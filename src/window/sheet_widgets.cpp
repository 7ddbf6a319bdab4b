#include "window/sheet_widgets.h"

#include <qdrawutil.h>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPen>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QResource>
#include <QStyleOption>
#include <QStyleOptionComplex>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "layout/control_catalogue.h"
#include "sheet_io/sheet_reasons.h"
#include "window/fonts.h"
#include "window/picture_set.h"
#include "window/qt_text.h"
#include "window/sign_caption.h"
#include "window/zoom.h"

namespace orvandel {
namespace {

constexpr int kCursorSize = 32;
constexpr int kSelectorIndicator = 9;

class SheetStyle final : public QProxyStyle {
 public:
  // The frame's border runs through the middle of its caption line, so that
  // it hugs the sheet.
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* w) const override {
    if (control == CC_GroupBox && sub == SC_GroupBoxFrame)
      return option->rect.adjusted(0, option->fontMetrics.height() / 2, 0, 0);
    return QProxyStyle::subControlRect(control, option, sub, w);
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* w) const override {
    if (element != PE_FrameGroupBox) return QProxyStyle::drawPrimitive(element, option, painter, w);
    qDrawShadeRect(painter, option->rect, option->palette, true, 1);
  }

  // The multi-line boxes show the keyboard focus as the single-line ones do:
  // their border in the highlight colour.
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* w) const override {
    QProxyStyle::drawControl(element, option, painter, w);
    if (element != CE_ShapedFrame || !(option->state & State_HasFocus)) return;
    painter->save();
    painter->setPen(option->palette.color(QPalette::Highlight));
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
  }

  // A selector's box fills its control's width: 9 pixels at 100 %.
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* w) const override {
    if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight)
      return w ? std::min(w->width(), w->height()) : kSelectorIndicator;
    return QProxyStyle::pixelMetric(metric, option, w);
  }
};

}  // namespace

QSize clientPixelSize() { return zoomedClientSize(1.0); }

namespace {

QColor colour(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

Qt::Alignment alignment(const Look& look, Qt::Alignment vertical) {
  return (look.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | vertical;
}

// Ink and paper go into the palette roles that the widget's kind draws with.
void paint(QWidget* w, const Look& look, QPalette::ColorRole inkRole, QPalette::ColorRole paperRole) {
  if (!look.ink && !look.paper) return;
  QPalette palette = w->palette();
  if (look.ink) palette.setColor(inkRole, colour(*look.ink));
  if (look.paper) palette.setColor(paperRole, colour(*look.paper));
  w->setPalette(palette);
}

// The frame is opaque: the side strips show only outside it.
QWidget* makeFrame(const ControlRow& row, QWidget* parent, QStyle* style) {
  auto* frame = new SheetFrame(qtText(row.caption), parent);
  frame->setAutoFillBackground(true);
  frame->setStyle(style);
  return frame;
}

// Captions are opaque: they cover the frame's border where they cross it.
QWidget* makeCaption(const ControlRow& row, QWidget* parent) {
  const QString caption = qtText(row.caption);
  auto* label = isDrawnSign(caption) ? new SignCaption(caption, parent) : new QLabel(caption, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(alignment(row.look, Qt::AlignTop));
  label->setAutoFillBackground(true);
  paint(label, row.look, QPalette::WindowText, QPalette::Window);
  return label;
}

// Whether a press on the control does something, which makes it a button
// for screen readers.
bool isPressed(const ControlRow& row) {
  const CatalogueEntry* entry = catalogueEntry(row.name);
  return entry && entry->press != PressAction::Nothing;
}

QWidget* makeField(const ControlRow& row, QWidget* parent) {
  auto* edit = isPressed(row) ? new PressedValue(parent) : new QLineEdit(parent);
  edit->setReadOnly(!row.look.editable);
  edit->setMaxLength(static_cast<int>(kLongestBoxText));
  edit->setAlignment(alignment(row.look, Qt::AlignVCenter));
  paint(edit, row.look, QPalette::Text, QPalette::Base);
  return edit;
}

// Typing or pasting stops where a box is full, as in a single-line box, so
// that every sheet the window saves opens again.
void keepWithinABox(QPlainTextEdit* edit) {
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
    const int limit = static_cast<int>(kLongestBoxText);
    QTextDocument* text = edit->document();
    if (text->characterCount() - 1 <= limit) return;  // the count holds the closing paragraph mark
    QTextCursor excess(text);
    excess.setPosition(limit);
    excess.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    excess.removeSelectedText();
  });
}

QWidget* makeMultiLine(const ControlRow& row, QWidget* parent, QStyle* style) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setStyle(style);
  edit->setReadOnly(!row.look.editable);
  edit->setTabChangesFocus(true);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QTextOption option = edit->document()->defaultTextOption();
  option.setAlignment(alignment(row.look, {}));
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  edit->document()->setDefaultTextOption(option);
  edit->document()->setDocumentMargin(1);
  paint(edit, row.look, QPalette::Text, QPalette::Base);
  keepWithinABox(edit);
  return edit;
}

QWidget* makeSelector(QWidget* parent, QStyle* style) {
  auto* box = new QCheckBox(parent);
  box->setStyle(style);
  return box;
}

QWidget* makeButton(const ControlRow& row, QWidget* parent) {
  auto* button = new QPushButton(qtText(row.caption), parent);
  paint(button, row.look, QPalette::ButtonText, QPalette::Button);
  return button;
}

QWidget* makePicture(const ControlRow& row, QWidget* parent) {
  return isPressed(row) ? new PressedPicture(parent) : new QLabel(parent);
}

QWidget* makeLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Plain);
  line->setLineWidth(1);
  return line;
}

QWidget* makeBare(const ControlRow& row, QWidget* parent, QStyle* sheetStyle) {
  switch (row.kind) {
    case ControlKind::Frame:
      return makeFrame(row, parent, sheetStyle);
    case ControlKind::Caption:
      return makeCaption(row, parent);
    case ControlKind::Field:
      return makeField(row, parent);
    case ControlKind::MultiLine:
      return makeMultiLine(row, parent, sheetStyle);
    case ControlKind::Selector:
      return makeSelector(parent, sheetStyle);
    case ControlKind::Button:
      return makeButton(row, parent);
    case ControlKind::Picture:
      return makePicture(row, parent);
    case ControlKind::Line:
      break;
  }
  return makeLine(parent);
}

Qt::FocusPolicy focusPolicy(Focus focus) {
  switch (focus) {
    case Focus::Tab:
      return Qt::StrongFocus;
    case Focus::Click:
      return Qt::ClickFocus;
    case Focus::None:
      break;
  }
  return Qt::NoFocus;
}

}  // namespace

void SheetFrame::initStyleOption(QStyleOptionGroupBox* option) const {
  QGroupBox::initStyleOption(option);
  option->text = caption_;
  option->subControls |= QStyle::SC_GroupBoxLabel;
}

void PressedPicture::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // Two pixels wide, as a one-pixel line in the highlight colour is lost in
  // the picture's own gold border.
  constexpr int kFocusWidth = 2;
  QPainter painter(this);
  painter.setPen(
      QPen(palette().color(QPalette::Highlight), kFocusWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

QStyle* makeSheetStyle(QObject* owner) {
  auto* style = new SheetStyle;
  style->setParent(owner);
  return style;
}

QWidget* makeSheetWidget(const ControlRow& row, QWidget* parent, QStyle* sheetStyle, double zoom) {
  QWidget* w = makeBare(row, parent, sheetStyle);
  w->setObjectName(qtText(row.name));
  w->setFocusPolicy(focusPolicy(catalogueEntry(row.name)->focus));
  if (row.tooltip) w->setToolTip(QString::fromUtf8(row.tooltip));
  placeSheetWidget(w, row, zoom);
  return w;
}

void placeSheetWidget(QWidget* w, const ControlRow& row, double zoom) {
  const QRect place = zoomedRect(row.place, zoom);
  w->setGeometry(place);
  w->setFont(sheetFont(row.look.font, zoom));
  if (row.picture) qobject_cast<QLabel*>(w)->setPixmap(renderArtwork(row.picture, place.size()));
}

namespace {

// The stored pictures of a piece: read in place, as the build keeps them
// uncompressed.
QByteArray storedPictures(const char* resource) {
  return QResource(QString::fromUtf8(resource)).uncompressedData();
}

}  // namespace

QPixmap renderArtwork(const char* resource, QSize size) {
  // The build stores each piece at every size the window opens at, and at
  // twice 100 % for HiDPI screens; only other zooms and scale factors need
  // scaling here.
  const qreal ratio = qApp->devicePixelRatio();
  QPixmap pixmap = QPixmap::fromImage(unpackPicture(storedPictures(resource), size * ratio));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

QIcon artworkIcon(const char* resource) {
  QIcon icon;
  for (const QImage& picture : unpackPictures(storedPictures(resource)))
    icon.addPixmap(QPixmap::fromImage(picture));
  return icon;
}

QCursor artworkCursor(const CursorArt& art, double zoom) {
  const int size = static_cast<int>(std::lround(kCursorSize * zoom));
  return QCursor(renderArtwork(art.picture, QSize(size, size)),
                 static_cast<int>(std::lround(art.hotX * zoom)),
                 static_cast<int>(std::lround(art.hotY * zoom)));
}

}  // namespace orvandel

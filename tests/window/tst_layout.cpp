// Every control of the character window as the player meets it: its name,
// kind, parent, place in pixels, font, colours and caption, against a record reviewed once
// (golden/layout.tsv). A misplaced, misnamed, missing or extra control shows
// as a changed line; ORVANDEL_APPROVE=1 rewrites the record from today's
// window, and the diff is what a reviewer reads.
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/dice.h"
#include "layout/control_catalogue.h"
#include "window/character_window.h"
#include "window/sheet_widgets.h"

namespace orvandel {
namespace {

QString captionOf(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QPushButton*>(w)) return button->text();
  if (auto* frame = qobject_cast<SheetFrame*>(w)) return frame->caption();
  return {};
}

// "picture" for a label showing artwork, otherwise the widget's class.
QString kindOf(QWidget* w) {
  auto* label = qobject_cast<QLabel*>(w);
  if (label && !label->pixmap().isNull()) return QStringLiteral("picture");
  // The Qt widget it is, under the program's own subclasses.
  const QMetaObject* kind = w->metaObject();
  while (!QByteArray(kind->className()).startsWith('Q')) kind = kind->superClass();
  return kind->className();
}

// The colour roles a widget paints its text and its background with: a
// scroll area (the multi-line boxes) paints in its viewport.
std::pair<QPalette::ColorRole, QPalette::ColorRole> paintRoles(QWidget* w) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
    return {area->viewport()->foregroundRole(), area->viewport()->backgroundRole()};
  return {w->foregroundRole(), w->backgroundRole()};
}

// "13px bold underline ink #ff0000 paper #ffffff"
QString lookOf(QWidget* w) {
  const QFont& font = w->font();
  QString look = QString::number(font.pixelSize()) + QStringLiteral("px");
  if (font.bold()) look += QStringLiteral(" bold");
  if (font.underline()) look += QStringLiteral(" underline");
  const auto [ink, paper] = paintRoles(w);
  return look + QStringLiteral(" ink %1 paper %2")
                    .arg(w->palette().color(ink).name(), w->palette().color(paper).name());
}

// One line per named control, sorted by name.
QStringList recordedControls(QWidget& window) {
  QStringList lines;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
    const QRect r = w->geometry();
    lines << QStringLiteral("%1\t%2\t%3\t%4,%5 %6x%7\t%8\t%9")
                 .arg(w->objectName(), kindOf(w), w->parentWidget()->objectName())
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height())
                 .arg(lookOf(w), captionOf(w));
  }
  lines.sort();
  return lines;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { window_ = std::make_unique<CharacterWindow>(std::make_unique<SeededDice>(1)); }

  // The window is the layout's client area, at its size in pixels.
  void window() {
    QCOMPARE(window_->objectName(), QString::fromUtf8(kClientArea));
    QCOMPARE(window_->windowTitle(), QString::fromUtf8(kWindowTitle));
    QCOMPARE(window_->size(), QSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips)));
  }

  // Each control is the one widget its catalogue entry calls for: a box or
  // picture that a press acts on is a widget of its own class (a button to
  // screen readers), the keyboard reaches it as catalogued, in the frame or
  // the window as the layout puts it, with the layout's tooltip.
  void widgetsFollowTheCatalogue() {
    for (const CatalogueEntry& entry : controlCatalogue()) {
      const ControlRow& row = *entry.row;
      const QString name = QString::fromStdString(row.name);
      QWidget* w = control(name);
      if (!w) QFAIL(qPrintable(name + " is not one widget"));
      const bool pressedClass = qobject_cast<PressedValue*>(w) || qobject_cast<PressedPicture*>(w);
      const bool pressable = row.kind == ControlKind::Field || row.kind == ControlKind::Picture;
      QVERIFY2(pressedClass == (pressable && entry.press != PressAction::Nothing), qPrintable(name));
      // Tab reaches what the player changes or presses; a click also reaches the read-only boxes.
      QVERIFY2(bool(w->focusPolicy() & Qt::TabFocus) == (entry.focus == Focus::Tab), qPrintable(name));
      QVERIFY2(bool(w->focusPolicy() & Qt::ClickFocus) == (entry.focus != Focus::None), qPrintable(name));
      const QString parent = row.container == Container::Frame ? kSheetFrame : kClientArea;
      QVERIFY2(w->parentWidget()->objectName() == parent, qPrintable(name));
      if (row.tooltip) QCOMPARE(w->toolTip(), QString::fromUtf8(row.tooltip));
    }
  }

  void controls() {
    const QStringList shown = recordedControls(*window_);
    QFile record(QStringLiteral(ORVANDEL_LAYOUT_RECORD));
    if (qEnvironmentVariableIsSet("ORVANDEL_APPROVE")) {
      QVERIFY(record.open(QIODevice::WriteOnly | QIODevice::Truncate));
      record.write(shown.join('\n').toUtf8() + '\n');
      return;
    }
    QVERIFY(record.open(QIODevice::ReadOnly));
    const QStringList recorded = QString::fromUtf8(record.readAll()).split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < std::min(shown.size(), recorded.size()); ++i) QCOMPARE(shown[i], recorded[i]);
    QCOMPARE(shown.size(), recorded.size());
  }

  void fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    // clang-format off
    QTest::newRow("Tahoma") << "forc" << "Tahoma";
    QTest::newRow("window font") << "Label37" << "Tahoma";
    QTest::newRow("Comic Sans MS look-alike") << "des_comp" << "Comic Neue";
    // clang-format on
  }

  void fonts() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    const QString expected = QFontDatabase::families().contains(family) ? family : QString("DejaVu Sans");
    QCOMPARE(QFontInfo(control(name)->font()).family(), expected);
  }

 private:
  QWidget* control(const QString& name) const {
    const auto found = window_->findChildren<QWidget*>(name);
    return found.size() == 1 ? found.front() : nullptr;
  }

  std::unique_ptr<CharacterWindow> window_;
};

}  // namespace orvandel

QTEST_MAIN(orvandel::LayoutTest)
#include "tst_layout.moc"

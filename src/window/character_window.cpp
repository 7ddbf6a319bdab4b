#include "window/character_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "core/sheet_fields.h"
#include "generation/driver.h"
#include "window/fonts.h"
#include "window/layout.h"
#include "window/sheet_widgets.h"

// The artwork lives in a static library: its resources must be pulled in by
// name, from the global namespace.
static void initArtwork() { Q_INIT_RESOURCE(artwork); }

namespace orvandel {
namespace {

constexpr const char* kIcon = ":/artwork/icon.png";

constexpr CursorArt kSheetCursor{":/artwork/cursor_sheet.png", 12, 1};
constexpr CursorArt kTitleCursor{":/artwork/cursor_title.png", 6, 0};

constexpr const char* kMessageTitle = "Orvandel";

// The blue boxes in reading order, each followed by its selector.
struct TabStop {
  const char* box;
  const char* selector;
};
constexpr auto kTabStops = std::to_array<TabStop>({
    {"forc", "des_ok(0)"},
    {"con", "des_ok(1)"},
    {"tai", "des_ok(2)"},
    {"dex", "des_ok(3)"},
    {"intl", "des_ok(4)"},
    {"pou", "des_ok(5)"},
    {"cha", "des_ok(6)"},
    {"nationalite", "des_ok(14)"},
    {"profession", "des_ok(15)"},
    {"age", "des_ok(16)"},
});

QString text(const std::string& s) { return QString::fromStdString(s); }

void display(QLabel* w, const QString& s) { w->setText(s); }
void display(QLineEdit* w, const QString& s) {
  w->setText(s);
  w->setCursorPosition(0);
}
void display(QPlainTextEdit* w, const QString& s) { w->setPlainText(s); }

}  // namespace

CharacterWindow::CharacterWindow(std::unique_ptr<Dice> dice, QWidget* parent)
    : QWidget(parent), dice_(std::move(dice)) {
  initArtwork();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  setWindowIcon(QIcon(QString::fromUtf8(kIcon)));
  setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
  setFont(sheetFont(kWindowFont));
  setCursor(artworkCursor(kSheetCursor));

  const auto& layout = characterWindowLayout();
  QStyle* style = makeSheetStyle(this);
  QWidget* frame = nullptr;
  for (const auto& row : layout) {
    QWidget* w = makeSheetWidget(row, row.container == Container::Frame ? frame : this, style);
    if (row.kind == ControlKind::Frame) frame = w;
    widgets_.insert(text(row.name), w);
    bind(row, w);
    if (const auto target = improvementTarget(row.name)) {
      clickTargets_.insert(w, *target);
      w->installEventFilter(this);
    }
  }
  for (const auto& row : layout)
    if (standsAbove(row.kind)) widgets_.value(text(row.name))->raise();
  for (std::size_t i = 0; i < texts_.size(); ++i) listenToTyping(i);
  for (std::size_t i = 0; i < ticks_.size(); ++i) listenToTicks(i);
  wireActions();
  orderTabs();
  showSheet();
}

CharacterWindow::~CharacterWindow() = default;

void CharacterWindow::bind(const ControlRow& row, QWidget* w) {
  const auto field = findField(sheet_, row.name);
  if (!field) return;
  if (auto* const* tick = std::get_if<bool*>(&*field)) {
    ticks_.push_back({qobject_cast<QCheckBox*>(w), *tick});
    return;
  }
  std::string* value = std::get<std::string*>(*field);
  if (auto* label = qobject_cast<QLabel*>(w))
    texts_.push_back({label, value, {}});
  else if (auto* line = qobject_cast<QLineEdit*>(w))
    texts_.push_back({line, value, {}});
  else
    texts_.push_back({qobject_cast<QPlainTextEdit*>(w), value, {}});
}

void CharacterWindow::listenToTyping(std::size_t i) {
  auto keep = [this, i](const QString& typed) {
    texts_[i].shown = typed.toStdString();
    *texts_[i].field = texts_[i].shown;
  };
  const auto& w = texts_[i].widget;
  if (auto* const* line = std::get_if<QLineEdit*>(&w)) {
    connect(*line, &QLineEdit::textEdited, this, keep);
  } else if (auto* const* multi = std::get_if<QPlainTextEdit*>(&w)) {
    QPlainTextEdit* edit = *multi;
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, keep] {
      if (!showing_) keep(edit->toPlainText());
    });
  }
}

void CharacterWindow::listenToTicks(std::size_t i) {
  connect(ticks_[i].box, &QCheckBox::toggled, this, [this, i](bool ticked) {
    if (showing_) return;
    ticks_[i].shown = ticked;
    *ticks_[i].field = ticked;
  });
}

void CharacterWindow::wireActions() {
  connect(qobject_cast<QPushButton*>(widget("Command1")), &QPushButton::clicked, this,
          &CharacterWindow::typedEntry);
  connect(qobject_cast<QPushButton*>(widget("Command2")), &QPushButton::clicked, qApp,
          &QCoreApplication::quit);
  QWidget* title = widget("orvandel");
  title->setCursor(artworkCursor(kTitleCursor));
  title->installEventFilter(this);
  title_ = title;
  // Only the window's own surface and the side strips take the sheet cursor.
  widget("Frame1")->setCursor(Qt::ArrowCursor);
  widget("Command2")->setCursor(Qt::ArrowCursor);
}

void CharacterWindow::orderTabs() {
  std::vector<QWidget*> order;
  for (const auto& stop : kTabStops) {
    order.push_back(widget(stop.box));
    order.push_back(widget(stop.selector));
  }
  for (const auto& row : characterWindowLayout()) {
    QWidget* w = widgets_.value(text(row.name));
    if ((w->focusPolicy() & Qt::TabFocus) && std::find(order.begin(), order.end(), w) == order.end())
      order.push_back(w);
  }
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  order.front()->setFocus();
}

QWidget* CharacterWindow::widget(const char* name) const { return widgets_.value(QString::fromUtf8(name)); }

void CharacterWindow::showSheet() {
  showing_ = true;
  for (TextBinding& b : texts_) {
    if (*b.field == b.shown) continue;
    b.shown = *b.field;
    std::visit([&](auto* w) { display(w, text(b.shown)); }, b.widget);
  }
  for (TickBinding& b : ticks_) {
    if (*b.field == b.shown) continue;
    b.shown = *b.field;
    b.box->setChecked(b.shown);
  }
  showing_ = false;
}

void CharacterWindow::typedEntry() {
  const auto refusal = generateTyped(sheet_, *dice_);
  showSheet();
  if (!refusal) return;
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kMessageTitle),
                  QString::fromUtf8(refusal->message.data(), static_cast<qsizetype>(refusal->message.size())),
                  QMessageBox::Ok, this);
  box.exec();
  if (QWidget* w = widgets_.value(text(refusal->field))) w->setFocus();
}

void CharacterWindow::randomEntry() {
  generateRandom(sheet_, *dice_);
  showSheet();
}

void CharacterWindow::improvementClick(ImprovementTarget target) {
  improve(sheet_, target, *dice_);
  showSheet();
}

bool CharacterWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress ||
      static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
    return QWidget::eventFilter(watched, event);
  if (watched == title_) {
    randomEntry();
  } else if (const auto target = clickTargets_.constFind(watched); target != clickTargets_.cend()) {
    improvementClick(*target);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace orvandel

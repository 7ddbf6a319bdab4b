#include "window/qr_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <utility>

#include "window/qr_image.h"
#include "window/spoken_label.h"

namespace orvandel {
namespace {

constexpr const char* kTitle = "Partager par QR code";
constexpr const char* kCodeName = "QR code du lien de partage";
constexpr const char* kLinkName = "Lien de partage";
constexpr const char* kCopy = "Copier le lien";
constexpr const char* kClose = "Fermer";
constexpr const char* kCopied = "Lien copié.";
constexpr const char* kTooLong = "Ce lien est trop long pour un QR code : copiez-le plutôt.";
constexpr double kCmPerInch = 2.54;
// The share of the screen's free height (or width) the code may take: the
// caption, the link, the buttons and the title bar need the rest.
constexpr double kLargestShare = 0.6;

// Device pixels per module for a code `modules` wide (quiet zone
// included): as many as make it kSmallestSideCm on `screen`, fewer only
// where the screen has no room for that.
int modulePixels(int modules, const QScreen& screen, qreal ratio) {
  const double smallest = QrCodeDialog::kSmallestSideCm / kCmPerInch * screen.physicalDotsPerInch() * ratio;
  const QSize room = screen.availableGeometry().size();
  const double largest = std::min(room.width(), room.height()) * kLargestShare * ratio;
  const int wanted = static_cast<int>(std::ceil(smallest / modules));
  const int fitting = static_cast<int>(largest / modules);
  return std::max(1, std::min(wanted, fitting));
}

}  // namespace

QrCodeDialog::QrCodeDialog(QString link, QString caption, QWidget* parent)
    : QDialog(parent), link_(std::move(link)), code_(new QLabel(this)), status_(new SpokenLabel(this)) {
  setWindowTitle(QString::fromUtf8(kTitle));
  auto* said = new QLabel(caption, this);
  said->setTextFormat(Qt::PlainText);
  said->setWordWrap(true);
  code_->setObjectName(QStringLiteral("qr_code"));
  code_->setAlignment(Qt::AlignCenter);
  code_->setAccessibleName(QString::fromUtf8(kCodeName));
  code_->setAccessibleDescription(link_);
  auto* text = new QLineEdit(link_, this);
  text->setObjectName(QStringLiteral("qr_link"));
  text->setAccessibleName(QString::fromUtf8(kLinkName));
  text->setReadOnly(true);
  text->setCursorPosition(0);
  status_->setObjectName(QStringLiteral("qr_status"));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* copy = buttons->addButton(QString::fromUtf8(kCopy), QDialogButtonBox::ActionRole);
  buttons->addButton(QString::fromUtf8(kClose), QDialogButtonBox::RejectRole);
  connect(copy, &QPushButton::clicked, this, &QrCodeDialog::copyLink);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  copy->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(said);
  layout->addWidget(code_);
  layout->addWidget(text);
  layout->addWidget(status_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  copy->setFocus();
  drawCode();
}

void QrCodeDialog::copyLink() {
  QGuiApplication::clipboard()->setText(link_);
  status_->say(QString::fromUtf8(kCopied));
}

// Once the dialog has its own window, the code is drawn again whenever the
// window moves to another screen, whose density may differ.
void QrCodeDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!followsScreen_ && windowHandle() != nullptr) {
    connect(windowHandle(), &QWindow::screenChanged, this, &QrCodeDialog::drawCode);
    followsScreen_ = true;
  }
  drawCode();
}

void QrCodeDialog::drawCode() {
  const QImage modules = qrCodeImage(link_);
  if (modules.isNull()) {
    code_->setText(QString::fromUtf8(kTooLong));
    code_->setAccessibleName(QString::fromUtf8(kTooLong));
    return;
  }
  const qreal ratio = devicePixelRatioF();
  QImage code = qrCodeImage(link_, modulePixels(modules.width(), *screen(), ratio));
  code.setDevicePixelRatio(ratio);
  code_->setPixmap(QPixmap::fromImage(code));
}

}  // namespace orvandel

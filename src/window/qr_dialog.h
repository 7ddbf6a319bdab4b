// "Partager par QR code": the share link as a QR code that a phone's camera
// reads across the table, above the caption that says what the link holds;
// the link itself as text to select, and a button that copies it. The code
// is drawn for the screen the dialog is on: large enough to scan at arm's
// length, each module whole device pixels so that it stays sharp.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace orvandel {

class SpokenLabel;

class QrCodeDialog : public QDialog {
  Q_OBJECT

 public:
  // The least side of the code on screen, quiet zone included, that a
  // phone held at arm's length reads.
  static constexpr double kSmallestSideCm = 8.0;

  QrCodeDialog(QString link, QString caption, QWidget* parent = nullptr);

  // "Copier le lien".
  void copyLink();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void drawCode();

  QString link_;
  QLabel* code_;
  SpokenLabel* status_;
  bool followsScreen_ = false;
};

}  // namespace orvandel

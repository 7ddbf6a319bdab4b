#include "window/leaving_prompt.h"

#include <QMessageBox>
#include <QPushButton>

#include "roster/roster.h"
#include "window/message_title.h"
#include "window/qt_text.h"

namespace orvandel {
namespace {

constexpr const char* kQuestion =
    "« %1 » n’est ni gardé dans les personnages ni enregistré : en quittant, ce personnage sera perdu.";
constexpr const char* kKeep = "Garder";
constexpr const char* kDiscard = "Quitter sans garder";
constexpr const char* kStay = "Annuler";

}  // namespace

Leaving askBeforeLosing(QWidget& parent, const Personnage& sheet) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(kMessageTitle),
                  QString::fromUtf8(kQuestion).arg(qtText(proposedName(sheet))), QMessageBox::NoButton,
                  &parent);
  QPushButton* keep = box.addButton(QString::fromUtf8(kKeep), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QString::fromUtf8(kDiscard), QMessageBox::DestructiveRole);
  QPushButton* stay = box.addButton(QString::fromUtf8(kStay), QMessageBox::RejectRole);
  box.setDefaultButton(keep);
  box.setEscapeButton(stay);
  box.exec();
  if (box.clickedButton() == keep) return Leaving::Keep;
  if (box.clickedButton() == discard) return Leaving::Discard;
  return Leaving::Stay;
}

}  // namespace orvandel

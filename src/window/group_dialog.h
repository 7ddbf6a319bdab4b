// "Préparer un groupe…": the GM's workshop. The form says what the group
// asks; "Préparer" rolls random characters until enough meet it, the
// progress drawn as the search goes and "Arrêter" at hand; the group found
// goes into the roster, and its game master's page can be printed or saved
// as PDF. The dialog is not modal: the GM can look at the roster or the
// sheet while a long search runs, and keeps the dialog open to prepare the
// next group.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "roster/roster.h"

class QProgressBar;
class QPushButton;

namespace orvandel {

class GroupForm;
class GroupRun;
class RosterWindow;
class SpokenLabel;

// Where the seed of each search's dice comes from.
using SeedSource = std::function<std::uint64_t()>;

class GroupDialog : public QDialog {
  Q_OBJECT

 public:
  GroupDialog(RosterWindow& roster, SeedSource seeds, QWidget* parent = nullptr);

  // The actions, as the buttons start them.
  void prepare();
  void stop();
  void printGmPage();
  void saveGmPageAsPdf();

  // The group last kept, under the names the roster gave it.
  const std::vector<KeptCharacter>& group() const { return group_; }
  QString status() const;
  bool searching() const;

  // Closing stops a search as "Arrêter" does: nothing rolled is lost unsaid.
  void done(int result) override;

 signals:
  // What the dialog said when a search ended, for the window's status line.
  void told(const QString& sentence);

 private:
  void build();
  void showRunning(bool running);
  void showProgress();
  void keepFound();
  void say(const QString& sentence);
  // The group on paper and in print queues: its name, the suggested PDF's.
  QString paperName() const;

  RosterWindow& roster_;
  SeedSource seeds_;
  GroupForm* form_;
  GroupRun* run_;
  QPushButton* prepare_;
  QPushButton* stop_;
  QPushButton* print_;
  QPushButton* pdf_;
  QProgressBar* progress_;
  SpokenLabel* status_;
  std::string groupName_;
  std::vector<KeptCharacter> group_;
};

}  // namespace orvandel

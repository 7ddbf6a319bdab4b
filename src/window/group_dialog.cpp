#include "window/group_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <memory>

#include "core/dice.h"
#include "group/group_search.h"
#include "window/dialogs.h"
#include "window/gm_paper.h"
#include "window/group_form.h"
#include "window/group_run.h"
#include "window/qt_text.h"
#include "window/roster_window.h"
#include "window/sheet_files.h"
#include "window/sheet_paper.h"
#include "window/spoken_label.h"

namespace orvandel {
namespace {

constexpr const char* kTitle = "Préparer un groupe";
constexpr const char* kPrepare = "Préparer";
constexpr const char* kStop = "Arrêter";
constexpr const char* kClose = "Fermer";
constexpr const char* kPdf = "Enregistrer la page du MJ en PDF…";
constexpr const char* kPrintedName = "page du MJ";  // a group without a name, on paper
constexpr const char* kFoundName = "Personnages trouvés";
constexpr const char* kFoundFormat = "%v sur %m";
constexpr const char* kPdfSaved = "Page du MJ enregistrée : %1";

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// A dialog's title from the text of the button that opens it.
QString withoutEllipsis(const char* utf8) { return text(utf8).chopped(1); }

}  // namespace

GroupDialog::GroupDialog(RosterWindow& roster, SeedSource seeds, QWidget* parent)
    : QDialog(parent), roster_(roster), seeds_(std::move(seeds)) {
  setWindowTitle(text(kTitle));
  run_ = new GroupRun(this);
  connect(run_, &GroupRun::progressed, this, &GroupDialog::showProgress);
  connect(run_, &GroupRun::ended, this, &GroupDialog::keepFound);
  build();
  showRunning(false);
}

void GroupDialog::build() {
  form_ = new GroupForm(this);
  prepare_ = new QPushButton(text(kPrepare), this);
  stop_ = new QPushButton(text(kStop), this);
  print_ = new QPushButton(text(kPrintGmPage), this);
  pdf_ = new QPushButton(text(kPdf), this);
  auto* close = new QPushButton(text(kClose), this);
  prepare_->setDefault(true);
  connect(prepare_, &QPushButton::clicked, this, &GroupDialog::prepare);
  connect(stop_, &QPushButton::clicked, this, &GroupDialog::stop);
  connect(print_, &QPushButton::clicked, this, &GroupDialog::printGmPage);
  connect(pdf_, &QPushButton::clicked, this, &GroupDialog::saveGmPageAsPdf);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  progress_ = new QProgressBar(this);
  progress_->setAccessibleName(text(kFoundName));
  progress_->setFormat(text(kFoundFormat));
  progress_->setRange(0, form_->wanted());
  progress_->setValue(0);
  status_ = new SpokenLabel(this);
  status_->setWordWrap(true);
  status_->setMinimumHeight(3 * status_->fontMetrics().lineSpacing());
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* search = new QHBoxLayout;
  search->addWidget(prepare_);
  search->addWidget(stop_);
  search->addWidget(progress_, 1);
  auto* paper = new QHBoxLayout;
  paper->addWidget(print_);
  paper->addWidget(pdf_);
  paper->addStretch();
  paper->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(form_, 1);
  layout->addLayout(search);
  layout->addWidget(status_);
  layout->addLayout(paper);
}

QString GroupDialog::status() const { return status_->text(); }

bool GroupDialog::searching() const { return run_->running(); }

void GroupDialog::say(const QString& sentence) { status_->say(sentence); }

// A refusal rolls nothing: the GM reads why, at the box at fault.
void GroupDialog::prepare() {
  if (searching()) return;
  const Conditions conditions = form_->conditions();
  if (const std::string problem = conditionsProblem(conditions); !problem.empty()) {
    say(qtText(problem));
    form_->focusFault();
    return;
  }
  groupName_ = form_->groupName();
  group_.clear();
  progress_->setRange(0, form_->wanted());
  progress_->setValue(0);
  run_->start(conditions, form_->wanted(), std::make_unique<SeededDice>(seeds_()));
  showRunning(true);
  stop_->setFocus();
}

void GroupDialog::stop() { run_->stop(); }

// While a search runs, its conditions stay as they were asked.
void GroupDialog::showRunning(bool running) {
  form_->setEnabled(!running);
  prepare_->setEnabled(!running);
  stop_->setEnabled(running);
  print_->setEnabled(!running && !group_.empty());
  pdf_->setEnabled(print_->isEnabled());
}

// The counts are shown, not spoken, while they change: the progress bar
// tells screen readers its own value, and the end of the search is said.
void GroupDialog::showProgress() {
  const GroupSearch& search = *run_->search();
  progress_->setValue(static_cast<int>(search.found().size()));
  status_->setText(qtText(search.summary()));
}

// A search given up keeps nothing; a complete one or one stopped by the
// GM keeps what it found, in the order rolled.
void GroupDialog::keepFound() {
  const GroupSearch& search = *run_->search();
  showProgress();
  QStringList said;
  std::vector<std::string> names;
  if (!search.givenUp() && !search.found().empty()) {
    std::vector<KeptCharacter> found;
    for (const FoundCharacter& character : search.found())
      found.push_back(
          {memberName(groupName_, character.sheet, static_cast<int>(found.size()) + 1), character.sheet});
    RosterWindow::KeptGroup kept = roster_.keepGroup(std::move(found));
    group_ = std::move(kept.characters);
    for (const KeptCharacter& character : group_) names.push_back(character.name);
    if (kept.problem) said << *kept.problem;
  }
  said.prepend(qtText(outcomeSentence(search, names)));
  const QString sentence = said.join(u' ');
  showRunning(false);
  // The next thing to do: print the group found, or try again.
  (group_.empty() ? prepare_ : print_)->setFocus();
  say(sentence);
  emit told(sentence);
}

void GroupDialog::done(int result) {
  stop();
  QDialog::done(result);
}

QString GroupDialog::paperName() const {
  return groupName_.empty() ? text(kPrintedName) : qtText(groupName_);
}

void GroupDialog::printGmPage() {
  if (group_.empty()) return;
  const auto problem = orvandel::printGmPage(*this, group_, paperName());
  if (problem) say(*problem);
}

void GroupDialog::saveGmPageAsPdf() {
  if (group_.empty()) return;
  const QString path = QFileDialog::getSaveFileName(
      this, withoutEllipsis(kPdf), inDialogFolder(paperName() + QStringLiteral(".pdf")), pdfFilter());
  if (path.isEmpty()) return;
  if (const auto problem = orvandel::saveGmPageAsPdf(group_, paperName(), path)) return say(*problem);
  rememberDialogFile(path);
  say(text(kPdfSaved).arg(QFileInfo(path).fileName()));
}

}  // namespace orvandel

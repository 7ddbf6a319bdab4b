#include "window/group_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>
#include <optional>
#include <span>
#include <string_view>

#include "group/group_search.h"
#include "window/qt_text.h"

namespace orvandel {
namespace {

constexpr const char* kWantedLabel = "Nombre de personnages :";
constexpr const char* kProfessionsLabel = "Professions (aucune cochée : toutes) :";
constexpr const char* kNationalitiesLabel = "Nationalités (aucune cochée : toutes) :";
constexpr const char* kSorceryLabel = "Magie :";
constexpr const char* kNameLabel = "Nom du groupe :";
constexpr const char* kMinimum = "minimum";
constexpr const char* kMaximum = "maximum";
// What a bound box reads, and screen readers say, while it holds no bound.
constexpr const char* kNoBound = "aucun";
constexpr int kUsualGroup = 4;

// A bound on one number: the step below the lowest value the rules give
// stands for no bound, and a box emptied by the GM comes back to it.
class BoundBox final : public QSpinBox {
 public:
  BoundBox(const MeasureRow& row, const char* end, QWidget* parent) : QSpinBox(parent) {
    setRange(row.lowest - 1, row.highest);
    setSpecialValueText(QString::fromUtf8(kNoBound));
    setValue(minimum());
    setAccessibleName(qtText(row.caption) + u' ' + QString::fromUtf8(end));
  }

  std::optional<int> bound() const {
    if (value() == minimum()) return std::nullopt;
    return value();
  }

 protected:
  void fixup(QString& input) const override {
    if (input.trimmed().isEmpty()) input = textFromValue(minimum());
  }
};

std::optional<int> boundIn(const QSpinBox* box) { return static_cast<const BoundBox*>(box)->bound(); }

// The label before a field, which also names it to screen readers: a list
// or a combo box would otherwise be read by its current item alone.
QLabel* labelFor(const char* text, QWidget* buddy) {
  auto* label = new QLabel(QString::fromUtf8(text), buddy->parentWidget());
  label->setBuddy(buddy);
  QString name = label->text();
  if (name.endsWith(u':')) name.chop(1);
  buddy->setAccessibleName(name.trimmed());
  return label;
}

// Every name of `names` as an unticked item that Space or a click ticks.
QListWidget* tickList(const char* objectName, std::span<const std::string_view> names, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromUtf8(objectName));
  for (const std::string_view name : names) {
    auto* item = new QListWidgetItem(qtText(name), list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  list->setCurrentRow(0);
  return list;
}

std::vector<std::string> ticked(const QListWidget* list) {
  std::vector<std::string> names;
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->checkState() == Qt::Checked) names.push_back(list->item(row)->text().toStdString());
  return names;
}

}  // namespace

GroupForm::GroupForm(QWidget* parent) : QWidget(parent) {
  wanted_ = new QSpinBox(this);
  wanted_->setRange(1, kLargestGroup);
  wanted_->setValue(kUsualGroup);
  sorcery_ = new QComboBox(this);
  for (const SorceryChoice& choice : kSorceryChoices) sorcery_->addItem(qtText(choice.label));
  name_ = new QLineEdit(this);
  connect(name_, &QLineEdit::textEdited, this, [this] { nameTyped_ = true; });
  connect(sorcery_, &QComboBox::currentIndexChanged, this, &GroupForm::followConditions);

  auto* top = new QFormLayout;
  top->addRow(labelFor(kWantedLabel, wanted_), wanted_);
  top->addRow(labelFor(kSorceryLabel, sorcery_), sorcery_);
  auto* left = new QVBoxLayout;
  left->addLayout(top);
  left->addWidget(professionsPart(), 1);
  auto* name = new QFormLayout;
  name->addRow(labelFor(kNameLabel, name_), name_);
  left->addLayout(name);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(left, 1);
  layout->addWidget(boundsPart());
  // The Tab order follows the reading order: the name comes last.
  setTabOrder(bounds_.back().max, name_);
  followConditions();
}

QWidget* GroupForm::professionsPart() {
  auto* part = new QWidget(this);
  professions_ = tickList("professions", knownProfessions(), part);
  nationalities_ = tickList("nationalities", knownNationalities(), part);
  for (QListWidget* list : {professions_, nationalities_})
    connect(list, &QListWidget::itemChanged, this, &GroupForm::followConditions);
  auto* grid = new QGridLayout(part);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(labelFor(kProfessionsLabel, professions_), 0, 0);
  grid->addWidget(labelFor(kNationalitiesLabel, nationalities_), 0, 1);
  grid->addWidget(professions_, 1, 0);
  grid->addWidget(nationalities_, 1, 1);
  return part;
}

// A row a number: its caption, then its minimum and maximum boxes.
QWidget* GroupForm::boundsPart() {
  auto* part = new QWidget(this);
  auto* grid = new QGridLayout(part);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(new QLabel(QString::fromUtf8(kMinimum), part), 0, 1);
  grid->addWidget(new QLabel(QString::fromUtf8(kMaximum), part), 0, 2);
  for (int m = 0; m < kMeasureCount; ++m) {
    const MeasureRow& row = kMeasures[static_cast<std::size_t>(m)];
    Bounds& bounds = bounds_[static_cast<std::size_t>(m)];
    bounds = {new BoundBox(row, kMinimum, part), new BoundBox(row, kMaximum, part)};
    grid->addWidget(new QLabel(qtText(row.caption), part), m + 1, 0);
    grid->addWidget(bounds.min, m + 1, 1);
    grid->addWidget(bounds.max, m + 1, 2);
  }
  grid->setRowStretch(kMeasureCount + 1, 1);
  return part;
}

Conditions GroupForm::conditions() const {
  Conditions read;
  read.professions = ticked(professions_);
  read.nationalities = ticked(nationalities_);
  read.sorcery = kSorceryChoices[static_cast<std::size_t>(sorcery_->currentIndex())].value;
  for (std::size_t m = 0; m < bounds_.size(); ++m)
    read.bounds[m] = {boundIn(bounds_[m].min), boundIn(bounds_[m].max)};
  return read;
}

int GroupForm::wanted() const { return wanted_->value(); }

std::string GroupForm::groupName() const { return name_->text().trimmed().toStdString(); }

void GroupForm::followConditions() {
  if (!nameTyped_) name_->setText(qtText(proposedGroupName(conditions())));
}

// The first number whose bounds alone are refused: its minimum box.
void GroupForm::focusFault() {
  const Conditions read = conditions();
  for (std::size_t m = 0; m < bounds_.size(); ++m) {
    Conditions alone;
    alone.bounds[m] = read.bounds[m];
    if (conditionsProblem(alone).empty()) continue;
    bounds_[m].min->setFocus();
    bounds_[m].min->selectAll();
    return;
  }
}

}  // namespace orvandel

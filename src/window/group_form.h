// What the GM asks of a group, as a form: how many characters, which
// professions and nationalities (several may be ticked; none is any), which
// sorcery, a minimum and a maximum for each number of kMeasures (a blank is
// no bound), and the group's name, which follows the conditions until the
// GM types one.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "group/conditions.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace orvandel {

class GroupForm : public QWidget {
  Q_OBJECT

 public:
  explicit GroupForm(QWidget* parent = nullptr);

  Conditions conditions() const;
  int wanted() const;
  std::string groupName() const;

  // Puts the focus on the bound that conditionsProblem() refuses, if one is.
  void focusFault();

 private:
  QWidget* professionsPart();
  QWidget* boundsPart();
  void followConditions();

  struct Bounds {
    QSpinBox* min;
    QSpinBox* max;
  };

  QSpinBox* wanted_;
  QListWidget* professions_;
  QListWidget* nationalities_;
  QComboBox* sorcery_;
  std::array<Bounds, kMeasureCount> bounds_{};
  QLineEdit* name_;
  bool nameTyped_ = false;
};

}  // namespace orvandel

// A line that tells what just happened: screen readers take it as a status
// bar and are told each sentence, even one said twice in a row.
#pragma once

#include <QLabel>

namespace orvandel {

class SpokenLabel : public QLabel {
  Q_OBJECT

 public:
  explicit SpokenLabel(QWidget* parent = nullptr);

  void say(const QString& sentence);
};

}  // namespace orvandel

// The status line: one line under the sheet's frame that says what the
// player's last action did. It lies in the window's bottom margin, between
// the two side pictures and left of QUITTER, so it covers nothing of the
// sheet and the window keeps its size.
#pragma once

#include <string>

#include "window/spoken_label.h"

namespace orvandel {

class StatusLine : public SpokenLabel {
  Q_OBJECT

 public:
  StatusLine(QWidget& window, double zoom);

  void say(const std::string& sentence);
  void setZoom(double zoom);
};

}  // namespace orvandel

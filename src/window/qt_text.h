// The sheet's texts are UTF-8 std::strings; Qt's are QStrings.
#pragma once

#include <QString>
#include <string_view>

namespace orvandel {

inline QString qtText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace orvandel

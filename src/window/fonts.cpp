#include "window/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>

namespace orvandel {
namespace {

constexpr const char* kWineFontDir = "/usr/share/wine/fonts/";
constexpr auto kWineFonts = std::to_array({"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf"});

struct Substitute {
  const char* family;
  const char* lookAlike;
};
constexpr auto kSubstitutes = std::to_array<Substitute>({{"Comic Sans MS", "Comic Neue"}});

constexpr const char* kFallbackFamily = "DejaVu Sans";

QString installedFamily(const char* family) {
  registerSheetFonts();
  static QHash<QString, QString> resolved;
  const QString wanted = QString::fromUtf8(family);
  if (const auto found = resolved.constFind(wanted); found != resolved.cend()) return *found;

  QString lookAlike = wanted;
  for (const auto& s : kSubstitutes)
    if (wanted == QLatin1String(s.family)) lookAlike = QString::fromUtf8(s.lookAlike);
  if (!QFontDatabase::families().contains(lookAlike)) lookAlike = QString::fromUtf8(kFallbackFamily);
  resolved.insert(wanted, lookAlike);
  return lookAlike;
}

}  // namespace

void registerSheetFonts() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  for (const char* file : kWineFonts) {
    const QString path = QString::fromUtf8(kWineFontDir) + QString::fromUtf8(file);
    if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
  }
}

QFont sheetFont(const FontSpec& wanted) {
  QFont font(installedFamily(wanted.family));
  font.setPointSizeF(wanted.points);
  font.setBold(wanted.bold);
  font.setUnderline(wanted.underline);
  return font;
}

}  // namespace orvandel

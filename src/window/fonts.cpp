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
// Only outline fonts: the MS Sans Serif look-alike that Wine also ships is a
// bitmap font. It blurs and spreads when scaled, and the PDF engine, which
// loads its glyphs unscaled from the FreeType face it shares with the screen,
// leaves that face without its bitmap size: every glyph not yet drawn before
// a PDF export or a print stays blank on screen for the rest of the session,
// and the PDF gets a broken, unembedded font.
constexpr auto kWineFonts = std::to_array({"tahoma.ttf", "tahomabd.ttf"});

constexpr const char* kFallbackFamily = "DejaVu Sans";

QString installedFamily(const char* family) {
  registerSheetFonts();
  static QHash<QString, QString> resolved;
  const QString wanted = QString::fromUtf8(family);
  if (const auto found = resolved.constFind(wanted); found != resolved.cend()) return *found;

  QString lookAlike = QString::fromUtf8(standInFace(family));
  if (!QFontDatabase::families().contains(lookAlike) || !QFontDatabase::isSmoothlyScalable(lookAlike))
    lookAlike = QString::fromUtf8(kFallbackFamily);
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

QFont sheetFont(const NamedFont& wanted, double zoom) {
  QFont font(installedFamily(wanted.family));
  font.setPointSizeF(wanted.points * zoom);
  font.setBold(wanted.bold);
  font.setUnderline(wanted.underline);
  return font;
}

}  // namespace orvandel

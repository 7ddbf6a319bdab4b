#include "window/fonts.h"

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

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

// The boxes are laid out at 96 pixels to the inch, and so are the fonts,
// whatever dots per inch the desktop claims.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// The tables of a TrueType file that the sheet's copy of Tahoma changes.
constexpr int kTableDirectory = 12;
constexpr int kTableRecord = 16;
constexpr std::array<const char*, 2> kBitmapTables{"EBLC", "EBDT"};
constexpr int kTypoAscenderAt = 68;  // in the OS/2 table
constexpr int kTypoLineGapAt = 72;
// The ascent of a line, in the font's 2048 units to the em: above "è", the
// tallest letter the sheet writes (0.80 em), with the room that rounding the
// baseline to a whole pixel takes at the smallest sizes the zoom reaches. The
// captions' test draws every caption at every zoom step against it.
constexpr quint16 kSheetAscender = 1800;

// Wine's Tahoma as the sheet draws it. The file carries bitmap copies of its
// letters for 8 to 16 pixels, with line metrics cut to those bitmaps (6
// pixels of ascent at 8 pixels). Qt takes a line's ascent from them but draws
// the taller outlines, so at sizes that meet a bitmap (90 %: 8 and 10 pixels)
// the tops of capitals and accents fell above a caption's box and were cut.
// The copy has no bitmaps, and its line's ascent holds the accents; no line
// gap, so that two lines still fit the boxes drawn for two.
QByteArray outlinesWithRoomForAccents(QByteArray font) {
  auto* bytes = reinterpret_cast<uchar*>(font.data());
  const auto size = static_cast<std::size_t>(font.size());
  if (size < kTableDirectory) return font;
  const int tables = qFromBigEndian<quint16>(bytes + 4);
  for (int i = 0; i < tables; ++i) {
    const std::size_t record = kTableDirectory + static_cast<std::size_t>(i) * kTableRecord;
    if (record + kTableRecord > size) break;
    uchar* tag = bytes + record;
    if (std::any_of(kBitmapTables.begin(), kBitmapTables.end(),
                    [tag](const char* bitmap) { return std::memcmp(tag, bitmap, 4) == 0; }))
      tag[0] = 'x';  // an unknown table, which every reader skips
    if (std::memcmp(tag, "OS/2", 4) != 0) continue;
    const std::size_t os2 = qFromBigEndian<quint32>(tag + 8);
    if (os2 + kTypoLineGapAt + 2 > size) continue;
    qToBigEndian<quint16>(kSheetAscender, bytes + os2 + kTypoAscenderAt);
    qToBigEndian<quint16>(0, bytes + os2 + kTypoLineGapAt);
  }
  return font;
}

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
    QFile font(QString::fromUtf8(kWineFontDir) + QString::fromUtf8(file));
    if (font.open(QIODevice::ReadOnly))
      QFontDatabase::addApplicationFontFromData(outlinesWithRoomForAccents(font.readAll()));
  }
}

int sheetFontPixels(const NamedFont& wanted, double zoom) {
  constexpr double kRounding = 1e-6;  // 8.25 points at 100 % are 11 pixels, not 10.999
  return std::max(1, static_cast<int>(std::floor(wanted.points * kPixelsPerPoint * zoom + kRounding)));
}

QFont sheetFont(const NamedFont& wanted, double zoom) {
  QFont font(installedFamily(wanted.family));
  // Whole pixels, never more than the zoom asks: Tahoma tells FreeType to
  // draw at whole pixels, so 9.9 pixels (11 at 90 %) came out as 10, wider
  // than the box, which shrank to 90 %, and captions broke onto new lines.
  font.setPixelSize(sheetFontPixels(wanted, zoom));
  // Unhinted: hinting pulls the tops of capitals up to the next pixel at
  // some sizes, above the line's ascent, and rounds each letter's width so
  // that a caption's width does not follow the zoom.
  font.setHintingPreference(QFont::PreferNoHinting);
  // Letters one by one, no ligature: Tahoma joins "fl" into one glyph, which
  // a PDF reader then finds as "ﬂ", so a search for "flèches" failed.
  font.setStyleStrategy(QFont::PreferNoShaping);
  font.setBold(wanted.bold);
  font.setUnderline(wanted.underline);
  return font;
}

}  // namespace orvandel

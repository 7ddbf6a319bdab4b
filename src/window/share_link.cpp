#include "window/share_link.h"

#include <zlib.h>

#include <QByteArray>
#include <string>

#include "recipe/recipe_link.h"
#include "sheet_io/sheet_json.h"
#include "window/qt_text.h"

namespace orvandel {

const char kSiteAddress[] = ORVANDEL_SITE_ADDRESS;

namespace {

// Raw deflate, without zlib's header and checksum: what the browser's
// "deflate-raw" streams inflate.
QByteArray deflateRaw(const std::string& text) {
  z_stream stream{};
  constexpr int kRawWindowBits = -15;
  constexpr int kMemoryLevel = 8;
  deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kRawWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY);
  QByteArray compressed(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(text.size()))), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  stream.avail_in = static_cast<uInt>(text.size());
  stream.next_out = reinterpret_cast<Bytef*>(compressed.data());
  stream.avail_out = static_cast<uInt>(compressed.size());
  deflate(&stream, Z_FINISH);
  compressed.truncate(static_cast<qsizetype>(stream.total_out));
  deflateEnd(&stream);
  return compressed;
}

}  // namespace

QString shareLink(const Personnage& sheet) {
  if (const auto link = recipeLink(kSiteAddress, sheet)) return qtText(*link);
  const QByteArray code =
      deflateRaw(sheetToJson(sheet)).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
  return QString::fromUtf8(kSiteAddress) + qtText(kSheetFragment) + QString::fromLatin1(code);
}

}  // namespace orvandel

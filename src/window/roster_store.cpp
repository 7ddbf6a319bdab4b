#include "window/roster_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "files/file_replacement.h"
#include "roster/roster_file.h"
#include "window/qt_text.h"
#include "window/sheet_files.h"

namespace orvandel {
namespace {

constexpr const char* kFileName = "personnages.json";

}  // namespace

QString defaultRosterPath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath(QString::fromUtf8(kFileName));
}

// A roster past its bound is refused in the roster library's own words.
std::variant<std::string, QString> readRosterText(const QString& path) {
  return readFileText(path, kLargestRoster, [] { return qtText(kRosterTooBig); });
}

LoadedRoster loadRoster(const QString& path) {
  if (!QFileInfo::exists(path)) return {};
  auto read = readRosterText(path);
  if (auto* error = std::get_if<QString>(&read)) return {{}, {*error}};
  ImportedCharacters imported = importCharacters(std::get<std::string>(read));
  LoadedRoster loaded{Roster(std::move(imported.characters)), {}};
  for (const std::string& problem : imported.problems) loaded.problems << qtText(problem);
  return loaded;
}

bool writeWhole(const QString& path, const std::string& text, FileSystem& files) {
  return !replaceFile(QFile::encodeName(path).toStdString(), text, files);
}

std::optional<QString> saveRoster(const Roster& roster, const QString& path, FileSystem& files) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (writeWhole(path, rosterToJson(roster.characters()), files)) return std::nullopt;
  return QString::fromUtf8(
             "La liste des personnages n’a pas pu être enregistrée dans %1 (disque plein ou dossier "
             "protégé ?). La liste enregistrée avant est intacte.")
      .arg(QDir::toNativeSeparators(path));
}

}  // namespace orvandel

#include "window/roster_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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

std::variant<std::string, QString> readRosterText(const QString& path) {
  return readFileText(path, kLargestRoster);
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

bool writeWhole(const QString& path, const std::string& text) {
  QSaveFile file(path);
  // Unbuffered, so that a write cut short by a full disk is seen before the
  // old file is replaced: a buffered one is reported whole.
  return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
         file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
         file.commit();
}

std::optional<QString> saveRoster(const Roster& roster, const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (writeWhole(path, rosterToJson(roster.characters()))) return std::nullopt;
  return QString::fromUtf8(
             "La liste des personnages n’a pas pu être enregistrée dans %1 (disque plein ou dossier "
             "protégé ?). La liste enregistrée avant est intacte.")
      .arg(QDir::toNativeSeparators(path));
}

}  // namespace orvandel

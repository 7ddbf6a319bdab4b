// Where the window keeps the roster: one roster file in the user's data
// folder, written whole beside the old one and renamed over it, so that a
// crash or a full disk during a save leaves the previous roster readable.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <variant>

#include "files/file_system.h"
#include "roster/roster.h"

namespace orvandel {

// The roster file's place: "personnages.json" in the program's data folder.
QString defaultRosterPath();

struct LoadedRoster {
  Roster roster;
  QStringList problems;  // why characters of the file were left out, in French
};

// The roster kept at `path`; an empty roster where there is none yet.
LoadedRoster loadRoster(const QString& path);

// Writes `roster` to `path` whole; what went wrong, in French, or nothing.
std::optional<QString> saveRoster(const Roster& roster, const QString& path,
                                  FileSystem& files = FileSystem::standard());

// Writes `text` to `path` beside the old file and renames it over it only
// once written whole; whether it was.
bool writeWhole(const QString& path, const std::string& text, FileSystem& files = FileSystem::standard());

// The text of a file to import, up to the largest roster; or why it cannot
// be read.
std::variant<std::string, QString> readRosterText(const QString& path);

}  // namespace orvandel

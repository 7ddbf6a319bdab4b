#include "cli/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <ostream>

namespace orvandel {
namespace {

// What the system said, as the end of a French sentence.
std::string reason(int error) {
  switch (error) {
    case ENOENT:
      return "ce fichier n'existe pas";
    case EACCES:
    case EPERM:
      return "accès non permis";
    case EISDIR:
      return "c'est un dossier";
    case ENOTDIR:
      return "un élément du chemin n'est pas un dossier";
    case ENAMETOOLONG:
      return "nom trop long";
    case ELOOP:
      return "trop de liens symboliques";
    case ENOSPC:
    case EDQUOT:
      return "plus de place sur le disque";
    case EROFS:
      return "système de fichiers en lecture seule";
    case EIO:
      return "erreur d'entrée-sortie";
    default:
      return "erreur système " + std::to_string(error);
  }
}

FileProblem cannotRead(std::string_view what, const std::string& path, const std::string& why) {
  return {"impossible de lire " + std::string(what) + " " + quotedPath(path) + " : " + why};
}

FileProblem cannotWrite(const std::string& path, const std::string& why) {
  return {"impossible d'écrire " + quotedPath(path) + " : " + why};
}

// A folder opens as a file would and fails only at the first read, with an
// exception in English: it is refused before. Devices and pipes (/dev/null,
// a shell's <(...)) are read as files are, within the caller's bounds.
struct stat checkReadable(const std::string& path, std::string_view what) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) throw cannotRead(what, path, reason(errno));
  if (S_ISDIR(status.st_mode)) throw cannotRead(what, path, reason(EISDIR));
  if (::access(path.c_str(), R_OK) != 0) throw cannotRead(what, path, reason(errno));
  return status;
}

// The bytes of `in` up to cap + 1, so that "more than cap" shows.
std::string readUpTo(std::istream& in, std::size_t cap) {
  std::string text(cap + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

}  // namespace

std::string quotedPath(std::string_view path) {
  constexpr std::size_t kLongest = 120;
  std::string out = "\"";
  if (path.size() > kLongest) {
    std::size_t start = path.size() - kLongest;
    while (start < path.size() && (static_cast<unsigned char>(path[start]) & 0xC0) == 0x80) ++start;
    out += "...";
    path.remove_prefix(start);
  }
  for (char c : path) out += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
  return out + "\"";
}

std::optional<std::string> readCapped(const std::string& path, std::istream& in, std::size_t cap,
                                      std::string_view what) {
  if (path == "-") {
    std::string text = readUpTo(in, cap);
    if (text.size() > cap) return std::nullopt;
    return text;
  }
  const struct stat status = checkReadable(path, what);
  if (S_ISREG(status.st_mode) && static_cast<std::size_t>(status.st_size) > cap) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) throw cannotRead(what, path, reason(errno));
  std::string text = readUpTo(file, cap);
  if (file.bad()) throw cannotRead(what, path, reason(EIO));
  if (text.size() > cap) return std::nullopt;
  return text;
}

void openForReading(const std::string& path, std::ifstream& file, std::string_view what) {
  checkReadable(path, what);
  file.open(path, std::ios::binary);
  if (!file) throw cannotRead(what, path, reason(errno));
}

Output::Output(const std::optional<std::string>& path, std::ostream& out) : direct_(&out) {
  if (!path || *path == "-") return;
  // A link is followed, so the file it names is replaced and the link kept.
  std::error_code ignored;
  const std::string target = std::filesystem::is_symlink(*path, ignored)
                                 ? std::filesystem::weakly_canonical(*path, ignored).string()
                                 : *path;
  struct stat status {};
  if (::stat(target.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) throw cannotWrite(*path, reason(EISDIR));
    if (::access(target.c_str(), W_OK) != 0) throw cannotWrite(*path, reason(errno));
    if (!S_ISREG(status.st_mode)) {
      // A device or a pipe (/dev/null, /dev/stdout) cannot be renamed over:
      // it is written as standard output is.
      devicePath_ = *path;
      device_.open(target, std::ios::binary);
      if (!device_) throw cannotWrite(*path, reason(errno));
      direct_ = &device_;
      return;
    }
    mode_ = status.st_mode & 07777;
  } else if (errno != ENOENT) {
    throw cannotWrite(*path, reason(errno));
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode_ = 0666 & ~mask;
  }
  target_ = target;
  stageBeside(*path);
}

Output::~Output() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

// The temporary file sits in the target's own folder, so that the rename
// that replaces the target is atomic (one file system).
void Output::stageBeside(const std::string& path) {
  const std::filesystem::path target(target_);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  // A hidden name beside the target: ".fiche.json.XXXXXX".
  const std::string hidden = std::string(".").append(target.filename().string()).append(".XXXXXX");
  std::string name = (folder / hidden).string();
  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    const int error = errno;
    std::error_code ignored;
    if (error == ENOENT && !std::filesystem::exists(folder, ignored))
      throw cannotWrite(path, "le dossier " + quotedPath(folder.string()) + " n'existe pas");
    throw cannotWrite(path, error == ENOENT ? "impossible d'y créer un fichier" : reason(error));
  }
  temporary_ = name;
  ::fchmod(fd, static_cast<mode_t>(mode_));
  ::close(fd);
  staging_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!staging_) throw cannotWrite(path, reason(errno));
}

void Output::commit() {
  if (target_.empty()) {
    if (direct_->flush()) return;
    if (device_.is_open()) throw cannotWrite(devicePath_, "l'écriture a échoué (plus de place ?)");
    throw FileProblem{"l'écriture a échoué (disque plein ou sortie fermée ?)"};
  }
  staging_.close();
  if (staging_.fail()) throw cannotWrite(target_, "l'écriture a échoué (disque plein ?)");
  // The data reach the disk before the name does, so that a crash leaves
  // the old file or the new one, never an empty one.
  if (const int fd = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC); fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) throw cannotWrite(target_, reason(errno));
  temporary_.clear();
}

}  // namespace orvandel

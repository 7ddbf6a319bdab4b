#include "cli/files.h"

#include <cerrno>
#include <filesystem>
#include <istream>

#include "files/capped_read.h"

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

FileProblem cannotRead(std::string_view what, const std::string& path, std::error_code error) {
  return {"impossible de lire " + std::string(what) + " " + quotedPath(path) + " : " + reason(error.value())};
}

FileProblem cannotWrite(const std::string& path, const std::string& why) {
  return {"impossible d'écrire " + quotedPath(path) + " : " + why};
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
  FileText read = path == "-" ? orvandel::readCapped(in, cap) : orvandel::readCapped(path, cap);
  if (read.error == std::errc::file_too_large) return std::nullopt;
  if (read.error) throw cannotRead(what, path, read.error);
  return std::move(read.text);
}

void openForReading(const std::string& path, std::ifstream& file, std::string_view what) {
  if (const std::error_code error = orvandel::openForReading(path, file)) throw cannotRead(what, path, error);
}

Output::Output(const std::optional<std::string>& path, std::ostream& out, FileSystem& files)
    : direct_(&out), fileStream_(this) {
  if (!path || *path == "-") return;
  path_ = *path;
  file_.emplace(files);
  if (const std::error_code error = file_->open(path_)) {
    if (error != std::errc::no_such_file_or_directory) throw cannotWrite(path_, reason(error.value()));
    const std::filesystem::path target(file_->target());
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::error_code ignored;
    if (!std::filesystem::exists(folder, ignored))
      throw cannotWrite(path_, "le dossier " + quotedPath(folder.string()) + " n'existe pas");
    throw cannotWrite(path_, "impossible d'y créer un fichier");
  }
  block_.resize(1 << 16);
  setp(block_.data(), block_.data() + block_.size());
}

// The file's stream hands its bytes to the replacement a block at a time.
Output::int_type Output::overflow(int_type c) {
  if (sync() != 0) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int Output::sync() {
  if (!writeError_) writeError_ = file_->append({pbase(), static_cast<std::size_t>(pptr() - pbase())});
  setp(block_.data(), block_.data() + block_.size());
  return writeError_ ? -1 : 0;
}

void Output::commit() {
  if (!file_) {
    if (direct_->flush()) return;
    throw FileProblem{"l'écriture a échoué (disque plein ou sortie fermée ?)"};
  }
  if (file_->direct()) {
    if (fileStream_.flush() && !file_->commit()) return;
    throw cannotWrite(path_, "l'écriture a échoué (plus de place ?)");
  }
  if (!fileStream_.flush()) throw cannotWrite(file_->target(), "l'écriture a échoué (disque plein ?)");
  if (const std::error_code error = file_->commit())
    throw cannotWrite(file_->target(), reason(error.value()));
}

}  // namespace orvandel

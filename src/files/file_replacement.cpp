#include "files/file_replacement.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace orvandel {
namespace {

std::error_code errorOf(int number) { return {number, std::generic_category()}; }

// A new file gets what the user's mask leaves of read and write for all.
unsigned newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

FileReplacement::~FileReplacement() {
  file_.reset();
  if (!hidden_.empty()) files_.remove(hidden_);
}

std::error_code FileReplacement::open(const std::string& path) {
  std::error_code ignored;
  target_ = std::filesystem::is_symlink(path, ignored)
                ? std::filesystem::weakly_canonical(path, ignored).string()
                : path;
  struct stat status {};
  if (::stat(target_.c_str(), &status) != 0) {
    if (errno != ENOENT) return errorOf(errno);
    return stageBeside(newFileMode());
  }
  if (S_ISDIR(status.st_mode)) return errorOf(EISDIR);
  if (::access(target_.c_str(), W_OK) != 0) return errorOf(errno);
  if (S_ISREG(status.st_mode)) return stageBeside(status.st_mode & 07777);
  std::error_code error;
  file_ = files_.openExisting(target_, error);
  direct_ = !error;
  return error;
}

// In the target's own folder, so that the rename is atomic (one file
// system) and the folder's own refusals show at once.
std::error_code FileReplacement::stageBeside(unsigned mode) {
  const std::filesystem::path target(target_);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string hidden = ".";
  hidden += target.filename().string();
  hidden += ".XXXXXX";
  std::string name = (folder / hidden).string();
  std::error_code error;
  file_ = files_.createUnique(name, mode, error);
  if (!error) hidden_ = name;
  return error;
}

std::error_code FileReplacement::append(std::string_view bytes) { return file_->append(bytes); }

// The bytes reach the disk before the name does, so that a crash leaves the
// old file or the new one, never an empty one.
std::error_code FileReplacement::commit() {
  if (const std::error_code error = file_->close()) return error;
  if (direct_) return {};
  if (const std::error_code error = files_.rename(hidden_, target_)) return error;
  hidden_.clear();
  return {};
}

std::error_code replaceFile(const std::string& path, std::string_view text, FileSystem& files) {
  FileReplacement file(files);
  if (const std::error_code error = file.open(path)) return error;
  if (const std::error_code error = file.append(text)) return error;
  return file.commit();
}

}  // namespace orvandel

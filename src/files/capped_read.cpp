#include "files/capped_read.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <istream>

namespace orvandel {
namespace {

std::error_code errorOf(int number) { return {number, std::generic_category()}; }

// A folder opens as a file would and fails only at the first read: it is
// refused before. Devices and pipes (/dev/null, a shell's <(...)) are read
// as files are, within the caller's bounds.
std::error_code checkReadable(const std::string& path, struct stat& status) {
  if (::stat(path.c_str(), &status) != 0) return errorOf(errno);
  if (S_ISDIR(status.st_mode)) return errorOf(EISDIR);
  if (::access(path.c_str(), R_OK) != 0) return errorOf(errno);
  return {};
}

}  // namespace

FileText readCapped(std::istream& in, std::size_t cap) {
  // Up to one byte past the bound, so that "more than the bound" shows.
  std::string text(cap + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return {{}, errorOf(EIO)};
  if (text.size() > cap) return {{}, std::make_error_code(std::errc::file_too_large)};
  return {std::move(text), {}};
}

FileText readCapped(const std::string& path, std::size_t cap) {
  struct stat status {};
  if (const std::error_code error = checkReadable(path, status)) return {{}, error};
  if (S_ISREG(status.st_mode) && static_cast<std::size_t>(status.st_size) > cap)
    return {{}, std::make_error_code(std::errc::file_too_large)};
  std::ifstream file(path, std::ios::binary);
  if (!file) return {{}, errorOf(errno)};
  return readCapped(file, cap);
}

std::error_code openForReading(const std::string& path, std::ifstream& file) {
  struct stat status {};
  if (const std::error_code error = checkReadable(path, status)) return error;
  file.open(path, std::ios::binary);
  if (!file) return errorOf(errno);
  return {};
}

}  // namespace orvandel

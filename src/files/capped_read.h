// Reading a whole file that may not exceed a bound: a regular file over it
// is refused by its size, before any of it is read; any other stream (a
// pipe, a device, standard input) once one byte past the bound has come.
#pragma once

#include <cstddef>
#include <fstream>
#include <iosfwd>
#include <string>
#include <system_error>

namespace orvandel {

struct FileText {
  std::string text;
  // Why there is no text: std::errc::file_too_large past the bound, EISDIR
  // for a folder, the system's reason otherwise.
  std::error_code error;
};

FileText readCapped(const std::string& path, std::size_t cap);
FileText readCapped(std::istream& in, std::size_t cap);

// Opens `path` to be read as it goes, with the refusals of readCapped.
std::error_code openForReading(const std::string& path, std::ifstream& file);

}  // namespace orvandel

// The files the command line names. Input is read up to a cap, output is
// written whole or not at all, and every failure is one French reason that
// names the path: a folder, a missing or forbidden file, a full disk.
#pragma once

#include <cstddef>
#include <fstream>
#include <iosfwd>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_replacement.h"
#include "files/file_system.h"

namespace orvandel {

// A file the run cannot use, worded for the one line on stderr.
struct FileProblem {
  std::string message;
};

// The path in quotes for a message: whole unless very long, when its end
// (the part a person recognises) is kept; control characters shown as '?'.
std::string quotedPath(std::string_view path);

// The text of `path` ("-" is `in`, standard input), or nothing when it holds
// more than `cap` bytes: a regular file by its size, without reading it, any
// other stream after cap + 1 bytes. `what` names the file in the problem
// ("la fiche"). Throws FileProblem for a path that is not a readable file.
std::optional<std::string> readCapped(const std::string& path, std::istream& in, std::size_t cap,
                                      std::string_view what);

// Opens `path` to be read as it goes; the same refusals as readCapped.
void openForReading(const std::string& path, std::ifstream& file, std::string_view what);

// Where a run's output goes: standard output for no path or "-", else the
// file `path`, replaced whole by commit() (see FileReplacement), so that
// until then the file is exactly as it was (or absent). Standard output, a
// device or a pipe gets the output as it comes.
class Output : private std::streambuf {
 public:
  // Throws FileProblem when `path` cannot be written (a folder, a missing
  // folder, no permission).
  Output(const std::optional<std::string>& path, std::ostream& out,
         FileSystem& files = FileSystem::standard());

  std::ostream& stream() { return file_ ? fileStream_ : *direct_; }
  // Throws FileProblem when the output could not be written whole.
  void commit();

 private:
  int_type overflow(int_type c) override;
  int sync() override;

  std::ostream* direct_;
  std::string path_;
  std::optional<FileReplacement> file_;
  std::error_code writeError_;
  std::vector<char> block_;
  std::ostream fileStream_;
};

}  // namespace orvandel

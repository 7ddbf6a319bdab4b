// The files the command line names. Input is read up to a cap, output is
// written whole or not at all, and every failure is one French reason that
// names the path: a folder, a missing or forbidden file, a full disk.
#pragma once

#include <cstddef>
#include <fstream>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

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
// file `path`. A file is written to a temporary file beside it and renamed
// over it by commit(), so that until then the file is exactly as it was (or
// absent). Standard output, a device or a pipe gets the output as it comes.
class Output {
 public:
  // Throws FileProblem when `path` cannot be written (a folder, a missing
  // folder, no permission).
  Output(const std::optional<std::string>& path, std::ostream& out);
  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  std::ostream& stream() { return staging_.is_open() ? staging_ : *direct_; }
  // Throws FileProblem when the output could not be written whole.
  void commit();

 private:
  void stageBeside(const std::string& path);

  std::ostream* direct_;
  std::ofstream device_;
  std::string devicePath_;
  std::string target_;     // the file renamed over at commit; empty otherwise
  std::string temporary_;  // its temporary file, until renamed
  std::ofstream staging_;
  unsigned mode_ = 0;
};

}  // namespace orvandel

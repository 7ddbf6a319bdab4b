// What replacing a file asks of the system, behind an interface so that a
// test can stand in for the disk: fill it at a chosen byte, or refuse the
// rename that puts a finished file in place.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace orvandel {

// A file open for writing.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  // Writes all of `bytes` after what was written before, or says why not.
  virtual std::error_code append(std::string_view bytes) = 0;
  // Puts what was written on the disk and closes the file.
  virtual std::error_code close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Creates a new file with permissions `mode`, named after `pattern` whose
  // last six characters ("XXXXXX") are replaced, in `pattern` too, by what
  // makes the name unique.
  virtual std::unique_ptr<WritableFile> createUnique(std::string& pattern, unsigned mode,
                                                     std::error_code& error) = 0;
  // Opens the existing `path` to write into it as it is: a device or a pipe.
  virtual std::unique_ptr<WritableFile> openExisting(const std::string& path, std::error_code& error) = 0;
  virtual std::error_code rename(const std::string& from, const std::string& to) = 0;
  virtual void remove(const std::string& path) = 0;

  // The system's own files.
  static FileSystem& standard();
};

}  // namespace orvandel

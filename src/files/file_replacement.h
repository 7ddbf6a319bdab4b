// A file replaced whole or not at all. What is appended goes to a hidden
// file beside it (".fiche.json.XXXXXX"), renamed over it by commit(), so
// that until then the file is exactly as it was, or absent; a failure
// leaves nothing behind. The file keeps its permissions, and a symbolic
// link is kept: the file it points to is the one replaced. A device or a
// pipe (/dev/null, a shell's >(...)), which cannot be renamed over, is
// written into as it comes.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "files/file_system.h"

namespace orvandel {

class FileReplacement {
 public:
  explicit FileReplacement(FileSystem& files = FileSystem::standard()) : files_(files) {}
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Makes ready to replace `path`, or says why it cannot be: a folder
  // (EISDIR), a file not to be written, a folder missing or closed to new
  // files (the errors of creating a file in it).
  std::error_code open(const std::string& path);
  std::error_code append(std::string_view bytes);
  // Puts the file in place once everything is appended.
  std::error_code commit();

  // The file replaced: the path opened, or the file its link points to.
  const std::string& target() const { return target_; }
  // Whether the bytes go straight to the target (a device or a pipe).
  bool direct() const { return direct_; }

 private:
  std::error_code stageBeside(unsigned mode);

  FileSystem& files_;
  std::string target_;
  std::string hidden_;  // the file renamed over the target, until it is
  std::unique_ptr<WritableFile> file_;
  bool direct_ = false;
};

// Replaces `path` with `text` whole, or says why it could not.
std::error_code replaceFile(const std::string& path, std::string_view text,
                            FileSystem& files = FileSystem::standard());

}  // namespace orvandel

// A disk that fills at a chosen byte, or refuses to rename: the system's own
// files otherwise, so that what is left behind can be looked at.
#pragma once

#include <cerrno>
#include <cstddef>
#include <limits>
#include <memory>
#include <optional>

#include "files/file_system.h"

namespace orvandel {

class FailingFileSystem final : public FileSystem {
 public:
  // Writes past `fullAt` bytes (counted over every file) fail as a full disk does.
  std::size_t fullAt = std::numeric_limits<std::size_t>::max();
  bool refuseRename = false;

  std::unique_ptr<WritableFile> createUnique(std::string& pattern, unsigned mode,
                                             std::error_code& error) override {
    return filling(FileSystem::standard().createUnique(pattern, mode, error));
  }
  std::unique_ptr<WritableFile> openExisting(const std::string& path, std::error_code& error) override {
    return filling(FileSystem::standard().openExisting(path, error));
  }
  std::error_code rename(const std::string& from, const std::string& to) override {
    if (refuseRename) return {EACCES, std::generic_category()};
    return FileSystem::standard().rename(from, to);
  }
  void remove(const std::string& path) override { FileSystem::standard().remove(path); }

 private:
  class FillingFile final : public WritableFile {
   public:
    FillingFile(std::unique_ptr<WritableFile> file, FailingFileSystem& disk)
        : file_(std::move(file)), disk_(disk) {}
    std::error_code append(std::string_view bytes) override {
      const std::size_t room = disk_.fullAt - std::min(disk_.fullAt, disk_.written_);
      const std::string_view taken = bytes.substr(0, room);
      disk_.written_ += taken.size();
      if (const std::error_code error = file_->append(taken)) return error;
      if (taken.size() < bytes.size()) return {ENOSPC, std::generic_category()};
      return {};
    }
    std::error_code close() override { return file_->close(); }

   private:
    std::unique_ptr<WritableFile> file_;
    FailingFileSystem& disk_;
  };

  std::unique_ptr<WritableFile> filling(std::unique_ptr<WritableFile> file) {
    if (!file) return nullptr;
    return std::make_unique<FillingFile>(std::move(file), *this);
  }

  std::size_t written_ = 0;
};

}  // namespace orvandel

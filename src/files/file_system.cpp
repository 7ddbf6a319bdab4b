#include "files/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace orvandel {
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

class SystemFile final : public WritableFile {
 public:
  explicit SystemFile(int descriptor) : descriptor_(descriptor) {}
  ~SystemFile() override {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  SystemFile(const SystemFile&) = delete;
  SystemFile& operator=(const SystemFile&) = delete;

  // A full disk may take part of a write and refuse the rest.
  std::error_code append(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) return lastError();
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
  }

  // A device or a pipe has no disk to reach, and says so with EINVAL.
  std::error_code close() override {
    std::error_code error;
    if (::fsync(descriptor_) != 0 && errno != EINVAL) error = lastError();
    if (::close(std::exchange(descriptor_, -1)) != 0 && !error) error = lastError();
    return error;
  }

 private:
  int descriptor_;
};

class SystemFiles final : public FileSystem {
 public:
  std::unique_ptr<WritableFile> createUnique(std::string& pattern, unsigned mode,
                                             std::error_code& error) override {
    const int descriptor = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor < 0) {
      error = lastError();
      return nullptr;
    }
    ::fchmod(descriptor, static_cast<mode_t>(mode));
    return std::make_unique<SystemFile>(descriptor);
  }

  std::unique_ptr<WritableFile> openExisting(const std::string& path, std::error_code& error) override {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (descriptor < 0) {
      error = lastError();
      return nullptr;
    }
    return std::make_unique<SystemFile>(descriptor);
  }

  std::error_code rename(const std::string& from, const std::string& to) override {
    if (std::rename(from.c_str(), to.c_str()) != 0) return lastError();
    return {};
  }

  void remove(const std::string& path) override { ::unlink(path.c_str()); }
};

}  // namespace

FileSystem& FileSystem::standard() {
  static SystemFiles files;
  return files;
}

}  // namespace orvandel

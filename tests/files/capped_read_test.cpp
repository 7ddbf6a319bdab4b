// A file read whole within its bound: at the bound it is read, one byte over
// it is refused, by its size for a file and after one byte too many for a
// stream.
#include "files/capped_read.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

namespace orvandel {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kCap = 64;

TEST(CappedReadTest, ReadsUpToTheCapAndRefusesOneByteMore) {
  const fs::path path = fs::path(::testing::TempDir()) / ("orvandel_capped_" + std::to_string(::getpid()));
  for (const std::size_t size : {std::size_t{0}, kCap, kCap + 1}) {
    const std::string text(size, 'a');
    std::ofstream(path, std::ios::binary) << text;
    std::istringstream stream(text);
    for (const FileText& read : {readCapped(path.string(), kCap), readCapped(stream, kCap)}) {
      if (size > kCap) {
        EXPECT_EQ(read.error, std::errc::file_too_large) << size;
      } else {
        EXPECT_FALSE(read.error) << size;
        EXPECT_EQ(read.text, text);
      }
    }
  }
  fs::remove(path);
  // A device never ends: it is read no further than one byte past the cap.
  EXPECT_EQ(readCapped("/dev/zero", kCap).error, std::errc::file_too_large);
}

TEST(CappedReadTest, RefusalsGiveTheReason) {
  const fs::path folder = fs::path(::testing::TempDir());
  const struct {
    std::string path;
    std::errc error;
  } cases[] = {
      {folder.string(), std::errc::is_a_directory},
      {(folder / "orvandel_absent_file").string(), std::errc::no_such_file_or_directory},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(readCapped(c.path, kCap).error, c.error) << c.path;
    std::ifstream file;
    EXPECT_EQ(openForReading(c.path, file), c.error) << c.path;
  }
}

}  // namespace
}  // namespace orvandel

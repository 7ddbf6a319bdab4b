// A file replaced whole or not at all: whatever fails, and wherever the
// write stops, the file keeps every byte and its permissions, and nothing
// is left beside it.
#include "files/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/failing_file_system.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

namespace orvandel {
namespace {

namespace fs = std::filesystem;
using testing::contents;
using testing::write;

constexpr fs::perms kOwnerAndGroupRead =
    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;

class FileReplacementTest : public testing::TempFolderTest {};

const std::string kNew = "une fiche nouvelle, de quarante octets !";
const std::string kOld = "l'ancienne fiche";

TEST_F(FileReplacementTest, FailureLeavesTheFileAsItWasAndNothingBeside) {
  const struct {
    const char* what;
    std::size_t fullAt;
    bool refuseRename;
  } cases[] = {
      {"full at the first byte", 0, false},
      {"full half-way", kNew.size() / 2, false},
      {"full at the last byte", kNew.size() - 1, false},
      {"rename refused", kNew.size(), true},
  };
  for (const auto& c : cases) {
    for (const bool existed : {true, false}) {
      fs::remove(at("fiche.json"));
      if (existed) {
        write(at("fiche.json"), kOld);
        fs::permissions(at("fiche.json"), kOwnerAndGroupRead);
      }
      FailingFileSystem disk;
      disk.fullAt = c.fullAt;
      disk.refuseRename = c.refuseRename;
      EXPECT_TRUE(replaceFile(at("fiche.json"), kNew, disk)) << c.what;
      EXPECT_EQ(fs::exists(at("fiche.json")), existed) << c.what;
      EXPECT_EQ(entries(), existed ? 1U : 0U) << c.what << ": a hidden file was left behind";
      if (!existed) continue;
      EXPECT_EQ(contents(at("fiche.json")), kOld) << c.what;
      EXPECT_EQ(fs::status(at("fiche.json")).permissions(), kOwnerAndGroupRead) << c.what;
    }
  }
}

// The disk the seam stands in for: the system's own writes, cut short by a
// process limit, must be told as failures too.
TEST_F(FileReplacementTest, SystemFullDiskIsTold) {
  write(at("fiche.json"), kOld);
  {
    const FileSizeLimit fullDisk(static_cast<rlim_t>(kNew.size() / 2));
    EXPECT_TRUE(replaceFile(at("fiche.json"), kNew));
  }
  EXPECT_EQ(contents(at("fiche.json")), kOld);
  EXPECT_EQ(entries(), 1U);
}

TEST_F(FileReplacementTest, SuccessKeepsPermissionsAndLinks) {
  write(at("fiche.json"), kOld);
  fs::permissions(at("fiche.json"), kOwnerAndGroupRead);
  fs::create_symlink("fiche.json", at("lien.json"));
  for (const char* name : {"fiche.json", "lien.json"}) {
    write(at("fiche.json"), kOld);
    EXPECT_FALSE(replaceFile(at(name), kNew)) << name;
    EXPECT_EQ(contents(at("fiche.json")), kNew) << name;
    EXPECT_TRUE(fs::is_symlink(at("lien.json"))) << name;
    EXPECT_EQ(fs::status(at("fiche.json")).permissions(), kOwnerAndGroupRead) << name;
    EXPECT_EQ(entries(), 2U) << name;
  }
  // A new file gets what the user's mask leaves.
  const mode_t mask = ::umask(027);
  EXPECT_FALSE(replaceFile(at("nouvelle.json"), kNew));
  ::umask(mask);
  EXPECT_EQ(fs::status(at("nouvelle.json")).permissions(), kOwnerAndGroupRead);
}

TEST_F(FileReplacementTest, RefusesWhatCannotBeReplaced) {
  fs::create_directory(at("dossier"));
  const struct {
    std::string path;
    std::errc error;
  } cases[] = {
      {at("dossier"), std::errc::is_a_directory},
      {at("absent/fiche.json"), std::errc::no_such_file_or_directory},
  };
  for (const auto& c : cases) {
    FileReplacement file;
    EXPECT_EQ(file.open(c.path), c.error) << c.path;
  }
  EXPECT_EQ(entries(), 1U);
}

// A device is written into as it comes: there is nothing to rename.
TEST_F(FileReplacementTest, DevicesAreWrittenDirectly) {
  FileReplacement null;
  ASSERT_FALSE(null.open("/dev/null"));
  EXPECT_TRUE(null.direct());
  EXPECT_FALSE(null.append(kNew));
  EXPECT_FALSE(null.commit());
  FileReplacement full;
  ASSERT_FALSE(full.open("/dev/full"));
  EXPECT_EQ(full.append(kNew), std::errc::no_space_on_device);
}

}  // namespace
}  // namespace orvandel

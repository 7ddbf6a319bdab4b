// orvandel-cli and the files a person names: every mistake one French line
// with the path and the reason, a file given to --output exactly as it was
// unless the whole run succeeded, input read within its bounds, and the dice
// trace written as the run goes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "cli/files.h"
#include "sheet_io/sheet_reasons.h"
#include "support/cli_run.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace orvandel {
namespace {

namespace fs = std::filesystem;
using testing::contents;
using testing::write;

class CliFilesTest : public testing::TempFolderTest {};

TEST_F(CliFilesTest, PathMistakesGiveOneLineWithThePathAndTheReason) {
  fs::create_directory(at("adir"));
  write(at("plain.json"), "{}");
  const struct {
    std::vector<std::string> args;
    int status;
    std::string says;
  } cases[] = {
      {{"generate", "--sheet", at("adir")}, 2, "la fiche \"" + at("adir") + "\" : c'est un dossier"},
      {{"generate", "--dice-file", at("adir")},
       2,
       "le script de dés \"" + at("adir") + "\" : c'est un dossier"},
      {{"generate", "--seed", "1", "--output", at("adir")}, 2, "\"" + at("adir") + "\" : c'est un dossier"},
      {{"generate", "--sheet", at("missing.json")},
       2,
       "\"" + at("missing.json") + "\" : ce fichier n'existe pas"},
      {{"generate", "--sheet", at("plain.json/x")},
       2,
       "\"" + at("plain.json/x") + "\" : un élément du chemin n'est pas un dossier"},
      {{"generate", "--seed", "1", "--output", at("nofolder/out.json")},
       2,
       "le dossier \"" + at("nofolder") + "\" n'existe pas"},
      {{"generate", "--sheet", "/dev/zero"},
       2,
       "fiche \"/dev/zero\" refusée : le fichier est bien trop gros."},
      {{"generate", "--dice-file", "/dev/zero"}, 3, "script de dés \"/dev/zero\" : le jeton 1"},
      {{"generate", "--seed", "1", "--output", "/dev/full"}, 2, "\"/dev/full\" : l'écriture a échoué"},
  };
  for (const auto& c : cases) {
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.says;
    EXPECT_EQ(run.out, "") << c.says;
    EXPECT_EQ(lineCount(run.err), 1) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
  EXPECT_EQ(entries(), 2u) << "a temporary file was left behind";
}

// Permissions do not bind the superuser, who reads and writes anything.
TEST_F(CliFilesTest, ForbiddenFilesAreRefusedByName) {
  if (::geteuid() == 0) GTEST_SKIP() << "run as root: permissions are not enforced";
  write(at("secret.json"), "{}");
  fs::permissions(at("secret.json"), fs::perms::none);
  write(at("readonly.json"), "keep");
  fs::permissions(at("readonly.json"), fs::perms::owner_read);
  const CliRun unreadable = cli({"generate", "--sheet", at("secret.json")});
  EXPECT_EQ(unreadable.status, 2);
  EXPECT_NE(unreadable.err.find("\"" + at("secret.json") + "\" : accès non permis"), std::string::npos)
      << unreadable.err;
  const CliRun unwritable = cli({"generate", "--seed", "1", "--output", at("readonly.json")});
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_NE(unwritable.err.find("accès non permis"), std::string::npos) << unwritable.err;
  EXPECT_EQ(contents(at("readonly.json")), "keep");
}

// Whatever ends a run early, a file given to --output keeps every byte it
// had, and no temporary file is left beside it.
TEST_F(CliFilesTest, OutputIsLeftAsItWasWhenTheRunFails) {
  const std::string kept = "{\"forc\":\"12\"}\nune ligne à garder\n";
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"generate", "--dice", "6:1"}, 3},                                  // the script runs out
      {{"improve", "comp(1)", "--dice", "100:5"}, 3},                      // tokens left over
      {{"generate", "--sheet", at("missing.json")}, 2},                    // a missing sheet
      {{"generate", "--dice-file", at("missing"), "--format", "text"}, 2}  // a missing script
  };
  for (const auto& c : cases) {
    write(at("keep.json"), kept);
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--output", at("keep.json")});
    const CliRun run = cli(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(contents(at("keep.json")), kept) << run.err;
    EXPECT_EQ(entries(), 1u) << run.err;
  }
  // A batch whose script fits two sheets of three: the third runs out.
  const CliRun traced = cli({"generate", "--count", "2", "--seed", "4", "--trace-dice"});
  const std::string script = traced.err;
  const CliRun run = cli({"generate", "--count", "3", "--dice", script, "--output", at("keep.json")});
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_NE(run.err.find("il ne reste aucun jeton"), std::string::npos) << run.err;
  EXPECT_EQ(contents(at("keep.json")), kept);
  fs::remove(at("keep.json"));
  EXPECT_EQ(cli({"generate", "--dice", "6:1", "--output", at("keep.json")}).status, 3);
  EXPECT_FALSE(fs::exists(at("keep.json"))) << "a file that was absent stays absent";
}

// A run that succeeds writes the file whole (what the replacement keeps of
// its permissions and links is the file library's to say); --output - is
// standard output.
TEST_F(CliFilesTest, OutputIsWrittenWholeWhenTheRunSucceeds) {
  const std::string expected = cli({"generate", "--count", "3", "--seed", "8"}).out;
  write(at("table.jsonl"), std::string(100000, 'x'));
  const CliRun run = cli({"generate", "--count", "3", "--seed", "8", "--output", at("table.jsonl")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(contents(at("table.jsonl")), expected);
  EXPECT_EQ(entries(), 1u);
  EXPECT_EQ(cli({"generate", "--count", "3", "--seed", "8", "--output", "-"}).out, expected);

  // A sheet improved in place: read whole before it is replaced.
  write(at("fiche.json"), R"j({"des_comp":"3","arme_att(2)":"40"})j");
  const CliRun inPlace = cli({"improve", "arme_att(2)", "--sheet", at("fiche.json"), "--dice", "100:37",
                              "--output", at("fiche.json")});
  EXPECT_EQ(inPlace.status, 0) << inPlace.err;
  EXPECT_NE(contents(at("fiche.json")).find(R"j("arme_att(2)":"58")j"), std::string::npos);
}

// A disk that fills while a long output is written, at its first byte, in
// its middle or at its last, or a rename refused: the failure is told and
// the file keeps every byte.
TEST_F(CliFilesTest, OutputCutShortIsToldAndLeavesTheFileAsItWas) {
  const std::string line(999, 'x');
  constexpr std::size_t kLines = 200;
  const struct {
    std::size_t fullAt;
    bool refuseRename;
    std::string says;
  } cases[] = {
      {0, false, "l'écriture a échoué (disque plein ?)"},
      {kLines * 1000 - 1, false, "l'écriture a échoué (disque plein ?)"},
      {kLines * 1000, true, "accès non permis"},
  };
  for (const auto& c : cases) {
    write(at("keep.json"), "gardé");
    FailingFileSystem disk;
    disk.fullAt = c.fullAt;
    disk.refuseRename = c.refuseRename;
    {
      std::ostringstream out;
      Output output(at("keep.json"), out, disk);
      for (std::size_t i = 0; i < kLines; ++i) output.stream() << line << '\n';
      try {
        output.commit();
        ADD_FAILURE() << c.says << ": the failure went unsaid";
      } catch (const FileProblem& problem) {
        EXPECT_EQ(problem.message, "impossible d'écrire " + quotedPath(at("keep.json")) + " : " + c.says);
      }
    }
    EXPECT_EQ(contents(at("keep.json")), "gardé") << c.says;
    EXPECT_EQ(entries(), 1U) << c.says;
  }
}

// A sheet on standard input is read up to the shared cap: at the cap it is
// read, a byte more and it is refused. (White space fills it: no box may
// hold that much text.)
TEST_F(CliFilesTest, SheetsAreReadUpToTheSharedCap) {
  std::string sheet = R"j({"equipement":"e")j";
  sheet += std::string(kLargestSheet - sheet.size() - 1, ' ') + "}";
  EXPECT_EQ(cli({"generate", "--sheet", "-", "--seed", "1"}, sheet).status, 0);
  const CliRun refused = cli({"generate", "--sheet", "-", "--seed", "1"}, sheet + " ");
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("fiche \"-\" refusée : le fichier est bien trop gros."), std::string::npos)
      << refused.err;
}

// Records, at each write to stderr, how many sheets stdout had by then.
class WatchedErr : public std::stringbuf {
 public:
  explicit WatchedErr(const std::ostringstream& out) : out_(out) {}
  std::vector<long> sheetsAtEachTraceLine;

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    sheetsAtEachTraceLine.push_back(lineCount(out_.str()));
    return std::stringbuf::xsputn(s, n);
  }

 private:
  const std::ostringstream& out_;
};

// The trace is written a line a sheet, as the batch goes, and that file
// replays to the same sheets.
TEST_F(CliFilesTest, TraceIsWrittenAsTheRunGoesAndReplays) {
  std::istringstream in;
  std::ostringstream out;
  WatchedErr watched(out);
  std::ostream err(&watched);
  ASSERT_EQ(runCli({"generate", "--count", "4", "--seed", "6", "--trace-dice"}, in, out, err), 0);
  EXPECT_EQ(watched.sheetsAtEachTraceLine, (std::vector<long>{0, 1, 2, 3}));
  write(at("trace.txt"), watched.str());
  EXPECT_EQ(lineCount(watched.str()), 4);
  const CliRun replay = cli({"generate", "--count", "4", "--dice-file", at("trace.txt")});
  EXPECT_EQ(replay.status, 0) << replay.err;
  EXPECT_EQ(withoutRecipes(replay.out), withoutRecipes(out.str()));
}

// A closed or full output is a failure, whatever was being written: help,
// version, the controls listing, the sheets, or the trace on stderr.
TEST(CliWriteFailureTest, IsNeverTakenForSuccess) {
  const struct {
    std::vector<std::string> args;
    bool errFails;
  } cases[] = {
      {{"--help"}, false},
      {{"--version"}, false},
      {{"controls"}, false},
      {{"generate", "--seed", "1"}, false},
      {{"generate", "--seed", "1", "--trace-dice"}, true},
  };
  for (const auto& c : cases) {
    std::istringstream in;
    std::ostringstream fine;
    std::ostream closed(nullptr);  // every write to it fails
    EXPECT_EQ(runCli(c.args, in, c.errFails ? fine : closed, c.errFails ? closed : fine), 2)
        << c.args.front();
  }
}

// A trace written by orvandel-cli before traces had a line a sheet (one
// line for the whole batch) still replays to the same sheets.
TEST_F(CliFilesTest, TraceOfOneLineStillReplays) {
  const std::string trace = contents(ORVANDEL_GOLDEN_DIR "/trace_seed7_count3.txt");
  ASSERT_EQ(lineCount(trace), 1);
  const std::string expected = contents(ORVANDEL_GOLDEN_DIR "/seed7_count3.jsonl");
  EXPECT_EQ(withoutRecipes(cli({"generate", "--count", "3", "--dice-file",
                                ORVANDEL_GOLDEN_DIR "/trace_seed7_count3.txt"})
                               .out),
            withoutRecipes(expected));
  EXPECT_EQ(withoutRecipes(cli({"generate", "--count", "3", "--dice", trace}).out), withoutRecipes(expected));
  EXPECT_EQ(cli({"generate", "--count", "3", "--seed", "7"}).out, expected);
}

}  // namespace
}  // namespace orvandel

// The program's command line: which answer each way of calling it gets,
// and that --help and --version answer without a display.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvandel {
namespace {

using Answer = LaunchRequest::Answer;

struct Case {
  std::vector<std::string> arguments;
  Answer answer;
  std::string sheetFile;
  std::string saying;  // a piece of the printed text
};

TEST(CommandLine, AnswersEachWayOfCallingIt) {
  const std::vector<Case> cases = {
      {{}, Answer::OpenWindow, "", ""},
      {{"fiche.json"}, Answer::OpenWindow, "fiche.json", ""},
      {{"--", "-fiche.json"}, Answer::OpenWindow, "-fiche.json", ""},
      {{"--help"}, Answer::Help, "", "Utilisation : orvandel [FICHIER]"},
      {{"fiche.json", "-h"}, Answer::Help, "", "--version"},
      {{"--version"}, Answer::Version, "", "orvandel 1.0\n"},
      {{"-v"}, Answer::Version, "", "orvandel 1.0\n"},
      {{"--aide"}, Answer::Refused, "", "option inconnue « --aide »"},
      {{"a.json", "b.json"}, Answer::Refused, "", "une seule fiche à la fois, pas « a.json » et « b.json »"},
  };
  for (const Case& c : cases) {
    const LaunchRequest request = readWindowCommandLine(c.arguments);
    const std::string call = c.arguments.empty() ? "(none)" : c.arguments.front();
    EXPECT_EQ(request.answer, c.answer) << call;
    EXPECT_EQ(request.sheetFile, c.sheetFile) << call;
    EXPECT_NE(request.text.find(c.saying), std::string::npos) << call << ": " << request.text;
  }
}

}  // namespace
}  // namespace orvandel

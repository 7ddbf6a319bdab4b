// What `orvandel` is asked on its command line: the window, with a sheet
// file to open in it or not, or an answer on the terminal (--help,
// --version, or why the arguments are refused), in French.
#pragma once

#include <string>
#include <vector>

namespace orvandel {

struct LaunchRequest {
  enum class Answer { OpenWindow, Help, Version, Refused };
  Answer answer;
  std::string sheetFile;  // the sheet to open in the window; empty for none
  std::string text;       // what to print for the other answers, one or more lines
};

// Reads the arguments after the program's name. Qt's own options (-platform,
// -display ...) must be gone from them; --help and --version are read
// before Qt starts, so that they open no window and need no display.
LaunchRequest readWindowCommandLine(const std::vector<std::string>& arguments);

// The exit status of a refused command line.
inline constexpr int kRefusedArguments = 2;

}  // namespace orvandel

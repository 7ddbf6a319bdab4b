// What each command of orvandel-cli does once its command line is read:
// each returns the exit status, with any refusal as one line on `err`.
#pragma once

#include <iosfwd>

namespace orvandel {

struct Options;

int runGenerate(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);
int runImprove(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);
int runVerify(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);
int runNames(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);
int runControls(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace orvandel

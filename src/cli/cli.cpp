#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "sheet_io/sheet_formats.h"
#include "sheet_io/sheet_json.h"
#include "core/dice.h"
#include "core/excerpt.h"
#include "core/scripted_dice.h"
#include "generation/driver.h"
#include "generation/improvement.h"

namespace orvandel {
namespace {

struct Options {
  bool typed = false;
  std::string sheetFile;
  std::optional<std::string> diceScript;
  std::optional<std::string> diceFile;
  std::optional<std::uint64_t> seed;
  long long count = 1;
  std::string format = "json";
  bool traceDice = false;
  std::string outputFile;
  std::string target;
};

// A failure that ends the run with a status and one line on stderr.
struct Failure {
  int status;
  std::string message;
};

std::optional<std::string> readFile(const std::string& path, std::istream& in) {
  if (path == "-") return std::string(std::istreambuf_iterator<char>(in), {});
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

Personnage loadSheet(const Options& options, std::istream& in) {
  if (options.sheetFile.empty()) return Personnage{};
  const auto json = readFile(options.sheetFile, in);
  if (!json) throw Failure{kExitUsage, "cannot read sheet file " + excerpt(options.sheetFile)};
  auto sheet = sheetFromJson(*json);
  if (auto* error = std::get_if<SheetError>(&sheet))
    throw Failure{kExitUsage, "bad sheet " + excerpt(options.sheetFile) + ": " + error->message};
  return std::get<Personnage>(std::move(sheet));
}

std::unique_ptr<Dice> makeDice(const Options& options, std::istream& in) {
  try {
    if (options.diceScript) return std::make_unique<ScriptedDice>(*options.diceScript);
    if (options.diceFile) {
      const auto script = readFile(*options.diceFile, in);
      if (!script) throw Failure{kExitUsage, "cannot read dice file " + excerpt(*options.diceFile)};
      return std::make_unique<ScriptedDice>(*script);
    }
  } catch (const DiceScriptError& e) {
    throw Failure{kExitDiceScript, e.what()};
  }
  if (options.seed) return std::make_unique<SeededDice>(*options.seed);
  return std::make_unique<ClockDice>();
}

void writeSheet(std::ostream& out, const Personnage& sheet, const std::string& format) {
  out << findSheetFormat(format)->write(sheet);
}

// Runs the chosen command, writing sheets to `out`. Returns the exit status.
int execute(const std::string& command, const Options& options, const Personnage& input,
            Dice& dice, std::ostream& out, std::ostream& err) {
  if (command == "improve") {
    const auto target = improvementTarget(options.target);
    if (!target)
      throw Failure{kExitUsage, "unknown improvement target " + excerpt(options.target) +
                                    ": use comp(1..73), arme_att(1..6) or arme_par(1..6)"};
    Personnage sheet = input;
    improve(sheet, *target, dice);
    writeSheet(out, sheet, options.format);
    return kExitDone;
  }
  for (long long n = 0; n < options.count; ++n) {
    Personnage sheet = input;
    if (!options.typed) {
      generateRandom(sheet, dice);
    } else if (const auto refusal = generateTyped(sheet, dice)) {
      err << refusal->message << '\n';
      writeSheet(out, input, options.format);
      return kExitRefused;
    }
    writeSheet(out, sheet, options.format);
  }
  return kExitDone;
}

void addCommonOptions(CLI::App& command, Options& options) {
  command.add_option("--sheet", options.sheetFile, "JSON sheet keyed by control names (- for stdin)");
  auto* dice = command.add_option("--dice", options.diceScript, "scripted rolls: F:V,F:V,...");
  auto* diceFile = command.add_option("--dice-file", options.diceFile, "file holding a dice script");
  auto* seed = command.add_option("--seed", options.seed, "deterministic dice from this seed");
  dice->excludes(diceFile)->excludes(seed);
  diceFile->excludes(seed);
  std::vector<std::string> formats;
  for (const SheetFormat& format : sheetFormats()) formats.emplace_back(format.name);
  command.add_option("--format", options.format, "json (default) or text")->check(CLI::IsMember(formats));
  command.add_flag("--trace-dice", options.traceDice, "print every roll made as a dice script on stderr");
  command.add_option("--output", options.outputFile, "write the sheet(s) to this file instead of stdout");
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  CLI::App app{"orvandel-cli: the ORVANDEL character generator without its window"};
  app.require_subcommand(1);
  Options options;
  auto* generate = app.add_subcommand("generate", "generate a character (random entry, or --typed)");
  addCommonOptions(*generate, options);
  generate->add_flag("--typed", options.typed, "the typed entry (Saisie/Reroll) on the sheet's blue boxes");
  generate->add_option("--count", options.count, "number of characters, one line each in json")
      ->check(CLI::PositiveNumber);
  auto* improveCommand = app.add_subcommand("improve", "one improvement click on a skill or weapon value");
  addCommonOptions(*improveCommand, options);
  improveCommand->add_option("target", options.target, "comp(i), arme_att(i) or arme_par(i)")->required();

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::Success&) {
    out << app.help();
    return kExitDone;
  } catch (const CLI::ParseError& e) {
    std::string message = e.what();
    std::replace(message.begin(), message.end(), '\n', ' ');
    err << "orvandel-cli: " << message << " (see orvandel-cli --help)\n";
    return kExitUsage;
  }

  try {
    const Personnage input = loadSheet(options, in);
    std::ofstream file;
    if (!options.outputFile.empty()) {
      file.open(options.outputFile, std::ios::binary | std::ios::trunc);
      if (!file) throw Failure{kExitUsage, "cannot write output file " + excerpt(options.outputFile)};
    }
    std::ostream& destination = options.outputFile.empty() ? out : file;
    std::unique_ptr<Dice> source = makeDice(options, in);
    auto* scripted = dynamic_cast<ScriptedDice*>(source.get());
    // Rolls are kept only when asked for, so a long batch runs in constant memory.
    std::optional<RecordingDice> recorder;
    if (options.traceDice) recorder.emplace(*source);
    Dice& dice = recorder ? static_cast<Dice&>(*recorder) : *source;
    // A scripted run prints nothing unless the whole script fits, so its
    // output waits; other runs stream, whatever the count.
    std::ostringstream held;
    std::ostream& sink = scripted ? held : destination;
    const std::string command = generate->parsed() ? "generate" : "improve";
    int status = kExitDone;
    try {
      status = execute(command, options, input, dice, sink, err);
      if (scripted) scripted->expectExhausted();
    } catch (const DiceScriptError& e) {
      throw Failure{kExitDiceScript, e.what()};
    }
    if (recorder) err << recorder->script() << '\n';
    if (scripted) destination << held.str();
    if (!destination.flush())
      throw Failure{kExitUsage, "writing the output failed (disk full or closed pipe?)"};
    return status;
  } catch (const Failure& failure) {
    err << "orvandel-cli: " << failure.message << '\n';
    return failure.status;
  }
}

}  // namespace orvandel

#include "cli/cli.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/controls.h"
#include "cli/files.h"
#include "cli/group_options.h"
#include "cli/journal_output.h"
#include "cli/runs.h"
#include "core/dice.h"
#include "core/excerpt.h"
#include "core/scripted_dice.h"
#include "generation/driver.h"
#include "generation/improvement.h"
#include "group/group_search.h"
#include "recipe/recipe_making.h"
#include "recipe/verification.h"
#include "sheet_io/gm_page.h"
#include "sheet_io/refusal_text.h"
#include "sheet_io/sheet_formats.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_reasons.h"
#include "sheet_io/sheet_text.h"

namespace orvandel {
namespace {

// A failure that ends the run with a status and one line on stderr.
struct Failure {
  int status;
  std::string message;
};

// Why a file is not a sheet, and, for a name the sheet does not know, where
// the names are listed.
std::string sheetProblem(const SheetError& error) {
  std::string problem = sheetErrorReason(error);
  if (error.problem == SheetError::Problem::UnknownControl) problem += " Voir orvandel-cli controls.";
  return problem;
}

Personnage loadSheet(const Options& options, std::istream& in) {
  if (!options.sheetFile) return Personnage{};
  const std::string& path = *options.sheetFile;
  const auto json = readCapped(path, in, kLargestSheet, "la fiche");
  if (!json)
    throw Failure{kExitUsage, "fiche " + quotedPath(path) + " refusée : " + std::string(kSheetTooBig)};
  auto sheet = sheetFromJson(*json);
  if (auto* error = std::get_if<SheetError>(&sheet))
    throw Failure{kExitUsage, "fiche " + quotedPath(path) + " refusée : " + sheetProblem(*error)};
  return std::get<Personnage>(std::move(sheet));
}

// The dice of the run. A script file is read as the rolls ask for it, so
// its length costs no memory.
std::unique_ptr<Dice> makeDice(const Options& options, std::istream& in, std::ifstream& scriptFile) {
  try {
    if (options.diceScript) return std::make_unique<ScriptedDice>(*options.diceScript);
  } catch (const DiceScriptError& e) {
    throw Failure{kExitDiceScript, e.what()};
  }
  if (options.diceFile) {
    if (*options.diceFile == "-") return std::make_unique<StreamedDice>(in);
    openForReading(*options.diceFile, scriptFile, "le script de dés");
    return std::make_unique<StreamedDice>(scriptFile);
  }
  if (options.seed) return std::make_unique<SeededDice>(*options.seed);
  return std::make_unique<FreshDice>();
}

// "script de dés : ..." names the file the script came from.
std::string fromFile(std::string message, const std::optional<std::string>& file) {
  constexpr std::string_view kScript = "script de dés";
  if (file && message.starts_with(kScript)) message.insert(kScript.size(), " " + quotedPath(*file));
  return message;
}

// The run's dice were chosen on the command line rather than fresh.
bool givenDice(const Options& options) { return options.seed || options.diceScript || options.diceFile; }

void expectExhausted(Dice& dice) {
  if (auto* held = dynamic_cast<ScriptedDice*>(&dice)) held->expectExhausted();
  if (auto* streamed = dynamic_cast<StreamedDice*>(&dice)) streamed->expectExhausted();
}

void writeSheet(std::ostream& out, const Personnage& sheet, const std::string& format) {
  out << findSheetFormat(format)->write(sheet);
}

// In a text batch each sheet starts on a page of its own under a heading, so
// that a printer, a pager or a reader can tell one character from the next.
void writeBatchHeading(std::ostream& out, long long n, long long count) {
  if (n > 1) out << "\f\n";
  const std::string heading = "Fiche " + std::to_string(n) + " sur " + std::to_string(count);
  out << heading << '\n';
  for (std::size_t i = 0; i < heading.size(); ++i) out << "─";
  out << "\n\n";
}

// One run of a sheet command: where the sheets go, and the trace of the
// dice, written a line a sheet as the run goes.
struct Run {
  const Options& options;
  const Personnage& input;
  Dice& dice;
  Dice& source;
  RecordingDice* trace;
  std::ostream& out;
  std::ostream& err;

  void sheetDone() const {
    if (trace) err << trace->takeLine() + '\n';
  }
  // Before the last sheet is written the script must be used up, so that a
  // script with tokens left over prints nothing (one that runs out stops
  // the run where it does).
  void lastSheet() const { expectExhausted(source); }
};

JournalForm journalForm(const Options& options) {
  if (options.journalJson) return JournalForm::Json;
  return options.journal ? JournalForm::Text : JournalForm::None;
}

int improveOnce(const Run& run) {
  const Options& options = run.options;
  const auto target = improvementTarget(options.target);
  if (!target)
    throw Failure{kExitUsage, "case à améliorer inconnue " + excerpt(options.target) + " : " +
                                  std::string(improvementTargets())};
  Personnage sheet = run.input;
  Journal journal;
  const ClickDice whose = givenDice(options) ? ClickDice::Given : ClickDice::FromRecipe;
  const bool spent = improveWithRecipe(sheet, *target, run.dice, whose,
                                       journalForm(options) == JournalForm::None ? nullptr : &journal);
  run.lastSheet();
  writeJournal(run.err, journalForm(options), journal);
  writeSheet(run.out, sheet, options.format);
  if (!spent)
    run.err << "orvandel-cli : aucun jet supplémentaire à dépenser (des_comp vaut " +
                   excerpt(run.input.des_comp) + ") ; " + options.target + " reste inchangé\n";
  run.sheetDone();
  return spent ? kExitDone : kExitRefused;
}

// What --journal says of a group: how many were rolled and left aside, and
// where each kept character stands in the plain batch of the same dice.
void writeGroupJournal(std::ostream& err, JournalForm form, const GroupSearch& search,
                       const Conditions& conditions) {
  if (form == JournalForm::None) return;
  std::vector<std::int64_t> draws;
  for (const FoundCharacter& c : search.found()) draws.push_back(c.draw);
  if (form == JournalForm::Json) {
    err << nlohmann::json{{"groupe", describeConditions(conditions)},
                          {"trouves", search.found().size()},
                          {"tires", search.rolled()},
                          {"tirages", draws}}
               .dump()
        << '\n';
    return;
  }
  err << "Groupe (" << describeConditions(conditions) << ") : " << search.summary() << " ; tirages n°";
  for (const auto draw : draws) err << ' ' << draw;
  err << '\n';
}

// A group: random characters rolled one after another and those meeting
// the conditions kept, written once all are found, so that a search that
// gives up writes nothing.
int generateGroup(const Run& run) {
  const Options& options = run.options;
  const Conditions conditions = options.conditions.value_or(Conditions{});
  GroupSearch search(conditions, static_cast<int>(options.count), run.dice);
  search.advance(std::numeric_limits<std::int64_t>::max());
  run.sheetDone();
  if (search.givenUp()) throw Failure{kExitNotFound, search.giveUpReason()};
  run.lastSheet();
  writeGroupJournal(run.err, journalForm(options), search, conditions);
  const std::string groupName = options.groupName.value_or(proposedGroupName(conditions));
  if (options.format == "pnj") {
    std::vector<std::string> names;
    std::vector<NamedSheet> named;
    for (const FoundCharacter& c : search.found())
      names.push_back(memberName(groupName, c.sheet, static_cast<int>(names.size()) + 1));
    for (std::size_t i = 0; i < names.size(); ++i) named.push_back({names[i], search.found()[i].sheet});
    run.out << gmPageText(named);
    return kExitDone;
  }
  long long n = 0;
  for (const FoundCharacter& c : search.found()) {
    if (options.format == "text" && options.count > 1) writeBatchHeading(run.out, ++n, options.count);
    writeSheet(run.out, c.sheet, options.format);
  }
  return kExitDone;
}

// Runs a generation command. Returns the exit status.
int generateAll(const Run& run) {
  const Options& options = run.options;
  if (options.conditions || options.format == "pnj") return generateGroup(run);
  const bool headings = options.format == "text" && options.count > 1;
  Journal journal;
  Journal* kept = journalForm(options) == JournalForm::None ? nullptr : &journal;
  for (long long n = 1; n <= options.count; ++n) {
    Personnage sheet = run.input;
    const RecipeEntry entry = options.typed ? RecipeEntry::Typed : RecipeEntry::Random;
    if (const auto refusal = generateWithRecipe(entry, sheet, run.dice, kept)) {
      run.lastSheet();
      run.err << refusalLine(*refusal, run.input) << '\n';
      run.sheetDone();
      writeSheet(run.out, run.input, options.format);
      return kExitRefused;
    }
    writeJournal(run.err, journalForm(options), journal, n, options.count);
    run.sheetDone();
    if (n == options.count) run.lastSheet();
    if (headings) writeBatchHeading(run.out, n, options.count);
    writeSheet(run.out, sheet, options.format);
  }
  return kExitDone;
}

int runSheetCommand(int (*command)(const Run&), const Options& options, std::istream& in, std::ostream& out,
                    std::ostream& err) {
  if (options.sheetFile == "-" && options.diceFile == "-")
    throw Failure{
        kExitUsage,
        "--sheet - et --dice-file - liraient tous deux l'entrée standard : donner un fichier à l'un"};
  const Personnage input = loadSheet(options, in);
  std::ifstream scriptFile;
  std::unique_ptr<Dice> source = makeDice(options, in, scriptFile);
  // A file named by --output is written beside and renamed at the end, so a
  // failure at any point leaves it as it was. Standard output gets each
  // sheet as it is made: a batch whose script runs out half-way has printed
  // the sheets before it.
  Output output(options.outputFile, out);
  std::optional<RecordingDice> recorder;
  if (options.traceDice) recorder.emplace(*source);
  Dice& dice = recorder ? static_cast<Dice&>(*recorder) : *source;
  const Run run{options, input, dice, *source, recorder ? &*recorder : nullptr, output.stream(), err};
  int status = kExitDone;
  try {
    status = command(run);
  } catch (const DiceScriptError& e) {
    throw Failure{kExitDiceScript, fromFile(e.what(), options.diceFile)};
  }
  if (recorder && !err.flush()) throw Failure{kExitUsage, "l'écriture de la trace des dés a échoué"};
  output.commit();
  return status;
}

// Runs a command, turning its failures into their status and one line.
template <typename Command>
int caught(std::ostream& err, Command command) {
  try {
    return command();
  } catch (const Failure& failure) {
    err << "orvandel-cli : " << failure.message << '\n';
    return failure.status;
  } catch (const FileProblem& problem) {
    err << "orvandel-cli : " << problem.message << '\n';
    return kExitUsage;
  }
}

// Runs a command that works on sheets.
int runCaught(int (*command)(const Run&), const Options& options, std::istream& in, std::ostream& out,
              std::ostream& err) {
  return caught(err, [&] { return runSheetCommand(command, options, in, out, err); });
}

// Text for the person who asked for it; a closed or full output is said,
// not taken for success.
int print(const std::string& text, std::ostream& out, std::ostream& err) {
  out << text;
  if (out.flush()) return kExitDone;
  err << "orvandel-cli : l'écriture a échoué (disque plein ou sortie fermée ?)\n";
  return kExitUsage;
}

}  // namespace

int runGenerate(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  return runCaught(generateAll, options, in, out, err);
}

int runImprove(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  return runCaught(improveOnce, options, in, out, err);
}

int runVerify(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  return caught(err, [&]() -> int {
    const Personnage sheet = loadSheet(options, in);
    const Verification verification = verify(sheet);
    const int written = print(verificationText(sheet, verification) + '\n', out, err);
    if (written != kExitDone) return written;
    return verification.outcome == Verification::Outcome::Conforms ? kExitDone : kExitRefused;
  });
}

int runNames(const Options& options, std::istream&, std::ostream& out, std::ostream& err) {
  const auto listing = nameListing(options.nameList);
  if (!listing) {
    err << "orvandel-cli : liste inconnue " << excerpt(options.nameList) << " : " << kNameLists << '\n';
    return kExitUsage;
  }
  return print(*listing, out, err);
}

int runControls(const Options& options, std::istream&, std::ostream& out, std::ostream& err) {
  return print(options.format == "json" ? controlsToJson() : controlsToText(), out, err);
}

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  const Request request = readCommandLine(args);
  if (!request.error.empty()) {
    err << "orvandel-cli : " << request.error << " (voir orvandel-cli --help)\n";
    return kExitUsage;
  }
  if (!request.command) return print(request.print, out, err);
  return request.command->run(request.options, in, out, err);
}

}  // namespace orvandel

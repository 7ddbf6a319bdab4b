#include "cli/cli.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "cli/command_line.h"
#include "cli/controls.h"
#include "cli/journal_output.h"
#include "core/dice.h"
#include "core/excerpt.h"
#include "core/scripted_dice.h"
#include "core/sheet_fields.h"
#include "generation/driver.h"
#include "generation/improvement.h"
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

std::optional<std::string> readFile(const std::string& path, std::istream& in) {
  if (path == "-") return std::string(std::istreambuf_iterator<char>(in), {});
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// Why a file is not a sheet, and, for a name the sheet does not know, where
// the names are listed.
std::string sheetProblem(const SheetError& error) {
  std::string problem = sheetErrorReason(error);
  if (error.problem == SheetError::Problem::UnknownControl) problem += " Voir orvandel-cli controls.";
  return problem;
}

Personnage loadSheet(const Options& options, std::istream& in) {
  if (options.sheetFile.empty()) return Personnage{};
  const auto json = readFile(options.sheetFile, in);
  if (!json) throw Failure{kExitUsage, "impossible de lire la fiche " + excerpt(options.sheetFile)};
  auto sheet = sheetFromJson(*json);
  if (auto* error = std::get_if<SheetError>(&sheet))
    throw Failure{kExitUsage, "fiche " + excerpt(options.sheetFile) + " refusée : " + sheetProblem(*error)};
  return std::get<Personnage>(std::move(sheet));
}

std::unique_ptr<Dice> makeDice(const Options& options, std::istream& in) {
  try {
    if (options.diceScript) return std::make_unique<ScriptedDice>(*options.diceScript);
    if (options.diceFile) {
      const auto script = readFile(*options.diceFile, in);
      if (!script)
        throw Failure{kExitUsage, "impossible de lire le script de dés " + excerpt(*options.diceFile)};
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

// In a text batch each sheet starts on a page of its own under a heading, so
// that a printer, a pager or a reader can tell one character from the next.
void writeBatchHeading(std::ostream& out, long long n, long long count) {
  if (n > 1) out << "\f\n";
  const std::string heading = "Fiche " + std::to_string(n) + " sur " + std::to_string(count);
  out << heading << '\n';
  for (std::size_t i = 0; i < heading.size(); ++i) out << "─";
  out << "\n\n";
}

// The refused blue box and what was wrong with it, after the window's message.
std::string refusalLine(const Refusal& refusal, const Personnage& sheet) {
  Personnage copy = sheet;
  const auto field = findField(copy, refusal.field);
  const std::string typed = field ? *std::get<std::string*>(*field) : std::string();
  std::string why;
  switch (refusal.reason) {
    case RefusalReason::Empty:
      why = "est vide";
      break;
    case RefusalReason::NotANumber:
      why = "ne contient pas un nombre : " + excerpt(typed);
      break;
    case RefusalReason::OutOfRange:
      why = "contient " + excerpt(typed) + ", hors de " + std::to_string(-kTypedLimit) + ".." +
            std::to_string(kTypedLimit);
      break;
  }
  return std::string(refusal.message) + " : la case " + refusal.field + " (" + controlShows(refusal.field) +
         ") " + why;
}

JournalForm journalForm(const Options& options) {
  if (options.journalJson) return JournalForm::Json;
  return options.journal ? JournalForm::Text : JournalForm::None;
}

int improveOnce(const Options& options, const Personnage& input, Dice& dice, std::ostream& out,
                std::ostream& err) {
  const auto target = improvementTarget(options.target);
  if (!target)
    throw Failure{kExitUsage, "case à améliorer inconnue " + excerpt(options.target) +
                                  " : comp(1..73), arme_att(1..6) ou arme_par(1..6)"};
  Personnage sheet = input;
  Journal journal;
  const bool spent =
      improve(sheet, *target, dice, journalForm(options) == JournalForm::None ? nullptr : &journal);
  writeJournal(err, journalForm(options), journal);
  writeSheet(out, sheet, options.format);
  if (spent) return kExitDone;
  err << "orvandel-cli : aucun jet supplémentaire à dépenser (des_comp vaut " + excerpt(input.des_comp) +
             ") ; " + options.target + " reste inchangé\n";
  return kExitRefused;
}

// Runs a generation command, writing sheets to `out`. Returns the exit status.
int generateAll(const Options& options, const Personnage& input, Dice& dice, std::ostream& out,
                std::ostream& err) {
  const bool headings = options.format == "text" && options.count > 1;
  Journal journal;
  Journal* kept = journalForm(options) == JournalForm::None ? nullptr : &journal;
  for (long long n = 1; n <= options.count; ++n) {
    Personnage sheet = input;
    if (!options.typed) {
      generateRandom(sheet, dice, kept);
    } else if (const auto refusal = generateTyped(sheet, dice, kept)) {
      err << refusalLine(*refusal, input) << '\n';
      writeSheet(out, input, options.format);
      return kExitRefused;
    }
    writeJournal(err, journalForm(options), journal, n, options.count);
    if (headings) writeBatchHeading(out, n, options.count);
    writeSheet(out, sheet, options.format);
  }
  return kExitDone;
}

int runSheetCommand(Command command, const Options& options, std::istream& in, std::ostream& out,
                    std::ostream& err) {
  const Personnage input = loadSheet(options, in);
  std::ofstream file;
  if (!options.outputFile.empty()) {
    file.open(options.outputFile, std::ios::binary | std::ios::trunc);
    if (!file) throw Failure{kExitUsage, "impossible d'écrire le fichier " + excerpt(options.outputFile)};
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
  int status = kExitDone;
  try {
    status = command == Command::Improve ? improveOnce(options, input, dice, sink, err)
                                         : generateAll(options, input, dice, sink, err);
    if (scripted) scripted->expectExhausted();
  } catch (const DiceScriptError& e) {
    throw Failure{kExitDiceScript, e.what()};
  }
  if (recorder) err << recorder->script() << '\n';
  if (scripted) destination << held.str();
  if (!destination.flush())
    throw Failure{kExitUsage, "l'écriture a échoué (disque plein ou sortie fermée ?)"};
  return status;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  const Request request = readCommandLine(args);
  if (!request.error.empty()) {
    err << "orvandel-cli : " << request.error << " (voir orvandel-cli --help)\n";
    return kExitUsage;
  }
  if (!request.command) {
    out << request.print;
    return kExitDone;
  }
  if (*request.command == Command::Controls) {
    out << (request.options.format == "json" ? controlsToJson() : controlsToText());
    return out.flush() ? kExitDone : kExitUsage;
  }
  try {
    return runSheetCommand(*request.command, request.options, in, out, err);
  } catch (const Failure& failure) {
    err << "orvandel-cli : " << failure.message << '\n';
    return failure.status;
  }
}

}  // namespace orvandel

#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>
#include <memory>
#include <sstream>
#include <string_view>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "core/excerpt.h"
#include "core/nearest_name.h"
#include "sheet_io/text_lines.h"

namespace orvandel {
namespace {

constexpr std::string_view kProgram = "orvandel-cli";

constexpr const char* kFooter =
    "Exemples :\n"
    "  orvandel-cli generate --count 10 > table.jsonl\n"
    "  orvandel-cli generate --typed --sheet jets.json --format text\n"
    "  orvandel-cli improve 'comp(12)' --sheet fiche.json > fiche-2.json\n"
    "\n"
    "Codes de sortie : 0 fait ; 1 saisie refusée, ou clic d'amélioration sans jet\n"
    "à dépenser ; 2 arguments ou fiche refusés ; 3 le script de dés ne convient pas\n"
    "au tirage ; 4 aucun personnage ne remplit les conditions du groupe en\n"
    "1 000 000 tirages de suite.\n"
    "Aide d'une commande : orvandel-cli COMMANDE --help ; manuel : man orvandel-cli\n";

// `text` in lines of at most `columns` characters; its own line breaks stay.
// CLI11 indents what follows a line break under the option.
std::string wrapped(std::string_view text, std::size_t columns) {
  std::string out;
  appendWrapped(out, text, 0, columns);
  out.pop_back();
  return out;
}

// CLI11's help in French, in 80 columns. An option shows only what it
// takes: which dice sources exclude each other is said by the refusal, and
// the one argument of improve is plainly required.
class FrenchFormatter : public CLI::Formatter {
 public:
  FrenchFormatter() {
    label("Usage", "Utilisation ");
    label("SUBCOMMAND", "COMMANDE");
    label("Positionals", "Arguments");
    column_width(kNameColumns);
  }
  std::string make_option_opts(const CLI::Option* option) const override {
    return option->get_type_name().empty() ? "" : " " + option->get_type_name();
  }
  std::string make_option_desc(const CLI::Option* option) const override {
    return wrapped(option->get_description(), kTextColumns - kNameColumns);
  }
  std::string make_subcommand(const CLI::App* command) const override {
    std::stringstream out;
    CLI::detail::format_help(out, command->get_display_name(),
                             wrapped(command->get_description(), kTextColumns - kNameColumns), kNameColumns);
    return out.str();
  }
  std::string make_description(const CLI::App* app) const override {
    return wrapped(app->get_description(), kTextColumns) + "\n";
  }

 private:
  static constexpr std::size_t kNameColumns = 28;
};

bool asksForHelp(std::string_view arg) { return arg == "-h" || arg == "--help" || arg == "--version"; }

// People type -v or -V for the version, which CLI11 would take for a
// missing command or an unknown option.
bool asksForVersionShort(std::string_view arg) { return arg == "-v" || arg == "-V"; }

const CommandRow* findCommand(std::string_view name) {
  const auto rows = commandRows();
  const auto found =
      std::find_if(rows.begin(), rows.end(), [&](const CommandRow& c) { return c.name == name; });
  return found == rows.end() ? nullptr : &*found;
}

std::string commandList() {
  std::string list;
  for (const auto& c : commandRows()) list += (list.empty() ? "" : ", ") + std::string(c.name);
  return list;
}

std::string suggestion(std::string_view typed, std::span<const std::string_view> known) {
  const auto near = nearestName(typed, known);
  return near ? " ; la plus proche est " + std::string(*near) : "";
}

// The option name of "--count" or "--count=3"; empty for anything that is
// not an option.
std::string_view optionName(std::string_view arg) {
  if (!arg.starts_with('-') || arg == "-") return {};
  return arg.substr(0, arg.find('='));
}

// What CLI11 would word badly or not at all, found before it reads the
// line: the command (the first word that is not an option, and options
// belong after it), -v, an option given twice. `--` ends the options: what
// follows it is a plain argument even when it starts with a dash.
std::string scanProblem(const std::vector<std::string>& args, const CLI::App& app) {
  auto arg = args.begin();
  if (arg != args.end() && *arg == "--") ++arg;
  if (arg == args.end()) return "il manque la commande : " + commandList();
  if (asksForHelp(*arg)) return "";
  if (asksForVersionShort(*arg)) return "pour la version, écrire orvandel-cli --version";
  if (arg->starts_with('-')) {
    const auto command = std::find_if(args.begin(), args.end(),
                                      [](const std::string& a) { return findCommand(a) != nullptr; });
    if (command == args.end()) return "il manque la commande (" + commandList() + ") avant " + excerpt(*arg);
    return "les options se placent après la commande : orvandel-cli " + *command + " " + *arg + " ...";
  }
  const CommandRow* row = findCommand(*arg);
  if (!row) {
    std::vector<std::string_view> names;
    for (const auto& c : commandRows()) names.push_back(c.name);
    return "commande inconnue " + excerpt(*arg) + suggestion(*arg, names) + " (commandes : " + commandList() +
           ")";
  }
  const CLI::App& command = *app.get_subcommand(std::string(row->name));
  std::vector<const CLI::Option*> seen;
  for (++arg; arg != args.end(); ++arg) {
    if (*arg == "--") {
      // No command takes a plain argument that starts with a dash.
      const auto dashed =
          std::find_if(arg + 1, args.end(), [](const std::string& a) { return a.starts_with('-'); });
      if (dashed != args.end())
        return "argument de trop " + excerpt(*dashed) + " pour " + std::string(row->name);
      break;
    }
    if (asksForVersionShort(*arg)) return "pour la version, écrire orvandel-cli --version";
    const std::string name(optionName(*arg));
    const CLI::Option* option = name.empty() ? nullptr : command.get_option_no_throw(name);
    if (!option) continue;
    // --profession and the others that gather a list may be given again.
    if (option->get_items_expected_max() <= 1 && std::find(seen.begin(), seen.end(), option) != seen.end())
      return "l'option " + name + " est donnée deux fois : n'en garder qu'une";
    seen.push_back(option);
    // An option's value is skipped, so that "--dice -1" is not read as a
    // second option.
    if (option->get_items_expected_min() > 0 && arg->find('=') == std::string::npos && arg + 1 != args.end())
      ++arg;
  }
  return "";
}

std::string errorOption(const CLI::Error& e) {
  const std::string what = e.what();
  return what.substr(0, what.find(':'));
}

// The option a CLI11 message names wherever it stands in it ("Could not
// convert: --typed = maybe").
std::string mentionedOption(const CLI::Error& e) {
  const std::string what = e.what();
  const auto start = what.find("--");
  if (start == std::string::npos) return "l'option";
  const auto end = what.find_first_not_of("abcdefghijklmnopqrstuvwxyz-", start);
  return what.substr(start, end - start);
}

std::string frenchParseError(const CLI::ParseError& e, const CLI::App* command) {
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) return errorOption(e) + " attend une valeur";
  if (dynamic_cast<const CLI::ExcludesError*>(&e))
    return "une seule source de dés à la fois : --dice, --dice-file ou --seed";
  if (dynamic_cast<const CLI::RequiredError*>(&e) && command && command->get_name() == "improve")
    return "improve attend la case à améliorer : " + std::string(improvementTargets());
  if (dynamic_cast<const CLI::ConversionError*>(&e)) return mentionedOption(e) + " ne prend pas de valeur";
  return std::string("arguments refusés : ") + e.what();
}

// An argument left over: a word is one too many; a dash, an option the
// command does not have.
std::string extraProblem(const std::string& extra, const CLI::App& command) {
  if (!extra.starts_with('-')) return "argument de trop " + excerpt(extra) + " pour " + command.get_name();
  std::vector<std::string> known;
  for (const CLI::Option* o : command.get_options())
    for (const auto& name : o->get_lnames()) known.push_back("--" + name);
  std::vector<std::string_view> views(known.begin(), known.end());
  return "option inconnue " + excerpt(extra) + " pour " + command.get_name() + suggestion(extra, views);
}

// Empty means "no file": a person who typed --sheet "" meant a file whose
// name went missing (an unset shell variable), not the launch sheet.
std::string emptyPathProblem(const Options& options) {
  const std::pair<const char*, const std::optional<std::string>*> paths[] = {
      {"--sheet", &options.sheetFile}, {"--dice-file", &options.diceFile}, {"--output", &options.outputFile}};
  for (const auto& [name, path] : paths)
    if (*path && (*path)->empty())
      return std::string(name) +
             " attend un nom de fichier (- : entrée ou sortie standard), pas un texte vide";
  return "";
}

std::string formatProblem(const std::optional<std::string>& format, const CommandRow& command,
                          std::string& chosen) {
  const auto names = command.formats();
  chosen = std::string(names.front());
  if (!format) return "";
  if (std::find(names.begin(), names.end(), *format) != names.end()) {
    chosen = *format;
    return "";
  }
  std::string list;
  for (const auto name : names) list += (list.empty() ? "" : " ou ") + std::string(name);
  return "--format attend " + list + ", pas " + excerpt(*format);
}

// Reads --count, --seed and --format; the first fault found, if any.
std::string checkValues(const TypedValues& typed, Options& options, const CommandRow& command) {
  if (options.journal && options.journalJson)
    return "un seul journal à la fois : --journal ou --journal-json";
  if (auto problem = emptyPathProblem(options); !problem.empty()) return problem;
  if (auto problem = formatProblem(typed.format, command, options.format); !problem.empty()) return problem;
  const TypedNumber count = readCount(typed.count);
  if (!count.value) return count.problem;
  options.count = static_cast<long long>(*count.value);
  if (typed.seed) {
    const TypedNumber seed = readSeedOption(*typed.seed);
    if (!seed.value) return seed.problem;
    options.seed = seed.value;
  }
  return readConditions(typed.conditions, options);
}

}  // namespace

Request readCommandLine(const std::vector<std::string>& args) {
  Request request;
  CLI::App app{
      "Tire des personnages du jeu de rôle Orvandel sans ouvrir la fenêtre : le même moteur que le "
      "programme orvandel, des fiches en JSON ou en texte.",
      std::string(kProgram)};
  app.formatter(std::make_shared<FrenchFormatter>());
  app.set_help_flag("-h,--help", "afficher cette aide et finir");
  app.set_version_flag("--version", std::string(kProgram) + " " ORVANDEL_VERSION,
                       "afficher la version et finir");
  app.footer(kFooter);
  app.require_subcommand(1);
  app.allow_extras();
  TypedValues typed;
  for (const CommandRow& row : commandRows()) {
    auto* command = app.add_subcommand(std::string(row.name), std::string(row.summary));
    command->group("Commandes");
    command->footer(std::string(row.examples));
    command->allow_extras();
    row.addOptions(*command, request.options, typed);
  }

  if (auto problem = scanProblem(args, app); !problem.empty()) {
    request.error = problem;
    return request;
  }
  const auto chosen = [&]() -> const CLI::App* {
    const auto parsed = app.get_subcommands();
    if (parsed.empty()) return nullptr;
    request.command = findCommand(parsed.front()->get_name());
    return parsed.front();
  };
  // CLI11 takes the arguments last first, and without the `--` that ends
  // the options, whose place the scan has already used.
  std::vector<std::string> reversed;
  std::copy_if(args.rbegin(), args.rend(), std::back_inserter(reversed),
               [](const std::string& a) { return a != "--"; });
  try {
    app.parse(reversed);
  } catch (const CLI::CallForVersion& e) {
    request.print = std::string(e.what()) + "\n";
    return request;
  } catch (const CLI::Success&) {
    request.print = app.help();
    return request;
  } catch (const CLI::ParseError& e) {
    request.error = frenchParseError(e, chosen());
    request.command = nullptr;
    return request;
  }
  const CLI::App* command = chosen();
  if (const auto extras = app.remaining(true); !extras.empty()) {
    request.error = extraProblem(extras.front(), *command);
  } else {
    request.error = checkValues(typed, request.options, *request.command);
  }
  if (!request.error.empty()) request.command = nullptr;
  return request;
}

}  // namespace orvandel

#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

#include "cli/arguments.h"
#include "core/excerpt.h"
#include "sheet_io/sheet_formats.h"

namespace orvandel {
namespace {

constexpr std::string_view kProgram = "orvandel-cli";

struct CommandText {
  Command command;
  const char* name;
  const char* summary;
  const char* examples;
};

// Every command shows real runs: the shell needs the quotes around comp(12).
constexpr auto kCommands = std::to_array<CommandText>({
    {Command::Generate, "generate",
     "tirer des personnages : tout aux dés, ou --typed pour la saisie des cases bleues d'une fiche",
     "Exemples :\n"
     "  orvandel-cli generate --count 10 > table.jsonl\n"
     "      dix personnages, une ligne JSON chacun\n"
     "  orvandel-cli generate --typed --sheet jets.json --format text\n"
     "      la saisie (Saisie/Reroll) des jets écrits dans jets.json, lisible\n"
     "  orvandel-cli generate --count 6 --seed 2024 --format text --output table.txt\n"
     "      six fiches lisibles, les mêmes à chaque fois pour la graine 2024\n"
     "  orvandel-cli generate --seed 7 --journal > perso.json\n"
     "      le personnage, et sur la sortie d'erreur chaque étape des règles avec ses dés\n"},
    {Command::Improve, "improve",
     "un clic d'amélioration sur une compétence ou une arme d'une fiche enregistrée",
     "Exemples :\n"
     "  orvandel-cli improve 'comp(12)' --sheet fiche.json > fiche-2.json\n"
     "      dépense un jet supplémentaire (Suplé.) sur la compétence 12\n"
     "  orvandel-cli improve 'arme_att(1)' --sheet - --format text < fiche.json\n"
     "      l'attaque de la première arme, fiche lue sur l'entrée standard\n"
     "  orvandel-cli improve 'comp(12)' --sheet fiche.json --journal-json > fiche-2.json\n"
     "      et sur la sortie d'erreur le jet du clic et la nouvelle valeur, en une ligne JSON\n"},
    {Command::Controls, "controls",
     "lister les noms des contrôles de la fiche (clés JSON, cibles de improve) et ce qu'ils montrent",
     "Exemples :\n"
     "  orvandel-cli controls | grep noeuds\n"
     "      quel comp(i) est « Faire/défaire des noeuds »\n"
     "  orvandel-cli controls --format json\n"},
});

constexpr const char* kFooter =
    "Exemples :\n"
    "  orvandel-cli generate --count 10 > table.jsonl\n"
    "  orvandel-cli generate --typed --sheet jets.json --format text\n"
    "  orvandel-cli improve 'comp(12)' --sheet fiche.json > fiche-2.json\n"
    "\n"
    "Codes de sortie : 0 fait ; 1 saisie refusée, ou clic d'amélioration sans jet à dépenser ;\n"
    "2 arguments ou fiche refusés ; 3 le script de dés ne convient pas au tirage.\n"
    "Aide d'une commande : orvandel-cli COMMANDE --help ; manuel : man orvandel-cli\n";

const char* const kTargets = "comp(1..73), arme_att(1..6) ou arme_par(1..6)";

// CLI11's help in French. An option shows only what it takes: which dice
// sources exclude each other is said by the refusal, and the one argument
// of improve is plainly required.
class FrenchFormatter : public CLI::Formatter {
 public:
  FrenchFormatter() {
    label("Usage", "Utilisation ");
    label("SUBCOMMAND", "COMMANDE");
    label("Positionals", "Arguments");
    column_width(28);
  }
  std::string make_option_opts(const CLI::Option* option) const override {
    return option->get_type_name().empty() ? "" : " " + option->get_type_name();
  }
};

// What each command line option holds until it is checked: --count and
// --seed as typed, so that a sign or a fraction can be refused by name.
struct Typed {
  std::string count = "1";
  std::optional<std::string> seed;
  std::optional<std::string> format;
};

// "json ou text": the sheet's written forms, the default first.
std::string formatNames() {
  std::string names;
  for (const SheetFormat& f : sheetFormats()) names += (names.empty() ? "" : " ou ") + std::string(f.name);
  return names;
}

void addSheetOptions(CLI::App& command, Options& options, Typed& typed) {
  command
      .add_option("--sheet", options.sheetFile,
                  "fiche JSON dont les clés sont les noms des contrôles (- : entrée standard)")
      ->type_name("FICHIER");
  auto* dice = command
                   .add_option("--dice", options.diceScript,
                               "jets imposés dans l'ordre du tirage : F:V,F:V,... (faces:valeur)")
                   ->type_name("SCRIPT");
  auto* diceFile =
      command.add_option("--dice-file", options.diceFile, "fichier qui contient un script de dés")
          ->type_name("FICHIER");
  auto* seed = command
                   .add_option("--seed", typed.seed,
                               "dés reproductibles : les mêmes jets pour la même graine (0 à 2^64-1)")
                   ->type_name("GRAINE");
  dice->excludes(diceFile)->excludes(seed);
  diceFile->excludes(seed);
  command.add_option("--format", typed.format, formatNames() + " (le premier par défaut)")
      ->type_name("FORMAT");
  command.add_flag("--trace-dice", options.traceDice,
                   "écrire chaque jet fait sur la sortie d'erreur, en script de dés");
  command.add_flag("--journal", options.journal,
                   "écrire le journal des jets (comment la fiche s'est faite) "
                   "sur la sortie d'erreur, une étape par ligne");
  command.add_flag("--journal-json", options.journalJson,
                   "le même journal en JSON Lines, un objet par étape");
  command.add_option("--output", options.outputFile, "écrire dans ce fichier au lieu de la sortie standard")
      ->type_name("FICHIER");
}

CLI::App* addCommand(CLI::App& app, const CommandText& text) {
  auto* command = app.add_subcommand(text.name, text.summary);
  command->group("Commandes");
  command->footer(text.examples);
  command->allow_extras();
  return command;
}

std::string commandList() {
  std::string list;
  for (const auto& c : kCommands) list += (list.empty() ? "" : ", ") + std::string(c.name);
  return list;
}

// The first argument that is not an option names the command.
std::string unknownCommand(const std::vector<std::string>& args) {
  const auto first =
      std::find_if(args.begin(), args.end(), [](const std::string& a) { return !a.starts_with('-'); });
  if (first == args.end()) {
    const bool asksForHelp = std::any_of(args.begin(), args.end(), [](const std::string& a) {
      return a == "-h" || a == "--help" || a == "--version";
    });
    return asksForHelp ? "" : "il manque la commande : " + commandList();
  }
  std::array<std::string_view, kCommands.size()> names;
  std::transform(kCommands.begin(), kCommands.end(), names.begin(),
                 [](const CommandText& c) { return c.name; });
  if (std::find(names.begin(), names.end(), *first) != names.end()) return "";
  return "commande inconnue " + excerpt(*first) + " ; la plus proche est " +
         std::string(nearestName(*first, names)) + " (commandes : " + commandList() + ")";
}

std::string optionName(const CLI::Error& e) {
  const std::string what = e.what();
  return what.substr(0, what.find(':'));
}

std::string frenchParseError(const CLI::ParseError& e, const CLI::App* command) {
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) return optionName(e) + " attend une valeur";
  if (dynamic_cast<const CLI::ExcludesError*>(&e))
    return "une seule source de dés à la fois : --dice, --dice-file ou --seed";
  if (dynamic_cast<const CLI::RequiredError*>(&e) && command && command->get_name() == "improve")
    return "improve attend la case à améliorer : " + std::string(kTargets);
  return std::string("arguments refusés : ") + e.what();
}

std::string extraProblem(const std::vector<std::string>& extras, const CLI::App& command) {
  const std::string& extra = extras.front();
  if (!extra.starts_with('-')) return "argument de trop " + excerpt(extra) + " pour " + command.get_name();
  std::vector<std::string> known;
  for (const CLI::Option* o : command.get_options())
    for (const auto& name : o->get_lnames()) known.push_back("--" + name);
  std::vector<std::string_view> views(known.begin(), known.end());
  return "option inconnue " + excerpt(extra) + " pour " + command.get_name() + " ; la plus proche est " +
         std::string(nearestName(extra, views));
}

// The listing of the controls comes as text for people or JSON for programs.
constexpr auto kControlsFormats = std::to_array<std::string_view>({"text", "json"});

std::string formatProblem(const std::optional<std::string>& format, Command command) {
  if (!format) return "";
  if (command != Command::Controls) {
    if (findSheetFormat(*format)) return "";
    return "--format attend " + formatNames() + ", pas " + excerpt(*format);
  }
  if (std::find(kControlsFormats.begin(), kControlsFormats.end(), *format) != kControlsFormats.end())
    return "";
  return "--format attend text ou json, pas " + excerpt(*format);
}

// Reads --count, --seed and --format; the first fault found, if any.
std::string checkValues(const Typed& typed, Options& options, Command command) {
  if (options.journal && options.journalJson)
    return "un seul journal à la fois : --journal ou --journal-json";
  if (auto problem = formatProblem(typed.format, command); !problem.empty()) return problem;
  const std::string_view fallback =
      command == Command::Controls ? kControlsFormats.front() : sheetFormats().front().name;
  options.format = typed.format.value_or(std::string(fallback));
  if (auto problem = countProblem(typed.count); !problem.empty()) return problem;
  options.count = static_cast<long long>(*readWholeNumber(typed.count, 1, kMaxCount));
  if (typed.seed) {
    if (auto problem = seedProblem(*typed.seed); !problem.empty()) return problem;
    options.seed = readWholeNumber(*typed.seed, 0, UINT64_MAX);
  }
  return "";
}

}  // namespace

Request readCommandLine(const std::vector<std::string>& args) {
  Request request;
  if (auto problem = unknownCommand(args); !problem.empty()) {
    request.error = problem;
    return request;
  }
  CLI::App app{
      "Tire des personnages du jeu de rôle Orvandel sans ouvrir la fenêtre : le même moteur que le\n"
      "programme orvandel, des fiches en JSON ou en texte.",
      std::string(kProgram)};
  app.formatter(std::make_shared<FrenchFormatter>());
  app.set_help_flag("-h,--help", "afficher cette aide et finir");
  app.set_version_flag("--version", std::string(kProgram) + " " ORVANDEL_VERSION,
                       "afficher la version et finir");
  app.footer(kFooter);
  app.require_subcommand(1);

  Typed typed;
  auto* generate = addCommand(app, kCommands[0]);
  addSheetOptions(*generate, request.options, typed);
  generate->add_flag("--typed", request.options.typed,
                     "la saisie (bouton Saisie/Reroll) sur les cases bleues de la fiche --sheet");
  generate
      ->add_option(
          "--count", typed.count,
          "nombre de personnages, de 1 à " + std::to_string(kMaxCount) + " (json : une ligne chacun)")
      ->type_name("N");
  auto* improve = addCommand(app, kCommands[1]);
  addSheetOptions(*improve, request.options, typed);
  improve->add_option("CASE", request.options.target, std::string(kTargets) + " (voir orvandel-cli controls)")
      ->required()
      ->type_name("");
  auto* controls = addCommand(app, kCommands[2]);
  controls->add_option("--format", typed.format, "text (par défaut) ou json")->type_name("FORMAT");

  app.allow_extras();
  const std::array<CLI::App*, kCommands.size()> commands{generate, improve, controls};
  const auto chosen = [&]() -> CLI::App* {
    for (std::size_t k = 0; k < commands.size(); ++k)
      if (commands[k]->parsed()) {
        request.command = kCommands[k].command;
        return commands[k];
      }
    return nullptr;
  };

  std::vector<std::string> reversed(args.rbegin(), args.rend());
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
    request.command.reset();
    return request;
  }
  CLI::App* command = chosen();
  if (const auto extras = app.remaining(true); !extras.empty())
    request.error = extraProblem(extras, *command);
  else
    request.error = checkValues(typed, request.options, *request.command);
  if (!request.error.empty()) request.command.reset();
  return request;
}

}  // namespace orvandel

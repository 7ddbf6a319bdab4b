#include "cli/commands.h"

#include <CLI/CLI.hpp>
#include <array>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/runs.h"
#include "core/improving_controls.h"
#include "sheet_io/sheet_formats.h"

namespace orvandel {
namespace {

std::vector<std::string_view> sheetFormatNames() {
  std::vector<std::string_view> names;
  for (const SheetFormat& f : sheetFormats()) names.push_back(f.name);
  return names;
}

// A batch also prints as the game master's page, several to a page.
std::vector<std::string_view> generateFormatNames() {
  auto names = sheetFormatNames();
  names.emplace_back("pnj");
  return names;
}

// The listing of the controls comes as text for people or JSON for programs.
std::vector<std::string_view> controlsFormatNames() { return {"text", "json"}; }

std::vector<std::string_view> textFormatName() { return {"text"}; }

// "json ou text": the written forms, the default first.
std::string alternatives(const std::vector<std::string_view>& names) {
  std::string list;
  for (const auto name : names) list += (list.empty() ? "" : " ou ") + std::string(name);
  return list;
}

void addSheetOptions(CLI::App& command, Options& options, TypedValues& typed) {
  command
      .add_option("--sheet", options.sheetFile,
                  "fiche JSON dont les clés sont les noms des contrôles (- : entrée standard)")
      ->type_name("FICHIER");
  auto* dice = command
                   .add_option("--dice", options.diceScript,
                               "jets imposés dans l'ordre du tirage : F:V,F:V,... (faces:valeur)")
                   ->type_name("SCRIPT");
  auto* diceFile = command
                       .add_option("--dice-file", options.diceFile,
                                   "fichier qui contient un script de dés (- : entrée standard)")
                       ->type_name("FICHIER");
  auto* seed = command
                   .add_option("--seed", typed.seed,
                               "dés reproductibles : les mêmes jets pour la même graine (0 à 2^64-1)")
                   ->type_name("GRAINE");
  dice->excludes(diceFile)->excludes(seed);
  diceFile->excludes(seed);
  command.add_option("--format", typed.format, alternatives(sheetFormatNames()) + " (le premier par défaut)")
      ->type_name("FORMAT");
  command.add_flag("--trace-dice", options.traceDice,
                   "écrire chaque jet fait sur la sortie d'erreur, en script de dés (une ligne par fiche)");
  command.add_flag("--journal", options.journal,
                   "écrire le journal des jets (comment la fiche s'est faite) "
                   "sur la sortie d'erreur, une étape par ligne");
  command.add_flag("--journal-json", options.journalJson,
                   "le même journal en JSON Lines, un objet par étape");
  command
      .add_option("--output", options.outputFile,
                  "écrire dans ce fichier, remplacé seulement si tout réussit (- : sortie standard)")
      ->type_name("FICHIER");
}

void addGenerateOptions(CLI::App& command, Options& options, TypedValues& typed) {
  addSheetOptions(command, options, typed);
  command.add_flag("--typed", options.typed,
                   "la saisie (bouton Saisie/Reroll) sur les cases bleues de la fiche --sheet");
  command
      .add_option("--count", typed.count,
                  "nombre de personnages, de 1 à " + std::to_string(kMaxCount) + " (json : une ligne chacun)")
      ->type_name("N");
  addConditionOptions(command, typed.conditions);
}

void addNamesOptions(CLI::App& command, Options& options, TypedValues&) {
  command.add_option("LISTE", options.nameList, std::string("la liste à écrire seule : ") + kNameLists)
      ->type_name("");
}

void addImproveOptions(CLI::App& command, Options& options, TypedValues& typed) {
  addSheetOptions(command, options, typed);
  command
      .add_option("CASE", options.target, std::string(improvementTargets()) + " (voir orvandel-cli controls)")
      ->required()
      ->type_name("");
}

void addVerifyOptions(CLI::App& command, Options& options, TypedValues&) {
  command.add_option("--sheet", options.sheetFile, "la fiche JSON à vérifier (- : entrée standard)")
      ->required()
      ->type_name("FICHIER");
}

void addControlsOptions(CLI::App& command, Options&, TypedValues& typed) {
  command
      .add_option("--format", typed.format, alternatives(controlsFormatNames()) + " (le premier par défaut)")
      ->type_name("FORMAT");
}

// Every command shows real runs: the shell needs the quotes around comp(12).
const auto kCommands = std::to_array<CommandRow>({
    {"generate",
     "tirer des personnages : tout aux dés, ou --typed pour la saisie des cases bleues d'une fiche",
     "Exemples :\n"
     "  orvandel-cli generate --count 10 > table.jsonl\n"
     "      dix personnages, une ligne JSON chacun\n"
     "  orvandel-cli generate --typed --sheet jets.json --format text\n"
     "      la saisie (Saisie/Reroll) des jets écrits dans jets.json, lisible\n"
     "  orvandel-cli generate --count 6 --seed 2024 --format text --output table.txt\n"
     "      six fiches lisibles, les mêmes à chaque fois pour la graine 2024\n"
     "  orvandel-cli generate --seed 7 --journal > perso.json\n"
     "      le personnage, et sur la sortie d'erreur chaque étape des règles\n"
     "  orvandel-cli generate --count 4 --profession Guerrier --nationalite Stelmark\n"
     "      quatre Guerriers de Stelmark : les personnages tirés qui le sont, gardés\n"
     "  orvandel-cli generate --count 6 --magie --min FOR=14 --format pnj\n"
     "      six sorciers d'au moins 14 en FORce, en blocs de quatre par page (MJ)\n",
     generateFormatNames, addGenerateOptions, runGenerate},
    {"improve", "un clic d'amélioration sur une compétence ou une arme d'une fiche enregistrée",
     "Exemples :\n"
     "  orvandel-cli improve 'comp(12)' --sheet fiche.json > fiche-2.json\n"
     "      dépense un jet supplémentaire (Suplé.) sur la compétence 12\n"
     "  orvandel-cli improve 'arme_att(1)' --sheet - --format text < fiche.json\n"
     "      l'attaque de la première arme, fiche lue sur l'entrée standard\n"
     "  orvandel-cli improve 'comp(12)' --sheet fiche.json --journal-json > f2.json\n"
     "      et sur la sortie d'erreur le jet du clic et la nouvelle valeur, en JSON\n",
     sheetFormatNames, addImproveOptions, runImprove},
    {"verify", "vérifier qu'une fiche est ce que donnent ses dés, en rejouant sa recette",
     "Statut : 0 conforme, 1 non conforme ou sans recette, 2 fiche illisible.\n"
     "Exemples :\n"
     "  orvandel-cli verify --sheet fiche.json\n"
     "      « Conforme : tiré au hasard (graine …), 3 jets d’amélioration », ou\n"
     "      chaque case qui diffère : « FORce : 18 sur la fiche, 12 aux dés »\n",
     textFormatName, addVerifyOptions, runVerify},
    {"controls",
     "lister les noms des contrôles de la fiche (clés JSON, cibles de improve) et ce qu'ils montrent",
     "Exemples :\n"
     "  orvandel-cli controls | grep noeuds\n"
     "      quel comp(i) est « Faire/défaire des noeuds »\n"
     "  orvandel-cli controls --format json\n",
     controlsFormatNames, addControlsOptions, runControls},
    {"names", "lister les noms que prennent --profession, --nationalite, --magie et --min/--max de generate",
     "Exemples :\n"
     "  orvandel-cli names\n"
     "  orvandel-cli names professions\n"
     "      une profession par ligne, telle que --profession la prend\n",
     textFormatName, addNamesOptions, runNames},
});

}  // namespace

std::span<const CommandRow> commandRows() { return kCommands; }

std::string_view improvementTargets() {
  static const std::string targets = clickTargetsText();
  return targets;
}

}  // namespace orvandel

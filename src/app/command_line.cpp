#include "app/command_line.h"

#include <algorithm>

namespace orvandel {
namespace {

constexpr const char* kHelp =
    "Utilisation : orvandel [FICHIER]\n"
    "Ouvre la fiche de personnage d'Orvandel, générateur de personnages du jeu de rôle.\n"
    "Avec FICHIER, une fiche enregistrée en JSON (par la fenêtre ou par orvandel-cli)\n"
    "s'ouvre dans la fenêtre ; une fiche refusée l'est avec sa raison, et la fenêtre\n"
    "garde la fiche vierge.\n"
    "\n"
    "  -h, --help     affiche cette aide et quitte\n"
    "  -v, --version  affiche la version et quitte\n"
    "\n"
    "Sans fenêtre, en série ou en texte : orvandel-cli --help. Le manuel : man orvandel.\n";

constexpr const char* kVersion = "orvandel " ORVANDEL_VERSION "\n";

bool isOption(const std::string& argument) { return argument.size() > 1 && argument.front() == '-'; }

LaunchRequest refused(const std::string& why) {
  return {LaunchRequest::Answer::Refused,
          {},
          "orvandel : " + why + "\nSaisissez orvandel --help pour voir ce qui est permis.\n"};
}

}  // namespace

LaunchRequest readWindowCommandLine(const std::vector<std::string>& arguments) {
  auto asked = [&](const char* shortName, const char* longName) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [&](const std::string& a) { return a == shortName || a == longName; });
  };
  if (asked("-h", "--help")) return {LaunchRequest::Answer::Help, {}, kHelp};
  if (asked("-v", "--version")) return {LaunchRequest::Answer::Version, {}, kVersion};
  std::vector<std::string> files;
  bool optionsEnded = false;  // after "--", a name that starts with "-" is a file
  for (const std::string& argument : arguments) {
    if (argument == "--" && !optionsEnded) {
      optionsEnded = true;
    } else if (isOption(argument) && !optionsEnded) {
      return refused("option inconnue « " + argument + " ».");
    } else {
      files.push_back(argument);
    }
  }
  if (files.size() > 1)
    return refused("une seule fiche à la fois, pas « " + files[0] + " » et « " + files[1] + " ».");
  return {LaunchRequest::Answer::OpenWindow, files.empty() ? std::string() : files.front(), {}};
}

}  // namespace orvandel

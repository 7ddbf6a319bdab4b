#include "cli/cli.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/command_line.h"
#include "core/sheet_fields.h"
#include "generation/skills.h"
#include "layout/layout.h"
#include "sheet_io/sheet_json.h"
#include "sheet_io/sheet_text.h"
#include "sheet_io/text_lines.h"
#include "support/cli_run.h"

namespace orvandel {
namespace {

const std::string kTypedSheet =
    R"j({"forc":"14","con":"12","tai":"11","dex":"13","intl":"10","pou":"9","cha":"8",)j"
    R"j("nationalite":"33","profession":"07","age":"22"})j";

// A typed entry's trace replays it (seeded runs replay in the journal and
// batch trace tests).
TEST(CliTest, TracedDiceReplayATypedEntry) {
  const std::vector<std::string> typed{"generate", "--typed", "--sheet", "-"};
  std::vector<std::string> traced = typed;
  traced.insert(traced.end(), {"--seed", "3", "--trace-dice"});
  const CliRun run = cli(traced, kTypedSheet);
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<std::string> replay = typed;
  replay.insert(replay.end(), {"--dice", run.err.substr(0, run.err.size() - 1)});
  const CliRun again = cli(replay, kTypedSheet);
  EXPECT_EQ(again.status, 0) << again.err;
  // The same sheet, each recording its own dice: the seed, or the rolls.
  auto seeded = std::get<Personnage>(sheetFromJson(run.out));
  auto scripted = std::get<Personnage>(sheetFromJson(again.out));
  ASSERT_TRUE(seeded.recette && scripted.recette);
  EXPECT_EQ(seeded.recette->seed, 3U);
  EXPECT_EQ(scripted.recette->rolls + '\n', run.err);
  seeded.recette.reset();
  scripted.recette.reset();
  EXPECT_EQ(scripted, seeded);
}

// Every sheet of a seeded batch, each from where the seed's rolls stood,
// and an improved one, replay to themselves; a box changed by hand, a sheet
// without a recipe and an unreadable one each get their status.
TEST(CliTest, VerifyReplaysEachSheetOfABatch) {
  const CliRun batch = cli({"generate", "--count", "300", "--seed", "5", "--format", "json"});
  ASSERT_EQ(batch.status, 0) << batch.err;
  std::istringstream lines(batch.out);
  std::string line;
  std::string last;
  int checked = 0;
  while (std::getline(lines, line)) {
    const CliRun verified = cli({"verify", "--sheet", "-"}, line);
    ASSERT_EQ(verified.status, 0) << verified.out << line;
    ++checked;
    last = line;
  }
  EXPECT_EQ(checked, 300);
  // A click rolls on from the recipe's seed, unless dice were chosen for it:
  // the seed's rolls are then written out, the click's with them.
  const CliRun improved = cli({"improve", "arme_att(1)", "--sheet", "-"}, last);
  ASSERT_EQ(improved.status, 0) << improved.err;
  EXPECT_EQ(cli({"verify", "--sheet", "-"}, improved.out).out.rfind("Conforme : tiré au hasard (graine ", 0),
            0U);
  const CliRun chosen = cli({"improve", "arme_att(1)", "--sheet", "-", "--seed", "99"}, last);
  EXPECT_EQ(cli({"verify", "--sheet", "-"}, chosen.out).out,
            "Conforme : tiré au hasard (dés d’un script), 1 jet d’amélioration\n");

  auto changed = std::get<Personnage>(sheetFromJson(improved.out));
  const std::string was = changed.forc_tot;
  changed.forc_tot = "25";
  const CliRun differs = cli({"verify", "--sheet", "-"}, sheetToJson(changed));
  EXPECT_EQ(differs.status, 1);
  EXPECT_NE(differs.out.find("\nFORce : total : 25 sur la fiche, " + was + " aux dés\n"), std::string::npos)
      << differs.out;
  changed.recette.reset();
  EXPECT_EQ(cli({"verify", "--sheet", "-"}, sheetToJson(changed)).status, 1);
  const CliRun unreadable = cli({"verify", "--sheet", "-"}, "{\"forc\":");
  EXPECT_EQ(unreadable.status, 2);
  EXPECT_EQ(cli({"verify"}).status, 2);
}

// The window's one message, then the box at fault and why, on one line; the
// sheet is echoed unchanged.
TEST(CliTest, RefusedTypedEntryNamesTheBoxAndWhy) {
  const std::string filled = R"j("forc":"14","con":"12","tai":"11","dex":"13","intl":"10","pou":"9")j";
  static const struct {
    std::string sheet;
    const char* says;
  } cases[] = {
      {R"j({"forc":"","des_comp":"4"})j", "Remplir les cases bleues : la case forc (FORce — Dés) est vide\n"},
      {"{" + filled + R"j(,"cha":"douze"})j",
       "Remplir les cases bleues : la case cha (CHArisme — Dés) ne contient pas un nombre : \"douze\"\n"},
      {"{" + filled + R"j(,"cha":"8","nationalite":"33","profession":"07","age":"1000"})j",
       "Remplir les cases bleues : la case age (Age) contient \"1000\", hors de -999..999\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = cli({"generate", "--typed", "--sheet", "-", "--seed", "1"}, c.sheet);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.says);
    EXPECT_EQ(run.out, sheetToJson(std::get<Personnage>(sheetFromJson(c.sheet))) + "\n");
  }
}

// Every refusal of the command line: exit 2, nothing on stdout, one French
// line that names what was wrong and what is allowed.
TEST(CliTest, BadInputExitsTwoWithOneLine) {
  static const struct {
    std::vector<std::string> args;
    const char* sheet;
    const char* says;
  } cases[] = {
      {{"generate", "--sheet", "-"},
       R"j({"des_ok(7)": true})j",
       "\"des_ok(7)\" n’existe pas sur la fiche. Voir orvandel-cli controls."},
      {{"generate", "--sheet", "-"}, R"j({"forc": 12})j", "doit contenir un texte"},
      {{"generate", "--sheet", "-"}, R"j({"des_ok(1)": "true"})j", "doit valoir true ou false"},
      {{"generate", "--sheet", "-"}, R"j({"forc": "12")j", "pas du JSON valide"},
      {{"generate", "--sheet", "-"}, R"j(["forc"])j", "doit être un objet"},
      {{"generate", "--seed"}, "", "--seed attend une valeur"},
      {{"generate", "--format", "xml"}, "", "--format attend json ou text ou pnj, pas \"xml\""},
      {{"generate", "--cout", "3"},
       "",
       "option inconnue \"--cout\" pour generate ; la plus proche est --count"},
      {{"generate", "--seed", "1", "--dice", "6:1"}, "", "une seule source de dés"},
      {{"improve"}, "", "improve attend la case"},
      {{"generte"}, "", "commande inconnue \"generte\" ; la plus proche est generate"},
      {{}, "", "il manque la commande : generate, improve, verify, controls"},
      // As people type them: a repeated option, options before the command,
      // `--`, the version's usual short names, empty paths, far slips.
      {{"generate", "--count", "2", "--count", "3"}, "", "l'option --count est donnée deux fois"},
      {{"generate", "--seed", "1", "--seed=2"}, "", "l'option --seed est donnée deux fois"},
      {{"generate", "--", "--count", "3"}, "", "argument de trop \"--count\" pour generate"},
      {{"--count", "3", "generate"},
       "",
       "les options se placent après la commande : orvandel-cli generate --count"},
      {{"--count", "3"},
       "",
       "il manque la commande (generate, improve, verify, controls, names) avant \"--count\""},
      {{"-v"}, "", "pour la version, écrire orvandel-cli --version"},
      {{"generate", "-v"}, "", "pour la version, écrire orvandel-cli --version"},
      {{"generate", "--sheet", ""}, "", "--sheet attend un nom de fichier"},
      {{"generate", "-n", "5"}, "", "option inconnue \"-n\" pour generate (voir"},
      {{"xyz"}, "", "commande inconnue \"xyz\" (commandes : generate, improve, verify, controls, names)"},
      {{"imrpove"}, "", "la plus proche est improve"},
      {{"generate", "extra"}, "", "argument de trop \"extra\" pour generate"},
      {{"generate", "--typed=peut-etre"}, "", "orvandel-cli : --typed ne prend pas de valeur"},
      {{"generate", "--sheet", "-", "--dice-file", "-"}, "{}", "liraient tous deux l'entrée standard"},
      // A group's conditions, refused before anything is rolled.
      {{"generate", "--profession", "Gerrier"},
       "",
       "profession inconnue « Gerrier » ; la plus proche est Guerrier"},
      {{"generate", "--nationalite", "Stelmrk"}, "", "la plus proche est Stelmark (connues : Veskarée,"},
      {{"generate", "--min", "FOR=19", "--max", "FOR=12"}, "", "FORce d'au moins 19 et d'au plus 12"},
      {{"generate", "--max", "AGE=19"}, "", "âge d'au plus 19 impossible : les règles donnent de 20 à 30"},
      {{"generate", "--min", "SAN=100"}, "", "SAN d'au moins 100 impossible"},
      {{"generate", "--min", "FOR"}, "", "--min attend MESURE=N"},
      {{"generate", "--max", "XP=3"}, "", "--max attend MESURE=N, MESURE parmi FOR,"},
      {{"generate", "--min", "FOR=1.5"}, "", "pas \"FOR=1.5\""},
      {{"generate", "--magie=peut-etre"}, "", "--magie attend sorcier, capable, aucune"},
      {{"generate", "--magie=aucune", "--min", "RANG=2"}, "", "aucune capacité en magie : aucun personnage"},
      {{"generate", "--typed", "--profession", "Marin"}, "", "--typed ne se combine pas avec les conditions"},
      {{"generate", "--count", "1001", "--profession", "Marin"}, "", "un groupe compte au plus 1000"},
      {{"names", "metiers"}, "", "liste inconnue \"metiers\""},
  };
  for (const auto& c : cases) {
    const CliRun run = cli(c.args, c.sheet);
    EXPECT_EQ(run.status, 2) << c.says;
    EXPECT_EQ(run.out, "") << c.says;
    EXPECT_EQ(lineCount(run.err), 1) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
}

// Each value the command line reads at both ends of its range and one step
// beyond: an end is taken, a step beyond refused with exit 2, nothing on
// stdout and one French line that gives the range.
TEST(CliTest, OptionsAtBothEndsOfTheirRange) {
  const std::string kCount = "--count attend un nombre entier de 1 à 1000000, pas ";
  const std::string kSeed = "--seed attend un nombre entier sans signe de 0 à 18446744073709551615, pas ";
  const std::string kCase = " : comp(1..73), Text1(1..73), arme_att(1..6) ou arme_par(1..6)";
  const std::string kSeeHelp = " (voir orvandel-cli --help)";
  const struct {
    std::vector<std::string> args;
    std::string refusal;  // empty: taken
  } cases[] = {
      {{"generate", "--count", "1"}, ""},
      {{"generate", "--count", "0"}, kCount + "\"0\"" + kSeeHelp},
      {{"generate", "--count", "1000001"}, kCount + "\"1000001\"" + kSeeHelp},
      {{"generate", "--count", "-1"}, kCount + "\"-1\"" + kSeeHelp},
      {{"generate", "--count", "abc"}, kCount + "\"abc\"" + kSeeHelp},
      {{"generate", "--seed", "0"}, ""},
      {{"generate", "--seed", "18446744073709551615"}, ""},
      {{"generate", "--seed", "18446744073709551616"}, kSeed + "\"18446744073709551616\"" + kSeeHelp},
      {{"generate", "--seed", "-5"}, kSeed + "\"-5\"" + kSeeHelp},
      {{"generate", "--seed", "+5"}, kSeed + "\"+5\"" + kSeeHelp},
      {{"improve", "comp(73)"}, ""},
      {{"improve", "comp(74)"}, "case à améliorer inconnue \"comp(74)\"" + kCase},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    if (args.front() == "improve") args.insert(args.end(), {"--sheet", "-", "--dice", "100:10"});
    const CliRun run = cli(args, R"j({"des_comp":"1"})j");
    const std::string what = args[1] + " " + args.back();
    if (c.refusal.empty()) {
      EXPECT_EQ(run.status, 0) << what << ": " << run.err;
      EXPECT_EQ(lineCount(run.out), 1) << what;
      continue;
    }
    EXPECT_EQ(run.status, 2) << what;
    EXPECT_EQ(run.out, "") << what;
    EXPECT_EQ(run.err, "orvandel-cli : " + c.refusal + "\n") << what;
  }
  // A million sheets would take too long to write here: the largest count
  // is read, not run.
  const Request largest = readCommandLine({"generate", "--count", "1000000"});
  EXPECT_EQ(largest.error, "");
  EXPECT_EQ(largest.options.count, 1000000);
}

TEST(CliTest, DiceScriptMisfitsExitThree) {
  static const struct {
    const char* script;
    const char* says;
  } cases[] = {
      {"6:1", "le jet 2 demande des(6) mais il ne reste aucun jeton"},
      {"100:5", "le jet 1 demande des(6) mais le jeton suivant est \"100:5\""},
      {"6:7", "hors de 1..6"},
      {"six", "pas de la forme F:V"},
      {"", "le jet 1 demande des(6)"},
      {"6:1,\nsix\nlines\n:2", "le jeton 2 \"six\" n'est pas de la forme F:V"},
  };
  for (const auto& c : cases) {
    const CliRun run = cli({"generate", "--dice", c.script});
    EXPECT_EQ(run.status, 3) << c.script;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_EQ(lineCount(run.err), 1) << run.err;
  }
  const CliRun leftover = cli({"improve", "comp(1)", "--dice", "100:5,100:6"}, "");
  EXPECT_EQ(leftover.status, 3);
  EXPECT_NE(leftover.err.find("2 jeton(s) inutilisé(s)"), std::string::npos) << leftover.err;
}

// A click with no roll left spends nothing: exit 1, one line, and the sheet
// the window shows after the same click (an empty count reads "-1").
TEST(CliTest, ImproveWithNoRollLeftExitsOne) {
  static const struct {
    const char* desComp;
    const char* shown;
  } cases[] = {{"0", "0"}, {"", "-1"}, {"trois", "trois"}};
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.des_comp = c.desComp;
    sheet.Text1(3) = "25";
    const CliRun run =
        cli({"improve", "comp(3)", "--sheet", "-", "--dice", "", "--format", "text"}, sheetToJson(sheet));
    EXPECT_EQ(run.status, 1) << c.desComp;
    EXPECT_EQ(lineCount(run.err), 1) << run.err;
    EXPECT_NE(run.err.find("aucun jet supplémentaire"), std::string::npos) << run.err;
    sheet.des_comp = c.shown;
    EXPECT_EQ(run.out, sheetToText(sheet));
  }
}

// A text batch: each sheet under "Fiche n sur N" and a rule, a form feed
// between two sheets, and the same characters as the JSON batch.
TEST(CliTest, TextBatchSeparatesTheSheets) {
  const CliRun text = cli({"generate", "--seed", "5", "--count", "3", "--format", "text"});
  const CliRun json = cli({"generate", "--seed", "5", "--count", "3"});
  ASSERT_EQ(text.status, 0);
  std::istringstream lines(json.out);
  std::string expected;
  int n = 0;
  for (std::string line; std::getline(lines, line);) {
    const std::string heading = "Fiche " + std::to_string(++n) + " sur 3";
    std::string rule;
    for (std::size_t i = 0; i < heading.size(); ++i) rule += "─";
    expected += (n > 1 ? "\f\n" : "") + heading + "\n" + rule + "\n\n" +
                sheetToText(std::get<Personnage>(sheetFromJson(line)));
  }
  EXPECT_EQ(n, 3);
  EXPECT_EQ(text.out, expected);
}

// Every example in the help is a command line the program accepts, and every
// usage line names the program.
TEST(CliTest, HelpExamplesRun) {
  for (const char* command : {"generate", "improve", "controls", "names"}) {
    const CliRun run = cli({command, "--help"});
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(std::string("Utilisation : orvandel-cli ") + command), std::string::npos);
    std::istringstream lines(run.out);
    int examples = 0;
    for (std::string line; std::getline(lines, line);) {
      EXPECT_LE(textWidth(line), kTextColumns) << line;
      if (!line.starts_with("  orvandel-cli ")) continue;
      std::istringstream words(line.substr(15));
      std::vector<std::string> args;
      for (std::string w; words >> w && w != ">" && w != "<" && w != "|";)
        args.push_back(w.front() == '\'' ? w.substr(1, w.size() - 2) : w);
      const Request request = readCommandLine(args);
      EXPECT_TRUE(request.command && request.error.empty()) << line << ": " << request.error;
      ++examples;
    }
    EXPECT_GE(examples, 2) << command;
  }
  std::istringstream overview(cli({"--help"}).out);
  for (std::string line; std::getline(overview, line);) EXPECT_LE(textWidth(line), kTextColumns) << line;
}

// The controls listing against the layout and the skill catalogue: every
// control of the sheet in JSON key order, each a control of the window that
// shows a caption of the window, its skill, or its row's blank value.
TEST(CliTest, ControlsListingReadsLayoutAndCatalogue) {
  const CliRun run = cli({"controls", "--format", "json"});
  ASSERT_EQ(run.status, 0);
  const auto listing = nlohmann::json::parse(run.out);
  const auto& names = controlNames();
  ASSERT_EQ(listing.size(), names.size());
  const auto& layout = characterWindowLayout();
  const auto shownBy = [&](const std::string& name) {
    return listing[static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin())]
                  ["montre"];
  };
  for (std::size_t n = 0; n < listing.size(); ++n) {
    const auto& entry = listing[n];
    const std::string name = entry["nom"], shows = entry["montre"], blank = entry.value("vide", "");
    ASSERT_EQ(name, names[n]);
    const auto row =
        std::find_if(layout.begin(), layout.end(), [&](const ControlRow& r) { return r.name == name; });
    ASSERT_NE(row, layout.end()) << name;
    EXPECT_EQ(entry["genre"] == "saisie", row->look.editable) << name;
    const auto split = *splitControlName(name);
    const std::string skill = split.base == "comp" ? std::string(catalogueName(*split.index)) : "";
    if (split.base == "comp") {
      EXPECT_TRUE(shows == skill || blank == skill) << name;
    } else if (split.base == "arme_nom" || split.base == "arme_deg") {
      EXPECT_EQ(blank, split.base == "arme_nom" ? kBlankWeaponName : kBlankWeaponDamage) << name;
    } else if (split.base == "des_ok") {
      const auto box = std::find_if(kBlueBoxes.begin(), kBlueBoxes.end(),
                                    [&](const BlueBox& b) { return b.selector == *split.index; });
      const std::string field = box == kBlueBoxes.end() ? "des_comp" : box->name;
      EXPECT_EQ(shows, "relance : " + shownBy(field).get<std::string>()) << name;
    } else if (split.base == "Text1") {
      EXPECT_NE(shows.find(shownBy("comp(" + std::to_string(*split.index) + ")")), std::string::npos) << name;
    } else if (name != "sorcier") {
      EXPECT_TRUE(std::any_of(layout.begin(), layout.end(),
                              [&](const ControlRow& r) {
                                return r.kind == ControlKind::Caption && r.caption.size() > 1 &&
                                       shows.find(r.caption) != std::string::npos;
                              }))
          << name << ": " << shows;
    }
  }
  EXPECT_EQ(lineCount(cli({"controls"}).out), static_cast<long>(names.size()) + 1);
}

}  // namespace
}  // namespace orvandel

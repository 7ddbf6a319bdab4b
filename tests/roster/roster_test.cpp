// Keeping characters and moving them between the front ends: what an export
// writes comes back whole, an import keeps every good character and names
// every bad one, and nothing kept before is lost.
#include "roster/roster.h"

#include <gtest/gtest.h>

#include <string>

#include "roster/roster_file.h"
#include "sheet_io/sheet_json.h"
#include "support/rolled_sheet.h"

namespace orvandel {
namespace {

std::string batchOf(int count) {
  std::string lines;
  for (int i = 1; i <= count; ++i) lines += sheetToJson(rolled(static_cast<std::uint64_t>(i))) + "\n";
  return lines;
}

TEST(RosterTest, NamesItsCharactersFromProfessionAndNationality) {
  Personnage sheet;
  EXPECT_EQ(proposedName(sheet), "Personnage");
  sheet.profession_nom = "Chasseur Guerrier";
  EXPECT_EQ(proposedName(sheet), "Chasseur Guerrier");
  sheet.nationalite_nom = "Plaine des Cendres";
  EXPECT_EQ(proposedName(sheet), "Chasseur Guerrier, Plaine des Cendres");
}

TEST(RosterTest, ExportedRosterComesBackWhole) {
  Roster roster;
  roster.keep("Aldo « le Rouge »", rolled(1));
  roster.keep("ligne\nsur deux \"guillemets\" \\", rolled(2));
  roster.keep("", rolled(3));
  roster.rename(2, "Brune");
  roster.update(0, rolled(4));
  const KeptCharacter removed = roster.remove(1);
  roster.restore(1, removed);

  const ImportedCharacters back = importCharacters(rosterToJson(roster.characters()));
  EXPECT_TRUE(back.problems.empty());
  EXPECT_EQ(Roster(back.characters), roster);
  EXPECT_EQ(back.characters[0].sheet, rolled(4));
}

TEST(RosterTest, ImportsABatchAsTheCliWritesIt) {
  const ImportedCharacters imported = importCharacters(batchOf(20));
  ASSERT_EQ(imported.characters.size(), 20U);
  EXPECT_TRUE(imported.problems.empty());
  EXPECT_EQ(imported.characters[6].sheet, rolled(7));
  EXPECT_EQ(imported.characters[6].name, proposedName(rolled(7)));

  // The roster's own JSON Lines are such a batch again.
  EXPECT_EQ(rosterToJsonLines(imported.characters), batchOf(20));
}

TEST(RosterTest, BadLinesAreLeftOutWithTheirReasonAndTheRestKept) {
  const std::string text = sheetToJson(rolled(1)) + "\r\n{\"forc\": \n\n" + sheetToJson(rolled(2)) +
                           "\n{\"inconnue\": \"x\"}\n" + sheetToJson(rolled(3));
  const ImportedCharacters imported = importCharacters(text);
  ASSERT_EQ(imported.characters.size(), 3U);
  EXPECT_EQ(imported.characters[2].sheet, rolled(3));
  ASSERT_EQ(imported.problems.size(), 2U);
  EXPECT_EQ(imported.problems[0], "ligne 2 : ce n’est pas du JSON valide.");
  EXPECT_EQ(imported.problems[1], "ligne 5 : la case \"inconnue\" n’existe pas sur la fiche.");
}

TEST(RosterTest, BadEntriesOfARosterFileAreLeftOutByTheirPlace) {
  Roster roster;
  roster.keep("Un", rolled(1));
  std::string file = rosterToJson(roster.characters());
  file.replace(file.rfind("\n]"), 0,
               ",\n{\"nom\":3,\"fiche\":{}},\n[],\n{\"nom\":\"Sans fiche\"},\n{\"fiche\":{}}");
  const ImportedCharacters imported = importCharacters(file);
  ASSERT_EQ(imported.characters.size(), 2U);
  EXPECT_EQ(imported.characters[0].name, "Un");
  EXPECT_EQ(imported.characters[1].name, "Personnage");  // no name: named from its sheet
  ASSERT_EQ(imported.problems.size(), 3U);
  EXPECT_EQ(imported.problems[0], "personnage 2 : le nom doit être un texte entre guillemets.");
  EXPECT_EQ(imported.problems[1].substr(0, 15), "personnage 3 : ");
  EXPECT_EQ(imported.problems[2], "personnage 4 : la fiche (« fiche ») manque ou n’est pas un objet.");
}

// A newer version is refused among the key-reading cases below.
TEST(RosterTest, RefusesAFileTooBigToReadWhole) {
  const ImportedCharacters imported = importCharacters(std::string(kLargestRoster + 1, ' '));
  EXPECT_TRUE(imported.characters.empty());
  ASSERT_EQ(imported.problems.size(), 1U);
  EXPECT_NE(imported.problems[0].find("trop gros"), std::string::npos) << imported.problems[0];
}

// A roster file read value by value reads as the whole document would:
// whatever the order of the keys, a key given twice, values nested where
// nothing reads them.
TEST(RosterTest, ReadsKeysInAnyOrderAndNestingAsTheWholeDocumentSays) {
  const std::string newer =
      "cette liste vient d’une version plus récente d’Orvandel : mettez le programme à jour "
      "pour l’ouvrir.";
  const std::string notAnEntry = "ce n’est pas un personnage (un objet avec « nom » et « fiche »).";
  const struct {
    const char* file;
    std::vector<std::string> names;
    std::vector<std::string> problems;
  } cases[] = {
      {R"x({"personnages":[{"nom":"A","fiche":{}}],"version":2})x", {}, {newer}},
      {R"x({"version":"1","personnages":[]})x", {}, {newer}},
      {R"x({"version":1,"personnages":[{"fiche":{},"nom":"A"}],"version":1})x", {"A"}, {}},
      {R"x({"x":{"personnages":[{"nom":"X","fiche":{}}]},"personnages":[{"nom":"A","fiche":{}}]})x",
       {"A"},
       {}},
      {R"x({"personnages":{"nom":"A","fiche":{}}})x", {}, {notAnEntry}},
      {R"x({"x":{"personnages":[]}})x", {}, {R"x(ligne 1 : la case "x" n’existe pas sur la fiche.)x"}},
      {R"x({"personnages":[[{"nom":"X","fiche":{}}],"A",{"nom":"B","fiche":{},"x":[{"fiche":3}]}]})x",
       {"B"},
       {"personnage 1 : " + notAnEntry, "personnage 2 : " + notAnEntry}},
      {R"x({"personnages":[{"nom":"A","fiche":{"forc":{"pv":[1]}}},{"nom":"B","fiche":{"pv":"12"}}]})x",
       {"B"},
       {R"x(personnage 1 : la case "forc" doit contenir un texte entre guillemets.)x"}},
      {R"x({"personnages":[{"fiche":{"zzz":1,"forc":2},"nom":"A"}]})x",
       {},
       {R"x(personnage 1 : la case "forc" doit contenir un texte entre guillemets.)x"}},
      {R"x({"personnages":[{"nom":"A","fiche":3,"fiche":{"forc":1,"forc":"12"}},{"nom":1,"nom":"B","fiche":{}}]})x",
       {"A", "B"},
       {}},
      {R"x({"personnages":[{"nom":"A","fiche":{}},{"nom":"B","fiche":{"des_ok(14)":"oui"}}]})x",
       {"A"},
       {R"x(personnage 2 : la case à cocher "des_ok(14)" doit valoir true ou false.)x"}},
  };
  for (const auto& c : cases) {
    const ImportedCharacters imported = importCharacters(c.file);
    std::vector<std::string> names;
    for (const KeptCharacter& kept : imported.characters) names.push_back(kept.name);
    EXPECT_EQ(names, c.names) << c.file;
    EXPECT_EQ(imported.problems, c.problems) << c.file;
  }
}

// Every accented letter a search folds is the roster session test's.
TEST(RosterTest, SearchesNamesProfessionsAndNationalities) {
  Roster roster;
  Personnage sheet;
  sheet.profession_nom = "Chasseur Guerrier";
  sheet.nationalite_nom = "Plaine des Cendres";
  roster.keep("Aldo", sheet);
  roster.keep("Brune l’Élève", Personnage{});
  roster.keep("ALDEBERT", Personnage{});
  roster.keep("Œil-de-Sève", Personnage{});
  const std::vector<std::pair<std::string_view, std::vector<std::size_t>>> searches = {
      {"ald", {0, 2}}, {"cendres", {0}}, {"guerrier", {0}},     {"", {0, 1, 2, 3}},
      {"zzz", {}},     {"l’é", {1}},     {"oeil-de-seve", {3}}, {"oeil de", {}},
  };
  for (const auto& [words, places] : searches) EXPECT_EQ(roster.search(words), places) << words;
}

}  // namespace
}  // namespace orvandel

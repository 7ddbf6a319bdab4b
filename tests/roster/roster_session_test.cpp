// The roster as a player acts on it, whatever the front end: names trimmed
// of every space, refusals that change nothing, the opened character
// followed through removals and their undoing, what a list is told of each
// change, the summary line, and every accented letter a search folds.
#include "roster/roster_session.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/rolled_sheet.h"

namespace orvandel {
namespace {

const std::string kNoName = "Donnez un nom au personnage.";
const std::string kNothingOpened =
    "Ouvrez d’abord un personnage de la liste : « Mettre à jour » le remplace par la fiche affichée.";
const std::string kGone = "Ce personnage n’est plus dans la liste.";

// "A", "B", "C"…: `count` characters, each with a sheet of its own.
RosterSession sessionOf(int count) {
  RosterSession session;
  for (int i = 0; i < count; ++i)
    session.keep(std::string(1, static_cast<char>('A' + i)), rolled(static_cast<std::uint64_t>(i + 1)));
  return session;
}

std::string namesOf(const RosterSession& session) {
  std::string names;
  for (const KeptCharacter& c : session.characters()) names += c.name;
  return names;
}

TEST(RosterSessionTest, NamesAreTrimmedOfEverySpaceAndABlankNameIsRefused) {
  const struct {
    const char* name;
    std::optional<std::string> kept;  // nothing: refused
  } cases[] = {
      {"Aldo", "Aldo"},
      {"  Aldo  le Rouge\t", "Aldo  le Rouge"},
      {"\u00A0« Aldo »\u202F\r\n", "« Aldo »"},
      {"\u3000\u2003Élise\u2028\u0085", "Élise"},
      {"", std::nullopt},
      {" \t\n\v\f\r", std::nullopt},
      {"\u00A0\u1680\u2000\u200A\u2029\u205F\u3000", std::nullopt},
  };
  for (const auto& c : cases) {
    RosterSession kept = sessionOf(1);
    RosterSession renamed = sessionOf(2);
    const auto keepRefusal = kept.keep(c.name, rolled(9));
    const auto renameRefusal = renamed.rename(1, c.name);
    if (c.kept) {
      EXPECT_EQ(keepRefusal, std::nullopt) << c.name;
      EXPECT_EQ(renameRefusal, std::nullopt) << c.name;
      EXPECT_EQ(kept.characters().back().name, *c.kept);
      EXPECT_EQ(kept.opened(), 1U);
      EXPECT_EQ(renamed.characters()[1].name, *c.kept);
    } else {
      EXPECT_EQ(keepRefusal, kNoName) << c.name;
      EXPECT_EQ(renameRefusal, kNoName) << c.name;
      EXPECT_EQ(namesOf(kept), "A");
      EXPECT_EQ(kept.opened(), 0U);  // the refusal leaves the one kept before opened
      EXPECT_EQ(namesOf(renamed), "AB");
    }
  }
}

// A sheet no generation made has nothing to keep, whatever its name; the
// refusal says what to do first.
TEST(RosterSessionTest, ASheetNothingRolledIsRefused) {
  Personnage typed;
  typed.forc = "12";
  typed.equipement = "une corde";
  for (const Personnage& blank : {Personnage{}, typed}) {
    RosterSession session = sessionOf(1);
    const auto refusal = session.keep("Aldo", blank);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("tirez d’abord un personnage"), std::string::npos) << *refusal;
    EXPECT_EQ(namesOf(session), "A");
  }
}

// Kept one by one or imported together, two characters never share a name:
// the later one takes the first number free after it.
TEST(RosterSessionTest, EveryCharacterKeepsANameOfItsOwn) {
  const std::string hunter = "Chasseur, Belvosk";
  RosterSession session(Roster({{hunter, rolled(1)}, {hunter + " (3)", rolled(2)}}));
  ASSERT_EQ(session.keep("  " + hunter + " ", rolled(3)), std::nullopt);
  EXPECT_EQ(
      session.keepAll({{hunter, rolled(4)}, {"Aldo", rolled(5)}, {"Aldo", rolled(6)}, {hunter, rolled(7)}}),
      4U);
  EXPECT_EQ(session.keepAll({}), 0U);
  std::vector<std::string> names;
  for (const KeptCharacter& c : session.characters()) names.push_back(c.name);
  EXPECT_EQ(names, (std::vector<std::string>{hunter, hunter + " (3)", hunter + " (2)", hunter + " (4)",
                                             "Aldo", "Aldo (2)", hunter + " (5)"}));
  EXPECT_EQ(session.characters()[3].sheet, rolled(4));
}

TEST(RosterSessionTest, AnImportSaysHowManyItAdded) {
  const struct {
    std::size_t added;
    bool someLeftOut;
    const char* said;
  } cases[] = {
      {0, true, "« lot.jsonl » : 0 personnage importé. Laissés de côté :"},
      {1, false, "« lot.jsonl » : 1 personnage importé."},
      {20, false, "« lot.jsonl » : 20 personnages importés."},
      {18, true, "« lot.jsonl » : 18 personnages importés. Laissés de côté :"},
  };
  for (const auto& c : cases) EXPECT_EQ(importSummary("lot.jsonl", c.added, c.someLeftOut), c.said);
}

// An action on a place past the last character (one the player saw before
// it went) is refused and changes nothing; both ends of the list act.
TEST(RosterSessionTest, ActionsPastTheLastCharacterAreRefused) {
  RosterSession session = sessionOf(3);
  ASSERT_EQ(session.open(1), std::nullopt);
  EXPECT_EQ(session.rename(3, "X"), kGone);
  EXPECT_EQ(session.open(3), kGone);
  EXPECT_EQ(session.remove(3), kGone);
  EXPECT_EQ(namesOf(session), "ABC");
  EXPECT_EQ(session.opened(), 1U);
  EXPECT_FALSE(session.canUndoRemoval());
  EXPECT_EQ(session.undoRemoval(), std::nullopt);

  EXPECT_EQ(session.rename(0, "Premier"), std::nullopt);
  EXPECT_EQ(session.rename(2, "Dernier"), std::nullopt);
  EXPECT_EQ(namesOf(session), "PremierBDernier");
  EXPECT_EQ(session.open(2), std::nullopt);
  EXPECT_EQ(session.open(0), std::nullopt);
  EXPECT_EQ(session.opened(), 0U);
}

TEST(RosterSessionTest, UpdateReplacesTheSheetOfTheCharacterOpened) {
  RosterSession session(Roster({{"A", rolled(1)}, {"B", rolled(2)}}));
  EXPECT_EQ(session.update(rolled(9)), kNothingOpened);
  EXPECT_EQ(session.characters()[0].sheet, rolled(1));
  EXPECT_EQ(session.characters()[1].sheet, rolled(2));

  ASSERT_EQ(session.open(1), std::nullopt);
  EXPECT_EQ(session.update(rolled(9)), std::nullopt);
  EXPECT_EQ(session.characters()[1].sheet, rolled(9));
  EXPECT_EQ(session.characters()[0].sheet, rolled(1));

  session.keep("C", rolled(3));  // the character kept is the one opened
  EXPECT_EQ(session.update(rolled(10)), std::nullopt);
  EXPECT_EQ(session.characters()[2].sheet, rolled(10));
  EXPECT_EQ(session.characters()[1].sheet, rolled(9));

  ASSERT_EQ(session.remove(2), std::nullopt);
  EXPECT_EQ(session.update(rolled(11)), kNothingOpened);
}

// A removal before the character opened moves it up one; its undoing moves
// it back. The character opened itself, once removed, is opened no more.
TEST(RosterSessionTest, TheCharacterOpenedFollowsRemovalsAndTheirUndoing) {
  const struct {
    std::size_t opened, removed;
    std::optional<std::size_t> afterRemoval, afterUndo;
  } cases[] = {
      {0, 0, std::nullopt, std::nullopt}, {0, 1, 0, 0}, {0, 2, 0, 0}, {1, 0, 0, 1},
      {1, 1, std::nullopt, std::nullopt}, {1, 2, 1, 1}, {2, 0, 1, 2}, {2, 1, 1, 2},
      {2, 2, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    RosterSession session = sessionOf(3);
    ASSERT_EQ(session.open(c.opened), std::nullopt);
    ASSERT_EQ(session.remove(c.removed), std::nullopt);
    EXPECT_EQ(session.characters().size(), 2U);
    EXPECT_EQ(session.opened(), c.afterRemoval) << c.opened << " " << c.removed;
    EXPECT_EQ(session.undoRemoval(), c.removed);
    EXPECT_EQ(session.opened(), c.afterUndo) << c.opened << " " << c.removed;
    EXPECT_EQ(session.characters(), sessionOf(3).characters());
  }
}

TEST(RosterSessionTest, RemovalsComeBackLastFirstEachWhereItStood) {
  RosterSession session = sessionOf(4);
  ASSERT_EQ(session.remove(0), std::nullopt);
  ASSERT_EQ(session.remove(2), std::nullopt);  // "D", the last
  ASSERT_EQ(session.remove(1), std::nullopt);  // "C"
  session.keep("E", rolled(5));
  EXPECT_EQ(namesOf(session), "BE");
  EXPECT_EQ(session.undoRemoval(), 1U);
  EXPECT_EQ(session.undoRemoval(), 2U);
  EXPECT_EQ(namesOf(session), "BCDE");
  EXPECT_EQ(session.opened(), 3U);
  EXPECT_TRUE(session.canUndoRemoval());
  EXPECT_EQ(session.undoRemoval(), 0U);
  EXPECT_EQ(namesOf(session), "ABCDE");
  EXPECT_FALSE(session.canUndoRemoval());
  EXPECT_EQ(session.undoRemoval(), std::nullopt);
}

// Writes what it is told, with the number of characters at that moment: a
// list must hear of a change before it is made, and after.
class Recorder final : public RosterListener {
 public:
  explicit Recorder(const RosterSession& session) : session_(session) {}
  void aboutToInsert(std::size_t first, std::size_t last) override {
    say("+" + std::to_string(first) + "-" + std::to_string(last));
  }
  void inserted() override { say("+"); }
  void aboutToRemove(std::size_t at) override { say("-" + std::to_string(at)); }
  void removed() override { say("-"); }
  void changed(std::size_t at) override { say("=" + std::to_string(at)); }
  std::string heard;

 private:
  void say(const std::string& what) {
    heard += what + "/" + std::to_string(session_.characters().size()) + " ";
  }
  const RosterSession& session_;
};

TEST(RosterSessionTest, AListHearsEachChangeBeforeAndAfterInItsPlaces) {
  RosterSession session = sessionOf(2);
  Recorder recorder(session);
  session.listen(&recorder);
  const struct {
    std::function<void()> act;
    const char* heard;
  } cases[] = {
      {[&] { session.keep("C", rolled(3)); }, "+2-2/2 +/3 "},
      {[&] { session.keep(" ", rolled(3)); }, ""},
      {[&] { session.rename(0, "Z"); }, "=0/3 "},
      {[&] { session.rename(2, ""); }, ""},
      {[&] { session.update(rolled(4)); }, "=2/3 "},
      {[&] { session.open(0); }, ""},
      {[&] { session.remove(0); }, "-0/3 -/2 "},
      {[&] { session.remove(2); }, ""},
      {[&] { session.remove(1); }, "-1/2 -/1 "},
      {[&] { session.undoRemoval(); }, "+1-1/1 +/2 "},
      {[&] { session.undoRemoval(); }, "+0-0/2 +/3 "},
      {[&] { session.undoRemoval(); }, ""},
      {[&] { session.keepAll({}); }, ""},
      {[&] { session.keepAll(sessionOf(2).characters()); }, "+3-4/3 +/5 "},
  };
  for (const auto& c : cases) {
    recorder.heard.clear();
    c.act();
    EXPECT_EQ(recorder.heard, c.heard);
  }
  EXPECT_EQ(namesOf(session), "ZBCAB (2)");  // what the list heard, in its places
}

TEST(RosterSessionTest, TheSummaryNamesWhatTheNameDoesNotSay) {
  const struct {
    const char *name, *profession, *nationality, *pv, *san;
    const char *summary, *line;
  } cases[] = {
      {"Aldo", "Chasseur Guerrier", "Plaine des Cendres", "12", "55",
       "Chasseur Guerrier, Plaine des Cendres · PV 12 · SAN 55",
       "Aldo — Chasseur Guerrier, Plaine des Cendres · PV 12 · SAN 55"},
      {"Chasseur Guerrier, Plaine des Cendres", "Chasseur Guerrier", "Plaine des Cendres", "12", "55",
       "PV 12 · SAN 55", "Chasseur Guerrier, Plaine des Cendres · PV 12 · SAN 55"},
      {"Aldo", "Chasseur Guerrier", "", "", "", "Chasseur Guerrier", "Aldo — Chasseur Guerrier"},
      {"Aldo", "", "Plaine des Cendres", "", "55", "Plaine des Cendres · SAN 55",
       "Aldo — Plaine des Cendres · SAN 55"},
      {"Chasseur Guerrier", "Chasseur Guerrier", "", "-1", "", "PV -1", "Chasseur Guerrier · PV -1"},
      {"Aldo", "", "", "", "", "", "Aldo"},
      {"Personnage", "", "", "3", "", "PV 3", "Personnage · PV 3"},
  };
  for (const auto& c : cases) {
    KeptCharacter character{c.name, {}};
    character.sheet.profession_nom = c.profession;
    character.sheet.nationalite_nom = c.nationality;
    character.sheet.pv = c.pv;
    character.sheet.san = c.san;
    EXPECT_EQ(summary(character), c.summary);
    EXPECT_EQ(summaryLine(character), c.line);
  }
}

// Each accented letter (Latin-1's, and Œ œ Ÿ) is found by its plain
// letters and finds them, whatever the case; × and ÷ are no letters.
TEST(RosterSessionTest, ASearchFoldsEveryAccentedLetter) {
  const struct {
    std::vector<const char*> letters;
    const char* plain;
  } cases[] = {
      {{"À", "Á", "Â", "Ã", "Ä", "Å", "à", "á", "â", "ã", "ä", "å"}, "a"},
      {{"Æ", "æ"}, "ae"},
      {{"Ç", "ç"}, "c"},
      {{"È", "É", "Ê", "Ë", "è", "é", "ê", "ë"}, "e"},
      {{"Ì", "Í", "Î", "Ï", "ì", "í", "î", "ï"}, "i"},
      {{"Ð", "ð"}, "d"},
      {{"Ñ", "ñ"}, "n"},
      {{"Ò", "Ó", "Ô", "Õ", "Ö", "Ø", "ò", "ó", "ô", "õ", "ö", "ø"}, "o"},
      {{"Ù", "Ú", "Û", "Ü", "ù", "ú", "û", "ü"}, "u"},
      {{"Ý", "ý", "ÿ", "Ÿ"}, "y"},
      {{"Þ", "þ"}, "th"},
      {{"ß"}, "ss"},
      {{"Œ", "œ"}, "oe"},
  };
  for (const auto& c : cases) {
    const std::string upper = std::string(1, static_cast<char>(c.plain[0] - 'a' + 'A')) + (c.plain + 1);
    for (const char* letter : c.letters) {
      const KeptCharacter accented{std::string("«") + letter + "»", {}};
      const KeptCharacter plain{std::string("«") + c.plain + "»", {}};
      EXPECT_TRUE(RosterSearch(c.plain).finds(accented)) << letter;
      EXPECT_TRUE(RosterSearch(upper).finds(accented)) << letter;
      EXPECT_TRUE(RosterSearch(std::string("«") + letter + "»").finds(plain)) << letter;
      for (const char* other : c.letters) EXPECT_TRUE(RosterSearch(other).finds(accented)) << letter << other;
    }
  }
  for (const char* sign : {"×", "÷"}) {
    EXPECT_FALSE(RosterSearch("x").finds({sign, {}})) << sign;
    EXPECT_TRUE(RosterSearch(sign).finds({sign, {}})) << sign;
  }
}

}  // namespace
}  // namespace orvandel

// The GM's workshop in the window: the group asked for in the form reaches
// the roster, each character meeting every condition; a refusal rolls
// nothing; the GM's page of a group lies on one A4 page with every value.

#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "group/group_search.h"
#include "sheet_io/gm_page.h"
#include "support/rolled_sheet.h"
#include "support/tool_says.h"
#include "window/character_window.h"
#include "window/group_dialog.h"
#include "window/group_form.h"
#include "window/qt_text.h"
#include "window/roster_window.h"
#include "window/sheet_files.h"

namespace orvandel {
namespace {

constexpr std::uint64_t kSeed = 11;

std::size_t measure(std::string_view key) {
  for (std::size_t m = 0; m < kMeasures.size(); ++m)
    if (kMeasures[m].key == key) return m;
  return kMeasures.size();
}

// Bound has no comparison of its own.
bool same(const Conditions& a, const Conditions& b) {
  return a.professions == b.professions && a.nationalities == b.nationalities && a.sorcery == b.sorcery &&
         std::equal(a.bounds.begin(), a.bounds.end(), b.bounds.begin(),
                    [](const Bound& x, const Bound& y) { return x.min == y.min && x.max == y.max; });
}

QSpinBox* boundBox(const QDialog& dialog, const QString& name) {
  for (QSpinBox* box : dialog.findChildren<QSpinBox*>())
    if (box->accessibleName() == name) return box;
  return nullptr;
}

// Ticks `name` in the list as a keyboard does: to the row, then Space.
void tick(const QDialog& dialog, const char* list, const std::string& name) {
  auto* names = dialog.findChild<QListWidget*>(QString::fromUtf8(list));
  const auto found = names->findItems(qtText(name), Qt::MatchExactly);
  QCOMPARE(found.size(), 1);
  names->setCurrentItem(found.front());
  QTest::keyClick(names, Qt::Key_Space);
  QCOMPARE(found.front()->checkState(), Qt::Checked);
}

// The text of the PDF `path` on one line, the words as drawn, the font's
// ligatures ("ﬂ") as the letters they join.
QString pdfText(const QString& path) {
  return toolSays(QStringLiteral("pdftotext"), {"-raw", path, "-"})
      .normalized(QString::NormalizationForm_KC)
      .simplified();
}

}  // namespace

class GroupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(data_.isValid());
    qputenv("XDG_DATA_HOME", data_.path().toUtf8());
  }

  // The profession and nationality of a rolled character, so that the
  // group can be found; bounds on a characteristic and on the age.
  void theGroupAskedForReachesTheRoster() {
    CharacterWindow window(std::make_unique<SeededDice>(kSeed));
    RosterWindow& roster = window.roster();
    const std::size_t before = roster.roster().size();
    GroupDialog dialog(
        roster, [] { return kSeed; }, &window);
    const Personnage model = rolled(kSeed);
    tick(dialog, "professions", model.profession_nom);
    tick(dialog, "nationalities", model.nationalite_nom);
    boundBox(dialog, QStringLiteral("FORce minimum"))->setValue(10);
    boundBox(dialog, QStringLiteral("âge maximum"))->setValue(28);
    // A bound typed, then erased: no bound.
    QSpinBox* erased = boundBox(dialog, QStringLiteral("SAN minimum"));
    erased->setValue(50);
    QTest::keyClick(erased, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(erased, Qt::Key_Backspace);
    erased->interpretText();

    Conditions asked;
    asked.professions = {model.profession_nom};
    asked.nationalities = {model.nationalite_nom};
    asked.bounds.at(measure("FOR")).min = 10;
    asked.bounds.at(measure("AGE")).max = 28;
    QVERIFY(same(dialog.findChild<GroupForm*>()->conditions(), asked));
    dialog.prepare();
    QVERIFY(dialog.searching());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.searching(), 120000);

    const auto& kept = roster.roster().characters();
    QCOMPARE(kept.size(), before + 4);
    const std::string groupName = proposedGroupName(asked);
    for (int k = 1; k <= 4; ++k) {
      const KeptCharacter& member = kept[before + static_cast<std::size_t>(k) - 1];
      QCOMPARE(member.name, memberName(groupName, member.sheet, k));
      QVERIFY2(meets(member.sheet, asked), member.name.c_str());
    }
    QVERIFY(dialog.group() == std::vector<KeptCharacter>(kept.end() - 4, kept.end()));
    QVERIFY2(dialog.status().contains(qtText(kept.back().name)), qPrintable(dialog.status()));
  }

  void aRefusalRollsNothing() {
    CharacterWindow window(std::make_unique<SeededDice>(kSeed));
    const Roster before = window.roster().roster();
    GroupDialog dialog(
        window.roster(), [] { return kSeed; }, &window);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QSpinBox* min = boundBox(dialog, QStringLiteral("FORce minimum"));
    min->setValue(19);
    boundBox(dialog, QStringLiteral("FORce maximum"))->setValue(12);
    dialog.prepare();

    Conditions refused;
    refused.bounds.at(measure("FOR")) = {19, 12};
    QVERIFY(!dialog.searching());
    QCOMPARE(dialog.status(), qtText(conditionsProblem(refused)));
    QVERIFY(!dialog.status().isEmpty());
    QCOMPARE(QApplication::focusWidget(), min);
    QVERIFY(window.roster().roster() == before);
  }

  // Each block between its name and the next one holds its own values.
  void theGmPageOfFourLiesOnOneA4Page() {
    std::vector<KeptCharacter> group;
    for (std::uint64_t seed = 1; seed <= 4; ++seed)
      group.push_back({"Garde " + std::to_string(seed), rolled(seed)});
    const QString path = data_.filePath(QStringLiteral("mj.pdf"));
    QCOMPARE(saveGmPageAsPdf(group, QStringLiteral("page du MJ"), path), std::nullopt);
    const QString info = toolSays(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("Page size:\\s+595\\S* x 84[12]\\S* pts \\(A4\\)")),
             qPrintable(info));

    const QString text = pdfText(path);
    for (std::size_t i = 0; i < group.size(); ++i) {
      const qsizetype start = text.indexOf(qtText(group[i].name));
      const qsizetype end = i + 1 < group.size() ? text.indexOf(qtText(group[i + 1].name)) : text.size();
      QVERIFY2(start >= 0 && end > start, group[i].name.c_str());
      const QString block = text.mid(start, end - start);
      const Personnage& s = group[i].sheet;
      std::vector<std::string> values{s.profession_nom,
                                      s.nationalite_nom,
                                      s.age,
                                      s.pv,
                                      s.blessure_majeure,
                                      s.san,
                                      s.bonus_dommages,
                                      s.bonus_attaque,
                                      s.bonus_parade,
                                      s.bonus_agilite,
                                      s.bonus_manipulation,
                                      s.bonus_perception,
                                      s.bonus_discretion,
                                      s.bonus_connaissance,
                                      s.bonus_communication,
                                      s.equipement};
      for (const CharacteristicRow& row : kCharacteristics) values.push_back(s.*row.total);
      for (const std::string& value : values)
        QVERIFY2(block.contains(qtText(value).simplified()), qPrintable(qtText(value) + " ∉ " + block));
      for (int w = WeaponSlots::kFirst; w <= WeaponSlots::kLast; ++w) {
        if (s.arme_att(w).empty()) continue;
        QStringList row;
        // A row the rules left dotted, for the player to name, is not named.
        for (const std::string* part : {&s.arme_nom(w), &s.arme_att(w), &s.arme_par(w)})
          if (part->find_first_not_of(". ") != std::string::npos)
            row << QRegularExpression::escape(qtText(*part));
        QVERIFY2(block.contains(QRegularExpression(row.join(QStringLiteral("\\W+")) + "\\b")),
                 qPrintable(row.join(u' ') + " ∉ " + block));
      }
    }
  }

 private:
  QTemporaryDir data_;
};

}  // namespace orvandel

QTEST_MAIN(orvandel::GroupTest)
#include "tst_group.moc"
